#include "bar_layout.h"

#include "axis_layout.h"

int barSize(const BarSizeInput& input)
{
    if (input.customWidth > 0)
        return input.customWidth;
    if (input.barPointCount <= 0 || input.positions <= 0)
        return 0;
    const int perPoint = input.axisLength / input.barPointCount;
    // percent × a ÷ 100 is exact for whole numbers, so halves round to even as intended.
    int size = roundToPixel(double(input.widthPercent) * perPoint / 100.0) / input.positions;
    if (size % 2 != 0)
        ++size;
    return size;
}

double stackOrigin(const std::vector<double>& valuesBelow, double y)
{
    double origin = 0;
    for (double below : valuesBelow) {
        if (y >= 0 ? below >= 0 : below < 0)
            origin += below;
    }
    return origin;
}

ChartRect barRectangle(const BarPlacement& bar)
{
    ChartRect rect;
    rect.left = bar.xPixel + roundToPixel((bar.rank - bar.positions * 0.5 - 1) * bar.size)
        + bar.offsetPercent * bar.size / 100;
    rect.right = rect.left + bar.size + 1;
    rect.top = bar.topPixel;
    rect.bottom = bar.originPixel;
    if (!bar.penVisible) {
        ++rect.right;
        if (rect.top <= rect.bottom)
            ++rect.bottom;
        else
            ++rect.top;
    }
    return rect;
}
