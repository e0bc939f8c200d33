#pragma once

#include "export/export_error.h"
#include "export/filter.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

// The byte encoding of a document file that an export format writes.
enum class TDocumentEncoding { Ascii, Ansi, Utf16BigEndian, Utf16LittleEndian, Utf7, Utf8 };

// How the formats read the TextEncoding setting: the PDF file writes the
// ANSI code page for DefaultEncoding, the HTML file 7-bit ASCII.
TDocumentEncoding pdfDocumentEncoding(TTextEncoding encoding);
TDocumentEncoding htmlDocumentEncoding(TTextEncoding encoding);

// Writes a format's Document: the byte order mark of the encoding (UTF-16
// and UTF-8 only), then every line followed by CR LF. Characters that ASCII
// or the ANSI code page cannot hold become "?".
class TDocumentWriter {
public:
    explicit TDocumentWriter(TDocumentEncoding encoding);

    QByteArray byteOrderMark() const;
    // One line with its CR LF, as it stands in the file.
    QByteArray encodeLine(const QString& line) const;
    QByteArray encode(const QStringList& lines) const;
    // Writes the document to the file, replacing it; a file that cannot be
    // created or written raises EExportError naming the file and the reason.
    void write(const QStringList& lines, const QString& fileName) const;

private:
    TDocumentEncoding m_encoding;
};

// A new file replacing an existing one, open for writing; raises the
// file-creation error (naming the file and the system's reason) when it cannot be made.
std::unique_ptr<QFile> createExportFile(const QString& fileName);

// The error of a file that could not be made, with the system's reason.
EExportError fileCreationError(const QString& fileName, const QString& reason);

// The error of a file that could not be written to the end.
EExportError fileWriteError(const QFile& file);
