#include "chart/bar_series.h"
#include "chart/chart.h"
#include "chart/function.h"
#include "chart/line_series.h"
#include "chart/savings_chart.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

std::vector<double> yValues(const TChartSeries& series) { return series.YValues().Values(); }

TEST(ValueList, StatisticsFollowChanges)
{
    TChartValueList list(QStringLiteral("Y"), TChartListOrder::loNone);
    EXPECT_EQ(list.MinValue(), 0);
    list.Insert(0, 5);
    list.Insert(1, -3);
    EXPECT_EQ(list.MinValue(), -3);
    EXPECT_EQ(list.MaxValue(), 5);
    EXPECT_EQ(list.Total(), 2);
    EXPECT_EQ(list.TotalABS(), 8);
    list.Insert(2, 10);
    EXPECT_EQ(list.MaxValue(), 10);
    list.Clear();
    EXPECT_EQ(list.Total(), 0);
}

TEST(Points, AppendedPointsTakeTheirIndexAsXAgainAfterClearing)
{
    TBarSeries series;
    EXPECT_EQ(series.AppendPoint(7), 0);
    EXPECT_EQ(series.AppendPoint(8), 1);
    EXPECT_EQ(series.XValues().Values(), (std::vector<double> { 0, 1 }));
    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
    series.AppendPoint(9, QStringLiteral("1"));
    EXPECT_EQ(series.XValues().Value(0), 0);
    EXPECT_EQ(series.PointText(0), QStringLiteral("1"));
}

TEST(Points, InsertKeepsXAscendingAndMovesTextsAndColoursAlong)
{
    TBarSeries series;
    series.InsertPoint(1, 10, QString(), kAutoColor);
    series.InsertPoint(3, 30, QStringLiteral("c"), clRed);
    series.InsertPoint(2, 20, QStringLiteral("b"), kAutoColor);
    series.InsertPoint(1, 11, QStringLiteral("a2"), clBlue); // after the equal X
    EXPECT_EQ(series.XValues().Values(), (std::vector<double> { 1, 1, 2, 3 }));
    EXPECT_EQ(yValues(series), (std::vector<double> { 10, 11, 20, 30 }));
    EXPECT_EQ(series.PointText(0), QString());
    EXPECT_EQ(series.PointText(1), QStringLiteral("a2"));
    EXPECT_EQ(series.PointText(3), QStringLiteral("c"));
    series.SetSeriesColor(clGreen);
    EXPECT_EQ(series.PointColor(0), clGreen); // automatic points follow the series colour
    EXPECT_EQ(series.PointColor(1), clBlue);
    EXPECT_EQ(series.PointColor(3), clRed);
}

TEST(Palette, SeriesWithoutColourTakesTheFirstFreeOne)
{
    TChart chart;
    chart.BackWall.Color = clWhite;
    SavingsChartSeries series = buildSavingsChart(chart);
    EXPECT_EQ(series.series3->SeriesColor(), clRed);
    EXPECT_EQ(series.series3->SeriesColor(), 0x000000FFu);

    // Red taken: the next one, green, is taken too, so yellow.
    TChart other;
    auto& red = other.AddSeries<TBarSeries>();
    red.SetSeriesColor(clRed);
    auto& green = other.AddSeries<TBarSeries>();
    green.SetSeriesColor(clGreen);
    EXPECT_EQ(other.AddSeries<TLineSeries>().SeriesColor(), clYellow);
}

TEST(Palette, AllTakenGivesTheLastColour)
{
    std::vector<TColor> taken(defaultPalette().begin(), defaultPalette().end());
    EXPECT_EQ(firstFreeColor(defaultPalette(), taken), rgbColor(160, 160, 164));
}

TEST(Palette, BackgroundAndWallColoursAreNotHandedOut)
{
    TChart chart;
    chart.Color = clRed;
    chart.BackWall.Color = clGreen;
    EXPECT_EQ(chart.AddSeries<TBarSeries>().SeriesColor(), clYellow);
}

struct SumFixture : ::testing::Test {
    TChart chart;
    std::vector<TBarSeries*> sources;
    TLineSeries* sum = nullptr;

    void build(const std::vector<int>& counts)
    {
        for (int count : counts) {
            auto& source = chart.AddSeries<TBarSeries>();
            for (int i = 0; i < count; ++i)
                source.AppendPoint(100.0 * (int(sources.size()) + 1) + i, QString::number(i + 1));
            sources.push_back(&source);
        }
        sum = &chart.AddSeries<TLineSeries>();
        for (TBarSeries* source : sources)
            sum->AddDataSource(source);
        sum->SetFunction(std::make_unique<TAddChartFunction>());
        sum->Function()->RecomputeFunction();
    }
};

TEST_F(SumFixture, ShorterSourcesContributeOnlyWhereTheyHavePoints)
{
    build({ 10, 10, 10, 8 });
    ASSERT_EQ(sum->PointCount(), 10);
    EXPECT_EQ(sum->YValues().Value(0), 100 + 200 + 300 + 400);
    EXPECT_EQ(sum->YValues().Value(7), 107 + 207 + 307 + 407);
    EXPECT_EQ(sum->YValues().Value(8), 108 + 208 + 308);
    EXPECT_EQ(sum->XValues().Value(9), 9);
    EXPECT_EQ(sum->PointText(9), QStringLiteral("10"));
    EXPECT_EQ(sum->PointColor(9), sum->SeriesColor());
}

