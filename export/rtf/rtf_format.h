#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The pieces of an RTF document that do not depend on the export run: units,
// text escaping, the colour table and the paragraphs of one page.
namespace Rtf {

// Report units (tenths of a millimetre) to twips, unrounded.
long double twips(long double native);
// Twips back to report units.
long double nativeOfTwips(long double twips);

// Backslashes and braces escaped; a character the ANSI code page cannot hold
// is written as "\uN?" with N its signed 16-bit code, so nothing is lost.
// canEncode tells whether the code page holds a UTF-16 code unit.
QString escapeText(const QString& text, const std::function<bool(QChar)>& canEncode);

// The fixed 18 colours, index 0 black.
const std::vector<QColor>& colourTable();
QString colourTableText();
// The entry 1 to 17 that equals the colour, 0 when none does (black among them).
int colourIndex(const QColor& colour);

struct PageGeometry {
    long double paperLengthTwips = 0;
    long double paperWidthTwips = 0;
    long double topMarginTwips = 0;
    long double bottomMarginTwips = 0;
    long double leftMarginTwips = 0;
    long double rightMarginTwips = 0;
    bool landscape = false;
    int paperSize = 0;
};

// The first line of the document: the head, the page and the font table.
QString headLine(const PageGeometry& page, const QString& fontTable);

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

// One text of a page, positioned in report units from the paper's corner.
struct Item {
    long double xNative = 0;
    long double yNative = 0;
    Alignment alignment = Alignment::Left;
    int fontIndex = -1;
    QColor colour = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int halfPoints = 20;
    QString escapedText;
};

// The texts of a page by line (one line per point of paper height), each
// line's texts ordered by x.
using PageLines = std::vector<std::vector<Item>>;

// Line of a text whose top lies at y; -1 above or below the paper.
int lineOf(long double yNative, int lineCount);
// Inserts before the first text further right, after texts at the same x;
// drops an exact duplicate (the same text in the same font at the same place)
// of a text the line holds already.
void insertByX(std::vector<Item>& line, const Item& item);

// Two document lines per line with text: the paragraph definition with the
// space before and the tab stops, then the texts at those tabs.
QStringList pageParagraphs(const PageLines& lines, const PageGeometry& page);

}
