#include "export/pdf/pdf_fonts.h"

#include "export/code_page.h"
#include "export/export_error.h"
#include "export/pdf/glyph_names.h"
#include "export/pdf/pdf_items.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int emSize = 1024;

// Offsets into the TrueType tables.
constexpr int headUnitsPerEm = 18;
constexpr int headBoundingBox = 36;
constexpr int headMinimumSize = 54;
constexpr int os2FamilyClass = 30;
constexpr int os2TypoAscender = 68;
constexpr int os2TypoDescender = 70;
constexpr int os2MinimumSize = 72;
constexpr int postItalicAngle = 4;

int16_t signed16(const QByteArray& table, int offset)
{
    return static_cast<int16_t>(
        (static_cast<uint8_t>(table.at(offset)) << 8) | static_cast<uint8_t>(table.at(offset + 1)));
}

int32_t signed32(const QByteArray& table, int offset)
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(signed16(table, offset))) << 16)
        | static_cast<uint16_t>(signed16(table, offset + 2)));
}

QRawFont platformFont(const TPDFFontKey& key)
{
    QFont font(key.faceName);
    font.setPixelSize(emSize);
    font.setBold(key.bold);
    font.setItalic(key.italic);
    return QRawFont::fromFont(font);
}

std::array<int, 256> advanceWidths(const QRawFont& font, const QString& faceName)
{
    QString characters;
    for (int code = 0; code < 256; ++code)
        characters += QChar(code);
    const QVector<quint32> glyphs = font.glyphIndexesForString(characters);
    const QVector<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    if (advances.size() != 256)
        throw EExportError(
            QStringLiteral("Font widths for \"%1\" not obtainable (%2)")
                .arg(faceName, QStringLiteral("the font has no advance widths for its first 256 characters")));
    std::array<int, 256> widths {};
    for (int code = 0; code < 256; ++code)
        widths[static_cast<size_t>(code)] = static_cast<int>(std::nearbyint(advances.at(code).x()));
    return widths;
}

// The font's design units scaled to the 1024 em.
int16_t toEm(int value, int unitsPerEm)
{
    return static_cast<int16_t>(std::nearbyint(static_cast<double>(value) * emSize / unitsPerEm));
}

}

QString TPDFFontKey::key() const
{
    const QString styles = QString(bold ? "B" : "") + QString(italic ? "I" : "");
    return faceName.trimmed() + '\t' + styles + '\t' + QString::number(charSet) + '\t' + baseFontName();
}

QString TPDFFontKey::baseFontName() const
{
    QString name = faceName;
    name.remove(' ');
    if (bold || italic)
        name += ',' + QString(bold ? "Bold" : "") + QString(italic ? "Italic" : "");
    return name;
}

TTFontrec measureFont(const TPDFFontKey& key)
{
    const QRawFont font = platformFont(key);
    const QByteArray head = font.isValid() ? font.fontTable("head") : QByteArray();
    const QByteArray os2 = font.isValid() ? font.fontTable("OS/2") : QByteArray();
    if (head.size() < headMinimumSize || os2.size() < os2MinimumSize)
        throw EExportError(QStringLiteral("GetFontData error"));
    const int unitsPerEm = std::max<int>(1, static_cast<uint16_t>(signed16(head, headUnitsPerEm)));
    TTFontrec metrics;
    metrics.Widths = advanceWidths(font, key.faceName);
    metrics.Ascent = toEm(signed16(os2, os2TypoAscender), unitsPerEm);
    metrics.Descent = toEm(signed16(os2, os2TypoDescender), unitsPerEm);
    const QByteArray post = font.fontTable("post");
    if (post.size() >= postItalicAngle + 4)
        metrics.ItalicAngle = static_cast<int>(std::nearbyint(signed32(post, postItalicAngle) / 65536.0));
    metrics.Flags = fontFlagsOfFamilyClass(static_cast<uint8_t>(os2.at(os2FamilyClass)));
    for (int i = 0; i < 4; ++i)
        metrics.FontBBox[static_cast<size_t>(i)] = signed16(head, headBoundingBox + 2 * i);
    metrics.Encoding = fontEncoding(CodePage::ofCharSet(key.charSet));
    return metrics;
}

TTFontrec measuredFont(const TPDFFontKey& key)
{
    static QHash<QString, TTFontrec> measured;
    const auto found = measured.constFind(key.key());
    if (found != measured.constEnd())
        return *found;
    const TTFontrec metrics = measureFont(key);
    measured.insert(key.key(), metrics);
    return metrics;
}

int fontFlagsOfFamilyClass(int familyClass)
{
    switch (familyClass) {
    case 0:
    case 12:
        return 4;
    case 8:
        return 32;
    case 10:
        return 40;
    default:
        return 34;
    }
}

QString fontEncoding(int codePage)
{
    QByteArray bytes;
    for (int code = 1; code <= 255; ++code)
        bytes += static_cast<char>(code);
    const std::optional<QString> characters = CodePage::decode(bytes, codePage);
    if (!characters || characters->size() != 255)
        return QStringLiteral(" <</Type/Encoding /BaseEncoding /WinAnsiEncoding>>");
    QString encoding = QStringLiteral(" <</Type/Encoding /Differences [ 2 ");
    for (int code = 2; code <= 255; ++code) {
        const QString name = glyphNameOf(characters->at(code - 1).unicode());
        encoding += '/' + (name.isEmpty() ? QStringLiteral("space") : name);
    }
    return encoding + QStringLiteral("]>>");
}

QStringList fontDictionaryLines(const TPDFFontKey& key, const TTFontrec& metrics, int fontNumber, int descriptorObject)
{
    QString widths;
    for (const int width : metrics.Widths)
        widths += QString::asprintf("%-d ", width);
    return {
        QStringLiteral("<<"),
        QStringLiteral("/Type /Font"),
        QStringLiteral("/Subtype /TrueType"),
        QStringLiteral("/Name /") + pdfFontName(fontNumber),
        QStringLiteral("/BaseFont /") + key.baseFontName(),
        QStringLiteral("/FirstChar %1").arg(metrics.FirstChar),
        QStringLiteral("/LastChar %1").arg(metrics.LastChar),
        QStringLiteral("/Widths [ "),
        widths + QStringLiteral(" ]"),
        QStringLiteral("/Encoding ") + metrics.Encoding,
        QStringLiteral("/FontDescriptor %1 0 R").arg(descriptorObject),
        QStringLiteral(">>"),
        QStringLiteral("endobj"),
    };
}

QStringList fontDescriptorLines(const TTFontrec& metrics, int fontNumber)
{
    const auto& box = metrics.FontBBox;
    return {
        QStringLiteral("<<"),
        QStringLiteral("/Type /FontDescriptor"),
        QStringLiteral("/Ascent %1").arg(metrics.Ascent),
        QStringLiteral("/Descent %1").arg(metrics.Descent),
        QStringLiteral("/Flags %1").arg(metrics.Flags),
        QString::asprintf("/FontBBox [ %-d %-d %-d %-d ]", box[0], box[1], box[2], box[3]),
        QStringLiteral("/FontName /") + pdfFontName(fontNumber),
        QStringLiteral("/ItalicAngle %1").arg(metrics.ItalicAngle),
        QStringLiteral(">>"),
        QStringLiteral("endobj"),
    };
}
