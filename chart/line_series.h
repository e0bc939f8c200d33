// A line through the points in index order. Each segment takes the colour of
// the point it leads to, so the series colour unless a point has its own;
// LinePen gives width and style.
#pragma once

#include "pen.h"
#include "series.h"

class TLineSeries : public TChartSeries {
public:
    TChartPen LinePen;

    void Draw(QPainter& painter, const SeriesDrawContext& context) const override;
};
