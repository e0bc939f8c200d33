#pragma once

#include "export/document_writer.h"
#include "export/pdf/pdf_fonts.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// One page of the PDF export: its content-stream lines (graphics are drawn
// before texts) and its paper size in points. A closed page's text lines end with "ET".
struct TPDFPage {
    QStringList graphicsLines;
    QStringList textLines;
    long double widthPt = 0;
    long double heightPt = 0;
};

struct TPDFFontResource {
    TPDFFontKey key;
    TTFontrec metrics;
};

// The texts of the information dictionary, written as they stand.
struct TPDFDocumentInfo {
    QString Subject;
    QString Creator;
    QString Title;
    QString Author;
    QString CreationDate;
};

// The whole PDF file: catalog (1), outlines (2), page tree (3), pages and
// their content streams (4 and 5, 6 and 7, ...), two objects per font, the
// information dictionary and the procedure set, then the cross-reference
// table with the byte offsets of the objects in the file's encoding and the
// trailer. Fills `document` with the file's lines and returns its bytes.
QByteArray assemblePdf(const std::vector<TPDFPage>& pages, const std::vector<TPDFFontResource>& fonts,
    const TPDFDocumentInfo& info, const TDocumentWriter& writer, QStringList& document);
