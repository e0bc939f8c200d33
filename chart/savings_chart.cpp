#include "savings_chart.h"

namespace {

const QString kTitle = QStringLiteral("Entwicklung Ihres Kapitals im Anlagezeitraum");

TBarSeries* addBars(TChart& chart, const char* name, const char* title, TColor color)
{
    auto bars = std::make_unique<TBarSeries>();
    bars->Name = QString::fromLatin1(name);
    bars->Title = QString::fromUtf8(title);
    bars->MultiBar = TMultiBar::mbStacked;
    bars->BarPen.Visible = false;
    bars->SetSeriesColor(color);
    return static_cast<TBarSeries*>(&chart.AddSeries(std::move(bars)));
}

} // namespace

SavingsChartSeries buildSavingsChart(TChart& chart)
{
    chart.Color = clWhite;
    chart.BackWall.Color = clWhite;
    chart.Title.Text = QStringList { kTitle };
    chart.Title.Font.Color = clBlack;
    chart.Title.Font.Bold = true;
    chart.BottomAxis().Increment = 1;
    chart.LeftAxis().Increment = 100;

    SavingsChartSeries series;
    series.series1 = addBars(chart, "Series1", "Kapitaleinsatz", clBlue);
    series.series4 = addBars(chart, "Series4", "Sonderzahlung", clPurple);
    series.series2 = addBars(chart, "Series2", "Rendite", clGreen);
    series.series3 = addBars(chart, "Series3", "Dividente", kAutoColor);

    auto line = std::make_unique<TLineSeries>();
    line->Name = QStringLiteral("Series5");
    line->Title = QStringLiteral("Wertentwicklung");
    line->LinePen.Width = 2;
    line->SetSeriesColor(clYellow);
    for (TBarSeries* source : series.numbered())
        line->AddDataSource(source);
    auto function = std::make_unique<TAddChartFunction>();
    series.chartFunction1 = function.get();
    line->SetFunction(std::move(function));
    series.series5 = static_cast<TLineSeries*>(&chart.AddSeries(std::move(line)));
    return series;
}

void clearSavingsChart(const SavingsChartSeries& series)
{
    for (TBarSeries* bars : series.numbered())
        bars->ClearPoints();
}

void appendSavingsYear(const SavingsChartSeries& series, int year, const SavingsChartYear& values, int seriesCount)
{
    const QString label = QString::number(year);
    const double perSeries[] = { values.kapitaleinsatz, values.rendite, values.dividente, values.sonderzahlung };
    const std::array<TBarSeries*, 4> numbered = series.numbered();
    for (std::size_t i = 0; i < numbered.size() && int(i) < seriesCount; ++i)
        numbered[i]->AppendPoint(perSeries[i], label, numbered[i]->SeriesColor());
}

void finishSavingsChart(const SavingsChartSeries& series) { series.chartFunction1->RecomputeFunction(); }

void fillSavingsChart(const SavingsChartSeries& series, const std::vector<SavingsChartYear>& years)
{
    clearSavingsChart(series);
    for (std::size_t i = 0; i < years.size(); ++i)
        appendSavingsYear(series, int(i) + 1, years[i]);
    finishSavingsChart(series);
}

QImage renderPlanChart(TChart& chart, const QSize& size)
{
    return chart.RenderToBitmap(chart.Color, QRect(QPoint(0, 0), size));
}
