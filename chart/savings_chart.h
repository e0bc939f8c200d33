// The program's own chart "Chart1": per simulated year one stacked bar of the
// capital paid in, the extra payments, the growth and the dividends, with the
// depot value as a line over the bars.
#pragma once

#include "bar_series.h"
#include "chart.h"
#include "function.h"
#include "line_series.h"

#include <array>
#include <vector>

// The four bar values of one year, in the simulation's terms.
struct SavingsChartYear {
    double kapitaleinsatz = 0; // Kapitalsumme - Sonderzahlungen
    double rendite = 0; // Depotwert - Kapitalsumme - Dividendensumme
    double dividente = 0; // Dividendensumme
    double sonderzahlung = 0; // Sonderzahlungen
};

// The series of Chart1; the chart owns them.
struct SavingsChartSeries {
    TBarSeries* series1 = nullptr; // "Kapitaleinsatz", blue, bottom of the stack
    TBarSeries* series4 = nullptr; // "Sonderzahlung", purple
    TBarSeries* series2 = nullptr; // "Rendite", green
    TBarSeries* series3 = nullptr; // "Dividente", the first free palette colour (red)
    TLineSeries* series5 = nullptr; // "Wertentwicklung", the yellow sum line
    TAddChartFunction* chartFunction1 = nullptr;

    // Series1 to Series4 by their number, as the colour store names them.
    std::array<TBarSeries*, 4> numbered() const { return { series1, series2, series3, series4 }; }
};

// Sets up an empty chart as Chart1: white panel and back wall, the black bold
// title, year and value axes, and the five series in stacking order.
SavingsChartSeries buildSavingsChart(TChart& chart);

void clearSavingsChart(const SavingsChartSeries& series);
// Appends year i (1-based) to Series1, Series2, Series3 and Series4 in this
// order, each point in the series' current colour. A simulation that fails
// midway appends the year to only the first seriesCount of them.
void appendSavingsYear(const SavingsChartSeries& series, int year, const SavingsChartYear& values, int seriesCount = 4);
// Recomputes the sum line from the four bar series.
void finishSavingsChart(const SavingsChartSeries& series);
// All three steps for a whole simulation.
void fillSavingsChart(const SavingsChartSeries& series, const std::vector<SavingsChartYear>& years);

// The picture the printed plans embed: the chart laid out afresh for the given
// size (600 x 400 for the plans) on the chart's own background colour.
QImage renderPlanChart(TChart& chart, const QSize& size = QSize(600, 400));
