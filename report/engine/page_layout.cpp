#include "report/engine/page_layout.h"

#include "report/engine/units.h"

namespace {
constexpr long double nativePerDesignPixel = 254.0L / 96.0L;
}

int availableSpace(long double pageHeight, long double bottomMargin, long double footerSpace, int currentY)
{
    return roundToInt(pageHeight - bottomMargin - footerSpace - currentY);
}

std::optional<int> bottomAlignedY(
    long double pageHeight, int currentY, long double bandHeight, long double bottomMargin, long double footerSpace)
{
    if (pageHeight - currentY < roundEven(bandHeight + bottomMargin + footerSpace))
        return std::nullopt;
    return roundToInt(pageHeight - roundEven(bandHeight) - roundEven(bottomMargin + footerSpace));
}

bool bandFits(long double needed, int available, long double printableHeight)
{
    const long long rounded = roundEven(needed);
    return available >= rounded || rounded > printableHeight;
}

int columnLeft(long double leftMargin, int column, long double columnWidth, long double columnSpace)
{
    return roundToInt(leftMargin + (column - 1) * columnWidth) + roundToInt(columnSpace * (column - 1));
}

long double precalculateBandHeight(
    long double designedHeight, int bandHeightPx, const std::vector<ElementExtent>& elements)
{
    long double maximum = designedHeight;
    long double gap = 0;
    for (const ElementExtent& element : elements) {
        const long double bottom = (element.topPx + element.contentHeightPx) * nativePerDesignPixel;
        if (bottom > maximum) {
            maximum = bottom;
            gap = (bandHeightPx + 1 - element.topPx - element.heightPx) * nativePerDesignPixel;
        }
    }
    return maximum + (gap > 0 ? gap : 0);
}
