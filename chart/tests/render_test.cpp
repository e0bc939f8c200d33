#include "chart/bar_series.h"
#include "chart/chart.h"
#include "chart/savings_chart.h"

#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {

// Ten years of a savings plan: 1480 a year paid in, an extra payment of 1200
// from year 3 on, growth and dividends accelerating to a total of 41134,80.
std::vector<SavingsChartYear> tenYears()
{
    std::vector<SavingsChartYear> years;
    for (int i = 1; i <= 10; ++i) {
        const double share = (i / 10.0) * (i / 10.0);
        years.push_back({ 1480.0 * i, 21949.35 * share, 3185.45 * share, i >= 3 ? 1200.0 : 0.0 });
    }
    return years;
}

std::vector<SavingsChartYear> manyYears(int count)
{
    std::vector<SavingsChartYear> years;
    for (int i = 1; i <= count; ++i)
        years.push_back({ 1200.0 * i, 30.0 * i * i, 5.0 * i * i, 0 });
    return years;
}

struct RenderedChart {
    TChart chart;
    SavingsChartSeries series;
    QImage image;

    RenderedChart(const std::vector<SavingsChartYear>& years, int width, int height)
        : series(buildSavingsChart(chart))
    {
        fillSavingsChart(series, years);
        image = renderPlanChart(chart, QSize(width, height));
    }

    TColor at(int x, int y) const
    {
        const QRgb rgb = image.pixel(x, y);
        return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }

    // The distinct colours met going up a column, from just above the axis line.
    std::vector<TColor> columnColours(int x) const
    {
        std::vector<TColor> colours;
        for (int y = chart.BottomAxis().PosAxis() - 2; y > chart.PlotArea().top; --y) {
            if (colours.empty() || colours.back() != at(x, y))
                colours.push_back(at(x, y));
        }
        return colours;
    }
};

TEST(SavingsChartPicture, TenEquallyWideEvenlySpacedStackedBars)
{
    RenderedChart rendered(tenYears(), 600, 400);
    ASSERT_EQ(rendered.image.size(), QSize(600, 400));
    // Left beside the test program for a look at the picture.
    EXPECT_TRUE(rendered.image.save(QCoreApplication::applicationDirPath() + "/savings_chart_600x400.png"));
    const TChart& chart = rendered.chart;
    const int size = rendered.series.series1->BarSize();
    ASSERT_GT(size, 10);
    EXPECT_EQ(size % 2, 0);

    const int row = chart.BottomAxis().PosAxis() - 2;
    std::set<int> spacings;
    for (int i = 0; i < 10; ++i) {
        const int x = chart.BottomAxis().CalcPosValue(i);
        if (i > 0)
            spacings.insert(x - chart.BottomAxis().CalcPosValue(i - 1));
        // Size + 1 columns of blue, centred on the year.
        EXPECT_EQ(rendered.at(x - size / 2, row), clBlue) << "year " << i + 1;
        EXPECT_EQ(rendered.at(x + size / 2, row), clBlue) << "year " << i + 1;
        EXPECT_NE(rendered.at(x - size / 2 - 1, row), clBlue) << "year " << i + 1;
        EXPECT_NE(rendered.at(x + size / 2 + 1, row), clBlue) << "year " << i + 1;
    }
    EXPECT_LE(spacings.size(), 2u);
    EXPECT_LE(*spacings.rbegin() - *spacings.begin(), 1);
    // The first and last bar sit one bar width inside the ends of the axis.
    EXPECT_EQ(chart.BottomAxis().CalcPosValue(0) - chart.BottomAxis().Scale().p0, size);
    EXPECT_EQ(chart.BottomAxis().Scale().p1 - chart.BottomAxis().CalcPosValue(9), size);
}

