// A line setting of the chart: outline, axis line, ticks, grid.
#pragma once

#include "color.h"

#include <QPen>

struct TChartPen {
    bool Visible = true;
    TColor Color = clBlack;
    int Width = 1;
    Qt::PenStyle Style = Qt::SolidLine;

    // Flat caps: a line covers exactly the pixels between its ends.
    QPen toQPen() const;
};
