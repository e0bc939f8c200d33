#pragma once

#include "export/abstract_filters.h"
#include "export/pdf/pdf_assembly.h"
#include "export/pdf/pdf_items.h"

#include <vector>

// The PDF export: every text and graphic of the run becomes content-stream
// lines of its page; EndExport measures the fonts used and writes one PDF 1.3
// file in the PDF TextEncoding (ExportSettings), or keeps its bytes in memory
// when the file name is empty.
class TBVPDFDocumentFilter : public TBVPAbstractExportFilter {
public:
    explicit TBVPDFDocumentFilter(const QString& fileName);

    QString Description() const override;
    QString FileExtension() const override;
    QString DisplayName() const override;
    bool ContinuousPage() const override;

    void BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font) override;
    void EndPage() override;
    void EndExport() override;
    void BeginPage() override;
    void ExportGraphic(const TBVPagePoint& topLeft, const TBVExportGraphic& control) override;
    void ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor& background,
        TBVExportAlignment alignment, const QString& text) override;
    void OpenStream(const QString& fileName) override;
    void ProcessPage() override;

    // The document information texts; Creator is "Belvantos" after construction.
    TPDFDocumentInfo Info;
    // The file's bytes when the export ran without a file name.
    const QByteArray& StreamBytes() const { return m_memoryBytes; }

private:
    void ensurePage();
    void startPage();
    void closePage();
    void addText(const TPDFItemRec& item);
    void addShape(TPDFItemRec item, bool penDrawn);
    void addImage(const TBVPagePoint& topLeft, const TBVExportGraphic& control);
    int fontNumber(const TPDFItemRec& item);
    int pixelX(long double xNative) const;
    int pixelY(long double yNative) const;
    TPDFPage& currentPage() { return m_pages.back(); }

    std::vector<TPDFPage> m_pages;
    std::vector<TPDFFontKey> m_fonts;
    long double m_pointsPerPixelX = 0.75L;
    long double m_pointsPerPixelY = 0.75L;
    bool m_firstPage = true;
    bool m_pageFilesMade = false;
    bool m_pageOpen = false;
    int m_pageCounter = 0;
    int m_paperWidthNative = 0;
    int m_paperLengthNative = 0;
    QByteArray m_memoryBytes;
};
