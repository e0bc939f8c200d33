// Bar arithmetic: width, stacking origin and the rectangle of one bar.
#pragma once

#include "panel_layout.h"

#include <vector>

struct BarSizeInput {
    int axisLength = 0;
    int barPointCount = 0; // the most points of any bar series, +1 with side margins
    int widthPercent = 70;
    int positions = 1; // bars side by side at one X
    int customWidth = 0;
};

// Bar width in pixels; always even when computed, so the bar centres on its X.
int barSize(const BarSizeInput& input);

// Where a bar of value y starts on the stack of the values below it at the
// same X: positive values stack on the positive ones, negative values hang
// below the negative ones.
double stackOrigin(const std::vector<double>& valuesBelow, double y);

struct BarPlacement {
    int xPixel = 0; // the point's X position
    int size = 0;
    int rank = 1; // 1-based position among the bars at one X
    int positions = 1;
    int offsetPercent = 0;
    int topPixel = 0; // pixel of origin + y
    int originPixel = 0; // pixel of the origin
    bool penVisible = false;
};

// The rectangle handed to the fill. Without an outline pen the bar grows by one
// pixel to the right and on its lower edge, so that neighbouring stack
// segments meet without a gap.
ChartRect barRectangle(const BarPlacement& bar);
