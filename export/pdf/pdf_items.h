#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

// One drawing item of the PDF export, in points: X from the paper's left
// edge, Y from its top edge (for texts the baseline estimate, for shapes the
// top edge, for images the bottom edge). Made by the filter's operations and
// turned into content-stream lines at once.
enum class TPDFItemType { Text = 1, PageBreak = 2, Shape = 3, Image = 4 };

struct TPDFItemRec {
    TPDFItemType ItemType = TPDFItemType::Text;
    long double X = 0;
    long double Y = 0;

    QString Text;
    QString FontName;
    int Charset = 1;
    int FontSize = 10;
    bool Bold = false;
    bool Italic = false;
    QColor TextColour = Qt::black;

    int ShapeKind = 0;
    long double PenWidth = 0;
    long double Width = 0;
    long double Height = 0;
    QColor PenColour = Qt::black;
    QColor BrushColour = Qt::white;
    bool Filled = false;

    int ImageWidth = 0;
    int ImageHeight = 0;
    long double ScaleX = 1;
    long double ScaleY = 1;
    QByteArray ImageData;
    QString FilterName;
};

// The shape kinds of TPDFItemRec, in the order of TBVShapeType.
enum class TPDFShapeKind {
    Rectangle = 0,
    Ellipse = 1,
    HorizontalLine = 2,
    VerticalLine = 3,
    RoundRect = 4,
    TopAndBottom = 5,
    LeftAndRight = 6,
    RightDiagonal = 7,
    LeftDiagonal = 8,
};

// The text of a PDF string inside the parentheses: "\", "(" and ")" escaped;
// every character that the code page holds as a byte of 128 or more written
// as a backslash and the byte's three octal digits (the euro sign of
// Windows-1252 as \200); a character outside ASCII that the code page cannot
// hold as "?". So the content stays 7-bit and the font's encoding shows it.
QString escapePdfText(const QString& text, int codePage);

// "r g b" of the colour in 0..1 with two decimals and the operator: "0.00 0.00 0.00 rg".
QString pdfColourLine(const QColor& colour, const char* op);

// The resource name of a font by its position in the font list: F00, F01, ...
QString pdfFontName(int fontNumber);

// The colour, font and placement lines of a text item.
QStringList pdfTextLines(const TPDFItemRec& item, int fontNumber, long double pageHeightPt);

// The lines that draw a shape item.
QStringList pdfShapeLines(const TPDFItemRec& item, long double pageHeightPt);

// The lines that place an image item as an inline image.
QStringList pdfImageLines(const TPDFItemRec& item, long double pageHeightPt);