TEST(SavingsChartPicture, StackBlueToRedFromBottomToTopUnderTheYellowLine)
{
    RenderedChart rendered(tenYears(), 600, 400);
    const TChart& chart = rendered.chart;
    const int x = chart.BottomAxis().CalcPosValue(9) - 4;
    const std::vector<TColor> colours = rendered.columnColours(x);
    ASSERT_GE(colours.size(), 5u);
    EXPECT_EQ(std::vector<TColor>(colours.begin(), colours.begin() + 4),
        (std::vector<TColor> { clBlue, clPurple, clGreen, clRed }));
    // The total is the top of the range, so the line crosses the top of the last bar.
    EXPECT_EQ(colours[4], clYellow);
    // Year 2 has no extra payment yet.
    const int x2 = chart.BottomAxis().CalcPosValue(1) - 4;
    EXPECT_EQ(rendered.columnColours(x2).at(1), clGreen);

    // The line runs through the year totals.
    for (int i = 0; i < 9; ++i) {
        const int lx = chart.BottomAxis().CalcPosValue(i) + 2;
        const int ly = chart.LeftAxis().CalcPosValue(rendered.series.series5->YValues().Value(i));
        bool yellow = false;
        for (int dy = -3; dy <= 3; ++dy)
            yellow = yellow || rendered.at(lx, ly + dy) == clYellow;
        EXPECT_TRUE(yellow) << "year " << i + 1;
    }
}

TEST(SavingsChartPicture, BarsStandOnTheAxisLineAndTouchTheTopOfTheRange)
{
    RenderedChart rendered(tenYears(), 600, 400);
    const TChart& chart = rendered.chart;
    const int x = chart.BottomAxis().CalcPosValue(0);
    const int axis = chart.BottomAxis().PosAxis();
    EXPECT_EQ(rendered.at(x, axis), clBlack);
    EXPECT_EQ(rendered.at(x, axis - 1), clBlue);
    // Background and back wall.
    EXPECT_EQ(rendered.at(0, 0), clWhite);
    EXPECT_EQ(rendered.at(chart.PlotArea().right, chart.PlotArea().top + 5), clBlack);
}

TEST(SavingsChartPicture, ValueLabelsAreMultiplesOfTheStepDownToZero)
{
    RenderedChart rendered(tenYears(), 600, 400);
    const TChartAxis& left = rendered.chart.LeftAxis();
    EXPECT_EQ(left.Scale().lo, 0);
    EXPECT_NEAR(left.Scale().hi, 41134.80, 1e-9);
    const double step = left.LabelStepValue();
    EXPECT_TRUE(step == 2000 || step == 5000) << step;
    ASSERT_FALSE(left.TickPositions().empty());
    EXPECT_EQ(left.TickPositions().front(), left.CalcPosValue(40000));
    EXPECT_EQ(left.TickPositions().back(), left.CalcPosValue(0));
    EXPECT_EQ(int(left.TickPositions().size()), int(40000 / step) + 1);
}

TEST(SavingsChartPicture, EachSizeGetsItsOwnLayout)
{
    RenderedChart print(tenYears(), 600, 400);
    RenderedChart screen(tenYears(), 472, 190);
    EXPECT_EQ(print.chart.ChartBounds(), (ChartRect { 0, 0, 600, 400 }));
    EXPECT_EQ(screen.chart.ChartBounds(), (ChartRect { 0, 0, 472, 190 }));
    EXPECT_LT(screen.series.series1->BarSize(), print.series.series1->BarSize());
    EXPECT_GT(screen.chart.LeftAxis().LabelStepValue(), print.chart.LeftAxis().LabelStepValue());
    // All ten year numbers fit on the screen chart.
    EXPECT_EQ(screen.chart.BottomAxis().TickPositions().size(), 10u);
}

TEST(SavingsChartPicture, AHundredYearsSkipCrowdedYearNumbers)
{
    RenderedChart rendered(manyYears(100), 600, 400);
    const TChartAxis& bottom = rendered.chart.BottomAxis();
    const std::vector<int>& ticks = bottom.TickPositions();
    EXPECT_GT(ticks.size(), 20u);
    EXPECT_LT(ticks.size(), 50u);
    // Two-digit year numbers are about 12 pixels wide; none may overlap the one before.
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GT(ticks[i], ticks[i - 1]);
        if (ticks[i - 1] > bottom.CalcPosValue(9)) {
            EXPECT_GE(ticks[i] - ticks[i - 1], 12);
        }
    }
}

