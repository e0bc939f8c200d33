#include "chart_binding.h"
#include "chart_view.h"
#include "form_model.h"
#include "scripted_services.h"

#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

class ChartBindingTest : public ::testing::Test {
protected:
    ScriptedServices services;
    FormModel form { services };
    ChartBinding binding;

    void SetUp() override
    {
        form.setYearSeriesListener(&binding);
        form.recompute();
    }
    const SavingsChartSeries& series() const { return binding.series(); }
    static std::vector<double> values(const TChartSeries* s) { return s->YValues().Values(); }
};

TEST_F(ChartBindingTest, DefaultsGiveTenYearsInFourStackedColoursAndTheYellowLine)
{
    EXPECT_EQ(binding.seriesColours(), (std::array<TColor, 4> { clBlue, clGreen, clRed, clPurple }));
    EXPECT_EQ(series().series5->SeriesColor(), clYellow);

    const std::vector<TChartSeries*>& order = binding.chart().SeriesList();
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(order[0], series().series1);
    EXPECT_EQ(order[1], series().series4);
    EXPECT_EQ(order[2], series().series2);
    EXPECT_EQ(order[3], series().series3);

    for (const TBarSeries* bars : series().numbered()) {
        ASSERT_EQ(bars->PointCount(), 10);
        EXPECT_EQ(bars->PointText(0), QStringLiteral("1"));
        EXPECT_EQ(bars->PointText(9), QStringLiteral("10"));
    }
    const double year10 = series().series1->YValues().Value(9) + series().series2->YValues().Value(9)
        + series().series3->YValues().Value(9) + series().series4->YValues().Value(9);
    EXPECT_NEAR(year10, 41134.80, 0.005);
    ASSERT_EQ(series().series5->PointCount(), 10);
    EXPECT_NEAR(series().series5->YValues().Value(9), 41134.80, 0.005);
    EXPECT_EQ(series().series5->PointText(9), QStringLiteral("10"));
}

TEST_F(ChartBindingTest, ExtraPaymentIsAPurpleSegmentFromItsYearOn)
{
    form.setGridCell(0, 1, QStringLiteral("3"));
    form.setGridCell(1, 1, QStringLiteral("7"));
    form.setGridCell(2, 1, QStringLiteral("1200"));
    form.recompute();
    const std::vector<double> extra = values(series().series4);
    ASSERT_EQ(extra.size(), 10u);
    EXPECT_EQ(extra[0], 0);
    EXPECT_EQ(extra[1], 0);
    for (std::size_t year = 2; year < extra.size(); ++year)
        EXPECT_EQ(extra[year], 1200) << "year " << year + 1;
    EXPECT_EQ(series().series4->PointColor(2), clPurple);
}

TEST_F(ChartBindingTest, EveryRecomputeRebuildsAllPoints)
{
    form.setFieldText(Field::Jahre, QStringLiteral("5"));
    for (const TBarSeries* bars : series().numbered())
        EXPECT_EQ(bars->PointCount(), 5);
    EXPECT_EQ(series().series5->PointCount(), 5);
    form.setFieldText(Field::Jahre, QStringLiteral("12"));
    EXPECT_EQ(series().series1->PointCount(), 12);
    EXPECT_EQ(series().series1->PointText(11), QStringLiteral("12"));
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(ChartBindingTest, ViewRepaintsWhenTheChartChanges)
{
    ChartView view(binding.chart());
    view.resize(472, 190);
    view.show();
    QApplication::processEvents();
    EXPECT_EQ(binding.chart().Width(), 472);

    PaintCounter counter;
    view.installEventFilter(&counter);
    form.setFieldText(Field::Jahre, QStringLiteral("5"));
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
}

TEST_F(ChartBindingTest, ChartOutlivesItsViewSafely)
{
    auto view = std::make_unique<ChartView>(binding.chart());
    view.reset();
    form.setFieldText(Field::Jahre, QStringLiteral("3"));
    EXPECT_EQ(series().series1->PointCount(), 3);
}

}
