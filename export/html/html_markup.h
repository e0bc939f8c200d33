#pragma once

#include <QColor>
#include <QString>

// The pieces of the HTML document: every text, band background, rule and
// picture is an absolutely positioned block in page pixels. Each line is
// returned with its own CR LF, as the document keeps it.
namespace HtmlMarkup {

// "&", "<", ">" and spaces as entities, in that order; everything else stays.
QString escapeText(const QString& text);

// "#rrggbb" in lower-case hexadecimal.
QString colourText(const QColor& colour);

// Every character outside 7-bit ASCII as a numeric character reference
// ("&#228;"), so that a document written in ASCII keeps its umlauts and the
// euro sign instead of substitute characters.
QString withCharacterReferences(const QString& text);

// Vertical pixel offset of the page with the given 0-based index: the paper
// height in millimetres at 96 pixels per inch, unrounded.
long double pageOffset(int pageIndex, long double paperHeightNative);

// The five head lines of the document.
QStringList headLines(const QString& title, const QColor& bodyColour);
QStringList closingLines();

struct TextStyle {
    QString fontName;
    int pointSize = 0;
    bool italic = false;
    bool bold = false;
    QColor colour = Qt::black;
};

// The opening line, the escaped text line and the closing line of a text block.
QStringList textBlock(int left, int top, const TextStyle& style, const QString& text);

// A filled block: band and page backgrounds, vertical lines, the side edges of a frame.
QString filledBlock(int left, int top, int height, int width, const QColor& colour);

// A horizontal rule of the given width and thickness; top is the block's top.
QString ruleBlock(int left, int top, int width, int thickness, const QColor& colour);

QString imageBlock(int left, int top, const QString& source, int width, int height);

}
