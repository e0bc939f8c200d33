#pragma once

#include <QPixmap>

// The 15 pictures of the preview's tool bar, 16 x 16 pixels, painted in code.
// The indexes are fixed because each button refers to its picture by index.
enum class TBVGlyph {
    SmallPage = 0, // zoom to fit
    LargePage = 1, // 100 %
    PageBetweenArrows = 2, // zoom to width
    FirstPage = 3,
    PreviousPage = 4,
    NextPage = 5,
    LastPage = 6,
    PrinterSetup = 7,
    Printer = 8,
    OpenFolder = 9,
    Disk = 10,
    Search = 11,
    PageWithArrow = 12, // go to page
    CrossedPage = 13, // cancel
    TwoPages = 14, // copy
};

constexpr int GlyphCount = 15;
constexpr int GlyphSize = 16;

QPixmap previewGlyph(TBVGlyph glyph);