TEST(Title, TakesItsLineHeightPlusEightPixelsUnlessHiddenOrEmpty)
{
    TChart chart;
    buildSavingsChart(chart);
    QImage image = renderPlanChart(chart);
    const TextMetrics title(chart.Title.Font, &image);
    EXPECT_EQ(chart.LeftAxis().Scale().p0, 16 + title.height() + 8);

    chart.Title.Visible = false;
    renderPlanChart(chart);
    EXPECT_EQ(chart.LeftAxis().Scale().p0, 16);

    chart.Title.Visible = true;
    chart.Title.Text.clear();
    renderPlanChart(chart);
    EXPECT_EQ(chart.LeftAxis().Scale().p0, 16);
}

TEST(EmptyChart, EachAxisShowsOneZeroInItsMiddle)
{
    RenderedChart rendered({}, 600, 400);
    for (const TChartAxis* axis : { &rendered.chart.BottomAxis(), &rendered.chart.LeftAxis() }) {
        EXPECT_EQ(axis->Scale().lo, 0);
        EXPECT_EQ(axis->Scale().hi, 0);
        ASSERT_EQ(axis->TickPositions().size(), 1u);
        EXPECT_EQ(axis->TickPositions().front(), (axis->Scale().p0 + axis->Scale().p1) / 2);
    }
}

TEST(EmptyChart, WithoutSeriesTheAxesHaveNoLabels)
{
    TChart chart;
    chart.RenderToBitmap(clWhite, QRect(0, 0, 300, 200));
    EXPECT_TRUE(chart.LeftAxis().TickPositions().empty());
    EXPECT_TRUE(chart.BottomAxis().TickPositions().empty());
}

TEST(SingleYear, TheBarStandsInTheMiddle)
{
    RenderedChart rendered(manyYears(1), 600, 400);
    const TChartAxis& bottom = rendered.chart.BottomAxis();
    EXPECT_EQ(bottom.CalcPosValue(0), (bottom.Scale().p0 + bottom.Scale().p1) / 2);
    EXPECT_EQ(rendered.at(bottom.CalcPosValue(0), bottom.PosAxis() - 2), clBlue);
}

TEST(Stacking, MixedSignsStackAwayFromZero)
{
    TChart chart;
    const TColor colours[] = { clBlue, clGreen, clRed };
    const double values[] = { 1000, -200, 300 };
    for (int i = 0; i < 3; ++i) {
        auto& bars = chart.AddSeries<TBarSeries>();
        bars.MultiBar = TMultiBar::mbStacked;
        bars.BarPen.Visible = false;
        bars.SetSeriesColor(colours[i]);
        bars.AppendPoint(values[i]);
    }
    const QImage image = chart.RenderToBitmap(clWhite, QRect(0, 0, 400, 400));
    const TChartAxis& left = chart.LeftAxis();
    EXPECT_EQ(left.Scale().lo, -200);
    EXPECT_EQ(left.Scale().hi, 1300);
    const int x = chart.BottomAxis().CalcPosValue(0);
    auto colourAt = [&](double value) {
        const QRgb rgb = image.pixel(x, left.CalcPosValue(value));
        return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
    };
    EXPECT_EQ(colourAt(500), clBlue);
    EXPECT_EQ(colourAt(-100), clGreen);
    EXPECT_EQ(colourAt(1150), clRed);
    auto* third = static_cast<TBarSeries*>(chart.SeriesList()[2]);
    EXPECT_EQ(third->PointOrigin(0), 1000);
}

TEST(Bitmap, BackColourShowsWhereTheChartPaintsNothing)
{
    TChart chart;
    chart.Color = kNoColor;
    const QImage image = chart.RenderToBitmap(clRed, QRect(50, 50, 150, 100));
    EXPECT_EQ(image.size(), QSize(150, 100));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(chart.ChartBounds(), (ChartRect { 0, 0, 150, 100 }));
    EXPECT_TRUE(chart.RenderToBitmap(clWhite, QRect(0, 0, 0, 10)).isNull());
}

} // namespace
