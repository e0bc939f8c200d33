#include "export/document_writer.h"

#include "export/code_page.h"

#include <QDir>
#include <QList>
#include <QStringEncoder>
#include <algorithm>

namespace {

bool isAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar character) { return character.unicode() < 0x80; });
}

QByteArray toAscii(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t character : text.toUcs4())
        bytes += character < 0x80 ? static_cast<char>(character) : '?';
    return bytes;
}

QByteArray withConverter(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

TDocumentEncoding unicodeEncoding(TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::BigEndianUnicodeEncoding:
        return TDocumentEncoding::Utf16BigEndian;
    case TTextEncoding::UnicodeEncoding:
        return TDocumentEncoding::Utf16LittleEndian;
    case TTextEncoding::UTF7Encoding:
        return TDocumentEncoding::Utf7;
    case TTextEncoding::UTF8Encoding:
        return TDocumentEncoding::Utf8;
    case TTextEncoding::ASCIIEncoding:
    case TTextEncoding::DefaultEncoding:
        break;
    }
    return TDocumentEncoding::Ascii;
}

}

TDocumentEncoding pdfDocumentEncoding(TTextEncoding encoding)
{
    return encoding == TTextEncoding::DefaultEncoding ? TDocumentEncoding::Ansi : unicodeEncoding(encoding);
}

TDocumentEncoding htmlDocumentEncoding(TTextEncoding encoding) { return unicodeEncoding(encoding); }

TDocumentWriter::TDocumentWriter(TDocumentEncoding encoding)
    : m_encoding(encoding)
{
}

QByteArray TDocumentWriter::byteOrderMark() const
{
    switch (m_encoding) {
    case TDocumentEncoding::Utf16BigEndian:
        return QByteArrayLiteral("\xFE\xFF");
    case TDocumentEncoding::Utf16LittleEndian:
        return QByteArrayLiteral("\xFF\xFE");
    case TDocumentEncoding::Utf8:
        return QByteArrayLiteral("\xEF\xBB\xBF");
    case TDocumentEncoding::Ascii:
    case TDocumentEncoding::Ansi:
    case TDocumentEncoding::Utf7:
        break;
    }
    return QByteArray();
}

QByteArray TDocumentWriter::encodeLine(const QString& line) const
{
    const QString text = line + QStringLiteral("\r\n");
    // Most lines of a document are plain ASCII, which every 8-bit encoding keeps as it is.
    if ((m_encoding == TDocumentEncoding::Ascii || m_encoding == TDocumentEncoding::Ansi) && isAscii(text))
        return text.toLatin1();
    switch (m_encoding) {
    case TDocumentEncoding::Ascii:
        return toAscii(text);
    case TDocumentEncoding::Ansi:
        return CodePage::encode(text, CodePage::Ansi);
    case TDocumentEncoding::Utf16BigEndian:
        return withConverter(QStringConverter::Utf16BE, text);
    case TDocumentEncoding::Utf16LittleEndian:
        return withConverter(QStringConverter::Utf16LE, text);
    case TDocumentEncoding::Utf7:
        return CodePage::toUtf7(text);
    case TDocumentEncoding::Utf8:
        return withConverter(QStringConverter::Utf8, text);
    }
    return toAscii(text);
}

QByteArray TDocumentWriter::encode(const QStringList& lines) const
{
    QByteArray bytes = byteOrderMark();
    for (const QString& line : lines)
        bytes += encodeLine(line);
    return bytes;
}

void TDocumentWriter::write(const QStringList& lines, const QString& fileName) const
{
    const std::unique_ptr<QFile> file = createExportFile(fileName);
    const QByteArray bytes = encode(lines);
    if (file->write(bytes) != bytes.size() || !file->flush())
        throw fileWriteError(*file);
}

std::unique_ptr<QFile> createExportFile(const QString& fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw fileCreationError(fileName, file->errorString());
    return file;
}

EExportError fileCreationError(const QString& fileName, const QString& reason)
{
    return EExportError(
        QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(fileName), reason));
}

EExportError fileWriteError(const QFile& file)
{
    return EExportError(QStringLiteral("Cannot write file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}
