#pragma once

#include "chart/savings_chart.h"
#include "year_series_listener.h"

#include <QImage>
#include <QSize>
#include <array>
#include <vector>

// Chart1 of the page "Diagramm" and what feeds it: every recompute of the
// form clears the four bar series, appends one point per simulated year and
// recomputes the sum line. The window, the printed plans and the
// command-line tool all draw this one chart.
class ChartBinding : public YearSeriesListener {
public:
    ChartBinding();
    ChartBinding(const ChartBinding&) = delete;
    ChartBinding& operator=(const ChartBinding&) = delete;

    TChart& chart() { return m_chart; }
    const SavingsChartSeries& series() const { return m_series; }

    // The colours of Series1 to Series4, by number as the colour store names them.
    std::array<TColor, 4> seriesColours() const;
    void setSeriesColour(int number, TColor colour);

    // The picture of the printed plans: the chart laid out for `size` on its
    // own background colour.
    QImage render(const QSize& size = QSize(600, 400));

    void seriesCleared() override;
    void yearAppended(const fundorix::calc::YearValues& year) override;
    void sumLineRecomputed() override;

private:
    TChart m_chart;
    SavingsChartSeries m_series;
    int m_year = 0;
};
