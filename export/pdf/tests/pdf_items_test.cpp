#include "export/pdf/pdf_items.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char* name;
    QString text;
    QString escaped;
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class PdfTextEscapes : public ::testing::TestWithParam<EscapeCase> { };

TEST_P(PdfTextEscapes, KeepTheContentSevenBit)
{
    EXPECT_EQ(escapePdfText(GetParam().text, 1252).toStdString(), GetParam().escaped.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Cases, PdfTextEscapes,
    ::testing::Values(EscapeCase { "Parentheses", "Zins (fest)", "Zins \\(fest\\)" },
        EscapeCase { "Backslash", "a\\b", "a\\\\b" }, EscapeCase { "Euro", "41134,80 €", "41134,80 \\200" },
        // Regression: characters outside ASCII lost their letters in the PDF.
        EscapeCase { "Umlauts", "jährliche Gebühr, Größe", "j\\344hrliche Geb\\374hr, Gr\\366\\337e" },
        EscapeCase { "NotInTheCodePage", "Ж€", "?\\200" }),
    [](const auto& info) { return info.param.name; });

TEST(PdfTextEscapes, FollowTheCodePageOfTheFont) { EXPECT_EQ(escapePdfText("Ж", 1251), "\\306"); }

TEST(PdfItems, ColourLinesAndFontNames)
{
    EXPECT_EQ(pdfColourLine(Qt::black, " rg"), "0.00 0.00 0.00 rg");
    EXPECT_EQ(pdfColourLine(QColor(255, 128, 0), " RG"), "1.00 0.50 0.00 RG");
    EXPECT_EQ(pdfFontName(0), "F00");
    EXPECT_EQ(pdfFontName(12), "F12");
}

TEST(PdfItems, ATextIsPlacedAtItsBaselineFromTheBottomOfThePage)
{
    TPDFItemRec text;
    text.X = 84.75L;
    text.Y = 151.75L;
    text.Text = "Zinsen";
    text.FontSize = 10;
    EXPECT_EQ(pdfTextLines(text, 1, 841.889L),
        QStringList({ "0.00 0.00 0.00 rg", "/F01 10 Tf", " 1 0 0 1 84 690 Tm (Zinsen) Tj" }));
}

TPDFItemRec shape(TPDFShapeKind kind, bool filled)
{
    TPDFItemRec item;
    item.ItemType = TPDFItemType::Shape;
    item.ShapeKind = static_cast<int>(kind);
    item.X = 10;
    item.Y = 100;
    item.Width = 40;
    item.Height = 20;
    item.PenWidth = 0.75L;
    item.PenColour = Qt::black;
    item.BrushColour = Qt::white;
    item.Filled = filled;
    return item;
}

struct ShapeCase {
    const char* name;
    TPDFShapeKind kind;
    bool filled;
    QStringList lines;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }

class PdfShapes : public ::testing::TestWithParam<ShapeCase> { };

// A 40 x 20 box whose top lies 100 points below the top of a 200-point page.
TEST_P(PdfShapes, DrawTheirKind)
{
    EXPECT_EQ(pdfShapeLines(shape(GetParam().kind, GetParam().filled), 200), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PdfShapes,
    ::testing::Values(ShapeCase { "FilledRectangle", TPDFShapeKind::Rectangle, true,
                          { "0.75 w", "1.00 1.00 1.00 rg", "10 80 40 20 re f" } },
        ShapeCase { "OutlinedRectangle", TPDFShapeKind::Rectangle, false,
            { "0.75 w", "0.00 0.00 0.00 RG", "10 80 40 20 re s" } },
        ShapeCase { "HorizontalLine", TPDFShapeKind::HorizontalLine, false,
            { " 1 w", "0.00 0.00 0.00 RG", "10 90 m 50 90 l s" } },
        ShapeCase {
            "VerticalLine", TPDFShapeKind::VerticalLine, false, { " 1 w", "0.00 0.00 0.00 RG", "30 80 m 30 100 l s" } },
        ShapeCase { "RoundRectDrawsNothing", TPDFShapeKind::RoundRect, false, {} },
        ShapeCase { "TopAndBottom", TPDFShapeKind::TopAndBottom, false,
            { " 1 w", "0.00 0.00 0.00 RG", "10 100 m 50 100 l s", "10 80 m 50 80 l s" } },
        ShapeCase { "LeftAndRight", TPDFShapeKind::LeftAndRight, false,
            { " 1 w", "0.00 0.00 0.00 RG", "10 80 m 10 100 l s", "50 80 m 50 100 l s" } },
        ShapeCase { "RightDiagonal", TPDFShapeKind::RightDiagonal, false,
            { " 1 w", "0.00 0.00 0.00 RG", "10 100 m 50 80 l s" } },
        ShapeCase {
            "LeftDiagonal", TPDFShapeKind::LeftDiagonal, false, { " 1 w", "0.00 0.00 0.00 RG", "10 80 m 50 100 l s" } },
        ShapeCase { "FilledEllipse", TPDFShapeKind::Ellipse, true,
            { " 1 w", "1.00 1.00 1.00 rg", "  30.0  100.0 m", "41.0  100.0   50.0   95.5   50.0   90.0 c",
                "50.0   84.5   41.0   80.0   30.0   80.0 c", "19.0   80.0   10.0   84.5   10.0   90.0 c",
                "10.0   95.5   19.0  100.0   30.0  100.0 c f" } }),
    [](const auto& info) { return info.param.name; });

TEST(PdfItems, AnImageIsScaledAtItsBottomLeftCorner)
{
    TPDFItemRec image;
    image.ItemType = TPDFItemType::Image;
    image.X = 75;
    image.Y = 400.5L;
    image.Width = 450.75L;
    image.Height = 301.5L;
    image.ImageWidth = 601;
    image.ImageHeight = 402;
    image.ImageData = "z~>";
    image.FilterName = "/ASCII85Decode /LZWDecode";
    EXPECT_EQ(pdfImageLines(image, 841.889L),
        QStringList({ "q 450 0 0 301 75 441 cm", "BI", "/Width 601", "/Height 402", "/BitsPerComponent 8",
            "/ColorSpace /DeviceRGB", "/Filter [/ASCII85Decode /LZWDecode]", "ID", "z~>", "EI", "Q" }));
}

}
