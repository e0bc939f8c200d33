#include "chart_binding.h"

ChartBinding::ChartBinding()
    : m_series(buildSavingsChart(m_chart))
{
}

std::array<TColor, 4> ChartBinding::seriesColours() const
{
    std::array<TColor, 4> colours {};
    const std::array<TBarSeries*, 4> numbered = m_series.numbered();
    for (std::size_t i = 0; i < numbered.size(); ++i)
        colours[i] = numbered[i]->SeriesColor();
    return colours;
}

void ChartBinding::setSeriesColour(int number, TColor colour)
{
    m_series.numbered().at(number - 1)->SetSeriesColor(colour);
}

QImage ChartBinding::render(const QSize& size) { return renderPlanChart(m_chart, size); }

void ChartBinding::seriesCleared()
{
    clearSavingsChart(m_series);
    m_year = 0;
}

void ChartBinding::yearAppended(const fundorix::calc::YearValues& year)
{
    SavingsChartYear values;
    values.kapitaleinsatz = year.kapitaleinsatz;
    values.rendite = year.rendite;
    values.dividente = year.dividente;
    values.sonderzahlung = year.sonderzahlung;
    appendSavingsYear(m_series, ++m_year, values, year.seriesAppended);
}

void ChartBinding::sumLineRecomputed() { finishSavingsChart(m_series); }
