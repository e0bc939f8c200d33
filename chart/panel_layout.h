// Panel arithmetic: how the plotting area shrinks from the target rectangle
// through the margins and the title. Pure functions of whole pixels.
#pragma once

#include <vector>

// A pixel rectangle; right and bottom are exclusive for the bounds and name the
// edge pixel columns/rows for the plotting area, which the back wall outlines.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const ChartRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

enum class MarginUnits { Percent, Pixels };

struct ChartMargins {
    int left = 3;
    int top = 4;
    int right = 3;
    int bottom = 4;
    MarginUnits units = MarginUnits::Percent;
};

// A percentage of a panel extent in integer arithmetic, truncating.
int percentOfExtent(int percent, int extent);

// The plotting area before the title and the axes take their share. A collapsed
// area is widened to the chart control's size so that later divisions stay defined.
ChartRect plotAreaInBounds(
    const ChartRect& bounds, const ChartMargins& margins, int frameWidth, int controlWidth, int controlHeight);

enum class TitleAlignment { Left, Center, Right };

struct TitleGeometry {
    int frameWidth = 0;
    int lineHeight = 0;
    int widthOfW = 0;
    int vertMargin = 5;
    TitleAlignment alignment = TitleAlignment::Center;
    bool adjustFrame = true;
};

struct TitlePlacement {
    ChartRect box;
    std::vector<int> lineLeft; // x of each line
    std::vector<int> lineTop; // y of each line's top
    int plotTop = 0; // new top of the plotting area
};

// Places a title with lines of the given widths on top of the plotting area.
TitlePlacement placeTitle(const ChartRect& area, const std::vector<int>& lineWidths, const TitleGeometry& geometry);
