// A chart axis: finds its range from the series, takes room for its labels and
// ticks out of the plotting area, chooses a label step, turns values into
// pixels and draws its line, ticks, grid and labels.
#pragma once

#include "axis_layout.h"
#include "font.h"
#include "panel_layout.h"
#include "pen.h"

#include <vector>

class QPainter;
class QPaintDevice;
class TChartSeries;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talText };

class TChartAxis {
public:
    explicit TChartAxis(bool horizontal);

    // Settings.
    bool Visible = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0; // used while the minimum is not automatic
    double Maximum = 0;
    double Increment = 0; // smallest label step; 0 lets the axis choose
    int LabelsSeparation = 10; // percent of the label size
    TAxisLabelStyle LabelStyle = TAxisLabelStyle::talAuto;
    bool Labels = true;
    bool LabelsOnAxis = true;
    bool RoundFirstLabel = true;
    TChartFont LabelsFont;
    int TickLength = 4;
    TChartPen Ticks { true, clGray, 1, Qt::SolidLine };
    int TickInnerLength = 0;
    TChartPen TicksInner { true, clGray, 1, Qt::SolidLine };
    int MinorTickLength = 2;
    int MinorTickCount = 3;
    TChartPen MinorTicks { true, clGray, 1, Qt::SolidLine };
    TChartPen Grid { true, clGray, 1, Qt::DotLine };
    TChartPen Axis { true, clBlack, 2, Qt::SolidLine };
    int StartPosition = 0; // percent of the plotting area
    int EndPosition = 100;
    bool Inverted = false;

    bool Horizontal() const { return m_scale.horizontal; }

    // Working state of the latest drawing.
    int CalcPosValue(double value) const { return valueToPixel(value, m_scale); }
    double CalcPosPoint(int pixel) const { return pixelToValue(pixel, m_scale); }
    const AxisScale& Scale() const { return m_scale; }
    int Length() const { return m_scale.p1 - m_scale.p0; }
    double LabelStepValue() const { return m_step; }
    int PosAxis() const { return m_posAxis; }
    int PosLabels() const { return m_posLabels; }
    const std::vector<int>& TickPositions() const { return m_ticks; }

    // Layout steps of one drawing, called by the chart in this order.
    void CalcRange(const std::vector<TChartSeries*>& series);
    void SetPixelRange(const ChartRect& area);
    void TakeSpace(ChartRect& area, const std::vector<TChartSeries*>& series, const QPaintDevice* device);
    void ApplySeriesMargins(const std::vector<TChartSeries*>& series);
    void CalcLabelStep(const std::vector<TChartSeries*>& series, const QPaintDevice* device);
    void Draw(QPainter& painter, const ChartRect& plot, const std::vector<TChartSeries*>& series);

private:
    TAxisLabelStyle resolvedLabelStyle(const std::vector<TChartSeries*>& series) const;
    double stepFor(const AxisScale& scale, const std::vector<TChartSeries*>& series, const TextMetrics& metrics) const;
    int labelSizeEstimate(const AxisScale& scale, const TextMetrics& metrics) const;
    void drawValueLabels(QPainter& painter, const TextMetrics& metrics);
    void drawTextLabels(QPainter& painter, const TextMetrics& metrics, const std::vector<TChartSeries*>& series);
    void drawLabel(QPainter& painter, const TextMetrics& metrics, int position, const QString& text);
    void drawLines(QPainter& painter, const ChartRect& plot);
    void drawTicks(QPainter& painter, const TChartPen& pen, const std::vector<int>& positions, int start, int length);

    AxisScale m_scale;
    double m_step = 1;
    int m_posAxis = 0;
    int m_posLabels = 0;
    std::vector<int> m_ticks;
};
