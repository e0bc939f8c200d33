#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

// The page arithmetic of generation as pure functions. Positions are native
// (tenths of a millimetre from the paper's top-left corner); CurrentY is
// whole native units as the run keeps it.

// Space left on the page below currentY, above the bottom margin and the page footers.
int availableSpace(long double pageHeight, long double bottomMargin, long double footerSpace, int currentY);

// Where a bottom-aligned band of the given height starts so that its bottom
// lies on top of the page footers, or none when it no longer fits below currentY.
std::optional<int> bottomAlignedY(
    long double pageHeight, int currentY, long double bandHeight, long double bottomMargin, long double footerSpace);

// Whether a band needing `needed` fits: it fits into the space left, or it
// is taller than the whole printable height and could never fit anywhere.
bool bandFits(long double needed, int available, long double printableHeight);

// Left edge of a column: the left margin plus the columns and spaces before it.
int columnLeft(long double leftMargin, int column, long double columnWidth, long double columnSpace);

// One element of a band whose height is precalculated, design pixels.
struct ElementExtent {
    int topPx;
    int heightPx;
    qreal contentHeightPx;
};

// The band height its contents need: the lowest content bottom plus the gap
// the element leaves to the band's bottom edge, never below the designed height.
long double precalculateBandHeight(
    long double designedHeight, int bandHeightPx, const std::vector<ElementExtent>& elements);
