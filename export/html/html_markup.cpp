#include "export/html/html_markup.h"

#include <QStringList>

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const QString quote = QStringLiteral("\"");

QString blockStart(int left, int top)
{
    return QStringLiteral("<DIV style=\"position:absolute;left:%1px;top:%2px;").arg(left).arg(top);
}

}

namespace HtmlMarkup {

QString escapeText(const QString& text)
{
    QString escaped = text;
    escaped.replace('&', QStringLiteral("&amp;"));
    escaped.replace('<', QStringLiteral("&lt;"));
    escaped.replace('>', QStringLiteral("&gt;"));
    escaped.replace(' ', QStringLiteral("&nbsp;"));
    return escaped;
}

QString colourText(const QColor& colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'));
}

QString withCharacterReferences(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const uint codePoint : text.toUcs4()) {
        if (codePoint < 0x80)
            result += QChar(codePoint);
        else
            result += QStringLiteral("&#%1;").arg(codePoint);
    }
    return result;
}

long double pageOffset(int pageIndex, long double paperHeightNative)
{
    return pageIndex * paperHeightNative / 10.0L * 96.0L / 25.4L;
}

QStringList headLines(const QString& title, const QColor& bodyColour)
{
    return { QStringLiteral("<html>") + lineEnd, QStringLiteral("<head>") + lineEnd,
        QStringLiteral(" <title>") + title + QStringLiteral("</title>") + lineEnd, QStringLiteral("</head>") + lineEnd,
        QStringLiteral("<body  bgcolor=") + quote + colourText(bodyColour) + quote + QStringLiteral(" >") + lineEnd };
}

QStringList closingLines() { return { QStringLiteral("</body>") + lineEnd, QStringLiteral("</html>") + lineEnd }; }

QStringList textBlock(int left, int top, const TextStyle& style, const QString& text)
{
    QString opening
        = QStringLiteral("<div style=\"position:absolute;top:%1px;left:%2px;font-family:").arg(top).arg(left)
        + style.fontName.trimmed() + QStringLiteral(";font-size:%1pt;").arg(style.pointSize);
    if (style.italic)
        opening += QStringLiteral("font-style:italic;");
    if (style.bold)
        opening += QStringLiteral("font-weight:bold;");
    if (style.colour.rgb() != QColor(Qt::black).rgb())
        opening += QStringLiteral("color:") + colourText(style.colour) + ';';
    opening += quote + '>' + lineEnd;
    return { opening, escapeText(text) + lineEnd, QStringLiteral("</DIV>") + lineEnd };
}

QString filledBlock(int left, int top, int height, int width, const QColor& colour)
{
    return blockStart(left, top) + QStringLiteral("height:%1px;width:%2px; background-color: ").arg(height).arg(width)
        + colourText(colour) + quote + QStringLiteral("></div>") + lineEnd;
}

QString ruleBlock(int left, int top, int width, int thickness, const QColor& colour)
{
    return blockStart(left, top) + QStringLiteral("height:%1px;").arg(thickness) + quote
        + QStringLiteral("><hr width=\"%1\" size=\"%2\" color=\"").arg(width).arg(thickness) + colourText(colour)
        + quote + QStringLiteral("></div>") + lineEnd;
}

QString imageBlock(int left, int top, const QString& source, int width, int height)
{
    return blockStart(left, top) + quote + QStringLiteral("><img src=\"") + source
        + QStringLiteral("\" width=%1 height=%2></div>").arg(width).arg(height) + lineEnd;
}

}