TEST_F(SumFixture, LongerLaterSourceBecomesTheReference)
{
    build({ 0, 5 });
    ASSERT_EQ(sum->PointCount(), 5);
    EXPECT_EQ(yValues(*sum), (std::vector<double> { 200, 201, 202, 203, 204 }));
    EXPECT_EQ(sum->PointText(4), QStringLiteral("5"));
}

TEST_F(SumFixture, EmptySourcesLeaveTheSumEmptyAndRecomputingReplacesOldPoints)
{
    build({ 3, 3 });
    sources[0]->ClearPoints();
    sources[1]->ClearPoints();
    sum->Function()->RecomputeFunction();
    EXPECT_EQ(sum->PointCount(), 0);
}

TEST_F(SumFixture, SingleSourceGivesItsTotalInTheMiddle)
{
    build({ 5 });
    ASSERT_EQ(sum->PointCount(), 1);
    EXPECT_EQ(sum->YValues().Value(0), 100 + 101 + 102 + 103 + 104);
    EXPECT_EQ(sum->XValues().Value(0), 2);
}

TEST_F(SumFixture, SingleEmptySourceGivesAZeroTotal)
{
    build({ 0 });
    ASSERT_EQ(sum->PointCount(), 1);
    EXPECT_EQ(sum->YValues().Value(0), 0);
}

TEST_F(SumFixture, NothingHappensWhileTheFunctionIsUpdating)
{
    build({ 2, 2 });
    sources[0]->AppendPoint(1);
    sum->Function()->BeginUpdate();
    sum->Function()->RecomputeFunction();
    EXPECT_EQ(sum->PointCount(), 2);
    sum->Function()->EndUpdate();
    sum->Function()->RecomputeFunction();
    EXPECT_EQ(sum->PointCount(), 3);
}

TEST(Repaint, ChangesAskForOneRepaintEachButDrawingAsksForNone)
{
    TChart chart;
    SavingsChartSeries series = buildSavingsChart(chart);
    int repaints = 0;
    chart.SetRepaintHandler([&] { ++repaints; });
    series.series1->AppendPoint(1, QStringLiteral("1"));
    EXPECT_EQ(repaints, 1);
    series.series2->SetSeriesColor(clBlack);
    EXPECT_EQ(repaints, 2);
    finishSavingsChart(series); // clearing and refilling the line is one change
    EXPECT_EQ(repaints, 3);
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    chart.RenderChart(painter, image.rect());
    EXPECT_EQ(repaints, 3);
}

TEST(SavingsChart, SeriesInStackingOrderWithTheirTitles)
{
    TChart chart;
    buildSavingsChart(chart);
    QStringList names;
    QStringList titles;
    for (const TChartSeries* s : chart.SeriesList()) {
        names << s->Name;
        titles << s->Title;
    }
    EXPECT_EQ(names, (QStringList { "Series1", "Series4", "Series2", "Series3", "Series5" }));
    EXPECT_EQ(titles, (QStringList { "Kapitaleinsatz", "Sonderzahlung", "Rendite", "Dividente", "Wertentwicklung" }));
    EXPECT_EQ(chart.Title.Text, QStringList { "Entwicklung Ihres Kapitals im Anlagezeitraum" });
}

TEST(SavingsChart, YearsAreRebuiltOnEveryFillAndSummedByTheLine)
{
    TChart chart;
    SavingsChartSeries series = buildSavingsChart(chart);
    std::vector<SavingsChartYear> years(10, SavingsChartYear { 1000, 200, 50, 0 });
    years[9] = SavingsChartYear { 16000, 21949.35, 3185.45, 0 };
    fillSavingsChart(series, years);
    EXPECT_EQ(series.series5->PointCount(), 10);
    EXPECT_NEAR(series.series5->YValues().Value(9), 41134.80, 1e-9);
    EXPECT_EQ(series.series3->PointText(9), QStringLiteral("10"));

    years.resize(5);
    fillSavingsChart(series, years);
    EXPECT_EQ(series.series1->PointCount(), 5);
    EXPECT_EQ(series.series5->PointCount(), 5);
}

TEST(SavingsChart, AFailedYearReachesOnlyTheFirstSeries)
{
    TChart chart;
    SavingsChartSeries series = buildSavingsChart(chart);
    clearSavingsChart(series);
    appendSavingsYear(series, 1, { 1, 2, 3, 4 });
    appendSavingsYear(series, 2, { 1, 2, 3, 4 }, 2);
    EXPECT_EQ(series.series1->PointCount(), 2);
    EXPECT_EQ(series.series2->PointCount(), 2);
    EXPECT_EQ(series.series3->PointCount(), 1);
    EXPECT_EQ(series.series4->PointCount(), 1);
}

} // namespace
