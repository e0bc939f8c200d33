#include "export/rtf/rtf_format.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double twipsPerInch = 1440.0L;
constexpr long double nativePerInch = 254.0L;
constexpr long double nativePerPoint = nativePerInch / 72.0L;

// Every conversion to a whole number rounds half to even.
long long rounded(long double value) { return static_cast<long long>(std::nearbyintl(value)); }

QString number(long double value) { return QString::number(rounded(value)); }

// Space before a paragraph: the gap to the lowest text so far, less the
// height of the largest type so far and a little air.
QString spaceBefore(const Rtf::Item& first, long double lastYNative, int maxHalfPoints)
{
    const long long space = rounded(Rtf::twips(first.yNative - lastYNative)) - maxHalfPoints * 10LL - 50;
    return space > 0 ? QStringLiteral("\\sb%1").arg(space) : QString();
}

QString tabStop(const Rtf::Item& item, const Rtf::PageGeometry& page)
{
    static const char* const kinds[] = { "\\tql", "\\tqr", "\\tqc" };
    const long long tab = rounded(Rtf::twips(item.xNative) - page.leftMarginTwips) + 20;
    return QString::fromLatin1(kinds[static_cast<int>(item.alignment)]) + QStringLiteral("\\tx%1").arg(tab);
}

QString tabbedText(const Rtf::Item& item)
{
    QString text = QStringLiteral("\\tab\\plain");
    if (item.fontIndex >= 0)
        text += QStringLiteral("\\f%1").arg(item.fontIndex);
    text += QStringLiteral("\\fs%1").arg(item.halfPoints);
    if (item.bold)
        text += QStringLiteral("\\b");
    if (item.italic)
        text += QStringLiteral("\\i");
    if (item.underline)
        text += QStringLiteral("\\ul");
    if (item.strikeOut)
        text += QStringLiteral("\\strike");
    if (const int colour = Rtf::colourIndex(item.colour))
        text += QStringLiteral("\\cf%1 ").arg(colour);
    return text + ' ' + item.escapedText;
}

}

namespace Rtf {

long double twips(long double native) { return native / nativePerInch * twipsPerInch; }

long double nativeOfTwips(long double twips) { return twips * nativePerInch / twipsPerInch; }

QString escapeText(const QString& text, const std::function<bool(QChar)>& canEncode)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == '\\' || c == '{' || c == '}')
            escaped += QStringLiteral("\\") + c;
        else if (canEncode(c))
            escaped += c;
        else
            escaped += QStringLiteral("\\u%1?").arg(static_cast<qint16>(c.unicode()));
    }
    return escaped;
}

const std::vector<QColor>& colourTable()
{
    static const std::vector<QColor> colours {
        QColor(0, 0, 0),
        QColor(128, 0, 0),
        QColor(0, 128, 0),
        QColor(128, 128, 0),
        QColor(0, 0, 128),
        QColor(128, 0, 128),
        QColor(0, 128, 128),
        QColor(128, 128, 128),
        QColor(192, 192, 192),
        QColor(255, 0, 0),
        QColor(0, 255, 0),
        QColor(255, 255, 0),
        QColor(0, 0, 255),
        QColor(255, 0, 255),
        QColor(0, 255, 255),
        QColor(192, 192, 192),
        QColor(128, 128, 128),
        QColor(255, 255, 255),
    };
    return colours;
}

QString colourTableText()
{
    QString text = QStringLiteral("{\\colortbl");
    for (const QColor& colour : colourTable())
        text += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(colour.red()).arg(colour.green()).arg(colour.blue());
    return text + '}';
}

int colourIndex(const QColor& colour)
{
    const std::vector<QColor>& colours = colourTable();
    for (size_t i = 1; i < colours.size(); ++i) {
        if (colours[i].rgb() == colour.rgb())
            return static_cast<int>(i);
    }
    return 0;
}

QString headLine(const PageGeometry& page, const QString& fontTable)
{
    QString line = QStringLiteral("{\\rtf1\\ansi\\deff0\\deftab720");
    if (page.paperLengthTwips > 0)
        line += QStringLiteral("\\paperh") + number(page.paperLengthTwips) + QStringLiteral("\\paperw")
            + number(page.paperWidthTwips) + QStringLiteral("\\psz%1").arg(page.paperSize);
    line += QStringLiteral("\\margl") + number(page.leftMarginTwips) + QStringLiteral("\\margr")
        + number(page.rightMarginTwips) + QStringLiteral("\\margt") + number(page.topMarginTwips)
        + QStringLiteral("\\margb") + number(page.bottomMarginTwips);
    if (page.landscape)
        line += QStringLiteral("\\landscape");
    return line + fontTable;
}

int lineOf(long double yNative, int lineCount)
{
    const long long line = rounded(yNative / nativePerPoint);
    return line >= 0 && line < lineCount ? static_cast<int>(line) : -1;
}

namespace {

    bool sameText(const Item& a, const Item& b)
    {
        return a.xNative == b.xNative && a.yNative == b.yNative && a.alignment == b.alignment
            && a.fontIndex == b.fontIndex && a.colour == b.colour && a.bold == b.bold && a.italic == b.italic
            && a.underline == b.underline && a.strikeOut == b.strikeOut && a.halfPoints == b.halfPoints
            && a.escapedText == b.escapedText;
    }

}

void insertByX(std::vector<Item>& line, const Item& item)
{
    // A report may print one text twice at one place: on paper the two cover
    // each other, but a word processor would set them side by side and wrap
    // the line.
    if (std::any_of(line.begin(), line.end(), [&item](const Item& placed) { return sameText(placed, item); }))
        return;
    const auto further
        = std::find_if(line.begin(), line.end(), [&item](const Item& placed) { return placed.xNative > item.xNative; });
    line.insert(further, item);
}

QStringList pageParagraphs(const PageLines& lines, const PageGeometry& page)
{
    QStringList written;
    long double lastYNative = nativeOfTwips(page.topMarginTwips);
    int maxHalfPoints = 0;
    for (const std::vector<Item>& line : lines) {
        if (line.empty())
            continue;
        QString definition = QStringLiteral("\\pard\\plain") + spaceBefore(line.front(), lastYNative, maxHalfPoints);
        QString texts;
        for (const Item& item : line) {
            maxHalfPoints = std::max(maxHalfPoints, item.halfPoints);
            lastYNative = std::max(lastYNative, item.yNative);
            definition += tabStop(item, page);
            texts += tabbedText(item);
        }
        // The tab before the first text would otherwise have the word
        // processor's default size (12 pt) and make every row of smaller
        // texts higher than the report's, until the page overflows.
        written << definition
                << QStringLiteral("{\\plain\\fs%1").arg(line.front().halfPoints) + texts
                + QStringLiteral("{\\fs1\\par}}");
    }
    return written;
}

}
