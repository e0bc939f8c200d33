// Vertical bars, one per point; stacked bars of several series build one
// column per X value.
#pragma once

#include "pen.h"
#include "series.h"

enum class TMultiBar { mbNone, mbSide, mbStacked };

class TBarSeries : public TChartSeries {
public:
    TMultiBar MultiBar = TMultiBar::mbSide;
    int BarWidthPercent = 70;
    int OffsetPercent = 0;
    bool SideMargins = true;
    bool UseYOrigin = true;
    double YOrigin = 0;
    int StackGroup = 0;
    int CustomBarWidth = 0; // 0: from the axis length
    TChartPen BarPen;

    // The bar width of the latest drawing.
    int BarSize() const { return m_barSize; }
    // Where the bar of point index starts: on top of the same-signed values of
    // the bar series stacked below it.
    double PointOrigin(int index) const;

    void PrepareForDrawing() override;
    AxisMargins HorizontalMargins(int axisLength) override;
    void VerticalExtremes(double& lo, double& hi) const override;
    void Draw(QPainter& painter, const SeriesDrawContext& context) const override;

private:
    std::vector<const TBarSeries*> activeBarSeries() const;
    bool stacked() const { return MultiBar == TMultiBar::mbStacked; }
    int barLeft(const SeriesDrawContext& context, int index) const;

    int m_barPointCount = 0;
    int m_positions = 1;
    int m_rank = 1;
    int m_barSize = 0;
};
