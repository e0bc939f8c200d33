#include "form_model.h"
#include "scripted_services.h"
#include "year_series_listener.h"

#include <gtest/gtest.h>

namespace {

struct RecordingListener : YearSeriesListener {
    int clears = 0;
    int sums = 0;
    std::vector<fundorix::calc::YearValues> points;
    void seriesCleared() override
    {
        ++clears;
        points.clear();
    }
    void yearAppended(const fundorix::calc::YearValues& year) override { points.push_back(year); }
    void sumLineRecomputed() override { ++sums; }
};

class FormModelTest : public ::testing::Test {
protected:
    ScriptedServices services;
    FormModel form { services };

    void SetUp() override { form.recompute(); }
    QString result(ResultLabel label) const { return form.resultText(label); }
};

TEST_F(FormModelTest, DefaultInputsGiveTheKnownPlan)
{
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "41134,80");
    EXPECT_EQ(result(ResultLabel::Kapitaleinsatz), "16000,00");
    EXPECT_EQ(result(ResultLabel::DividenteWiederanlage), "3185,45");
    EXPECT_EQ(result(ResultLabel::ANLAGEGEWINN), "25134,80");
    EXPECT_EQ(result(ResultLabel::AnlageProzent), "157,09 %");
    EXPECT_EQ(form.resultHint(ResultLabel::AnlageProzent), "15,71 % ohne Zinses Zins berechnet");
    EXPECT_EQ(form.fieldHint(Field::Sparen), "600 im Jahr");
    EXPECT_EQ(form.yearValues().size(), 10u);
}

TEST(FormModelInitial, ShowsCaptionsBeforeTheFirstRecompute)
{
    ScriptedServices services;
    FormModel form(services);
    EXPECT_EQ(form.resultText(ResultLabel::AnlageWunsch), "Verkaufspreis");
    EXPECT_EQ(form.resultText(ResultLabel::AnlageProzent), "Gewinn in Prozent");
    EXPECT_EQ(form.fieldText(Field::ComboBox1), "jährlich");
    EXPECT_EQ(form.years(), 10);
}

struct ModeCase {
    const char* mode;
    const char* depot;
};

class CompoundingModeTest : public ::testing::TestWithParam<ModeCase> { };

TEST_P(CompoundingModeTest, OneYearOfDefaults)
{
    ScriptedServices services;
    FormModel form(services);
    form.setYears(1);
    form.setFieldText(Field::ComboBox1, QString::fromUtf8(GetParam().mode));
    EXPECT_EQ(form.resultText(ResultLabel::AnlageWunsch), GetParam().depot);
    EXPECT_EQ(form.resultText(ResultLabel::DividenteWiederanlage), "150,00");
}

INSTANTIATE_TEST_SUITE_P(Modes, CompoundingModeTest,
    ::testing::Values(ModeCase { "monatlich", "11855,85" }, ModeCase { "vierteljährlich", "11843,82" },
        ModeCase { "halbjährlich", "11830,21" }, ModeCase { "jährlich", "11804,45" }));

TEST_F(FormModelTest, UnknownModeOnlyAddsDividends)
{
    form.setFieldText(Field::ComboBox1, "xyz");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "11605,41");
    EXPECT_EQ(result(ResultLabel::Kapitaleinsatz), "16000,00");
    EXPECT_EQ(result(ResultLabel::ANLAGEGEWINN), "-4394,59");
}

TEST_F(FormModelTest, ExtraPaymentEarnsSimpleInterestForTheRestOfTheYear)
{
    RecordingListener listener;
    form.setYearSeriesListener(&listener);
    form.setGridCell(0, 1, "1");
    form.setGridCell(1, 1, "7");
    form.setGridCell(2, 1, "1200");
    form.setFieldText(Field::Dividente, "0");
    form.setFieldText(Field::Sparen, "0");
    form.setYears(1);
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "12260,00");
    EXPECT_EQ(result(ResultLabel::Kapitaleinsatz), "11200,00");
    ASSERT_EQ(listener.points.size(), 1u);
    EXPECT_DOUBLE_EQ(listener.points[0].kapitaleinsatz, 10000);
    EXPECT_DOUBLE_EQ(listener.points[0].rendite, 1060);
    EXPECT_DOUBLE_EQ(listener.points[0].dividente, 0);
    EXPECT_DOUBLE_EQ(listener.points[0].sonderzahlung, 1200);
    EXPECT_EQ(listener.points[0].label, "1");
    EXPECT_GE(listener.sums, 1);
}

TEST_F(FormModelTest, YearlyAmountCountsAsGrowthNotCapital)
{
    form.setFieldText(Field::Sparen, "0");
    form.setFieldText(Field::Edit1, "500");
    form.setFieldText(Field::Dividente, "0");
    form.setYears(2);
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "13150,00");
    EXPECT_EQ(result(ResultLabel::Kapitaleinsatz), "10000,00");
    EXPECT_DOUBLE_EQ(form.yearValues().at(0).rendite, 1500);
}

TEST_F(FormModelTest, EmptiedFieldBecomesZeroAndPointBecomesComma)
{
    form.setFieldText(Field::Edit1, "");
    EXPECT_EQ(form.fieldText(Field::Edit1), "0");
    form.setFieldText(Field::Rendite, "1.5");
    EXPECT_EQ(form.fieldText(Field::Rendite), "1,5");
    form.setFieldText(Field::AnlageSumme, "1.2.3");
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "1,2,3");
}

TEST_F(FormModelTest, UnparsableFieldZeroesTwoLabelsAndKeepsTheRest)
{
    form.setFieldText(Field::AnlageSumme, "1.000,50");
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "1,000,50");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "0,00");
    EXPECT_EQ(result(ResultLabel::Kapitaleinsatz), "0,00");
    EXPECT_EQ(result(ResultLabel::DividenteWiederanlage), "3185,45");
    EXPECT_EQ(result(ResultLabel::AnlageProzent), "157,09 %");
    EXPECT_TRUE(services.errors.isEmpty());
}

TEST_F(FormModelTest, FailureBeforeTheSeriesKeepsTheChart)
{
    RecordingListener listener;
    form.setYearSeriesListener(&listener);
    form.setFieldText(Field::Rendite, "abc");
    EXPECT_EQ(listener.clears, 0);
    EXPECT_EQ(form.yearValues().size(), 10u);
}

TEST_F(FormModelTest, PaymentWithoutMonthFailsOnlyWhenItsYearIsSimulated)
{
    RecordingListener listener;
    form.setYearSeriesListener(&listener);
    form.setGridCell(0, 1, "3");
    form.setGridCell(2, 1, "100");
    form.setFieldText(Field::Edit1, "1");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "0,00");
    EXPECT_EQ(listener.points.size(), 2u);
    EXPECT_EQ(listener.sums, 0);

    form.setGridCell(0, 1, "30");
    form.setFieldText(Field::Edit1, "0");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "41134,80");
}

TEST_F(FormModelTest, RunFailingInTheYearsKeepsTheSumLineOfTheRunBefore)
{
    ASSERT_EQ(form.sumLine().size(), 10u);
    const double lastTotal = form.sumLine().back();
    EXPECT_NEAR(lastTotal, 41134.80, 0.005);
    form.setGridCell(0, 1, "3");
    form.setGridCell(2, 1, "100");
    form.setFieldText(Field::Edit1, "1");
    EXPECT_EQ(form.yearValues().size(), 2u);
    ASSERT_EQ(form.sumLine().size(), 10u);
    EXPECT_EQ(form.sumLine().back(), lastTotal);
}

TEST_F(FormModelTest, PaymentWithoutYearIsIgnored)
{
    form.setGridCell(1, 1, "7");
    form.setGridCell(2, 1, "1000");
    form.setFieldText(Field::Edit1, "00");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "41134,80");
}

TEST_F(FormModelTest, NoCapitalShowsZeroPercent)
{
    form.setFieldText(Field::AnlageSumme, "0");
    form.setFieldText(Field::Sparen, "0");
    EXPECT_EQ(result(ResultLabel::AnlageProzent), "0,00 %");
}

TEST_F(FormModelTest, GridEditsWaitForTheNextFieldChange)
{
    form.setGridCell(0, 1, "1");
    form.setGridCell(1, 1, "1");
    form.setGridCell(2, 1, "1000");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "41134,80");
    form.setFieldText(Field::Edit1, "00");
    EXPECT_NE(result(ResultLabel::AnlageWunsch), "41134,80");
}

TEST_F(FormModelTest, WritingTheSameTextRunsNothing)
{
    int runs = 0;
    QObject::connect(&form, &FormModel::resultsChanged, [&runs] { ++runs; });
    form.setFieldText(Field::Sparen, "50");
    EXPECT_EQ(runs, 0);
    form.setFieldText(Field::Sparen, "51");
    EXPECT_EQ(runs, 1);
}

TEST_F(FormModelTest, SpinnersStepTheirField)
{
    form.clickSpinner(Spinner::UpDown1, true);
    EXPECT_EQ(form.fieldText(Field::Rendite), "10,5");
    form.clickSpinner(Spinner::UpDown1, false);
    form.clickSpinner(Spinner::UpDown1, false);
    EXPECT_EQ(form.fieldText(Field::Rendite), "9,5");
    form.clickSpinner(Spinner::UpDown4, true);
    EXPECT_EQ(form.fieldText(Field::Sparen), "60");
    form.clickSpinner(Spinner::UpDown5, false);
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "9900");
}

TEST_F(FormModelTest, SpinnerStopsAtItsCounterBound)
{
    for (int i = 0; i < 300; ++i)
        form.clickSpinner(Spinner::UpDown4, true);
    EXPECT_EQ(form.fieldText(Field::Sparen), "3050");
    form.clickSpinner(Spinner::UpDown4, true);
    EXPECT_EQ(form.fieldText(Field::Sparen), "3050");
    form.clickSpinner(Spinner::UpDown4, false);
    EXPECT_EQ(form.fieldText(Field::Sparen), "3040");
}

TEST_F(FormModelTest, SpinnerOnUnparsableFieldReportsAndKeepsTheText)
{
    form.setFieldText(Field::AnlageSumme, "abc");
    form.clickSpinner(Spinner::UpDown5, true);
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "abc");
    ASSERT_EQ(services.errors.size(), 1);
    EXPECT_EQ(services.errors[0], "'abc' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(form.spinnerCounter(Spinner::UpDown5), 0);
}

TEST_F(FormModelTest, YearsSpinnerStaysWithinItsBounds)
{
    form.setYears(100);
    form.stepYears(true);
    EXPECT_EQ(form.years(), 100);
    EXPECT_EQ(form.fieldText(Field::Jahre), "100");
    form.setFieldText(Field::Jahre, "150");
    EXPECT_EQ(form.years(), 100);
    EXPECT_EQ(form.fieldText(Field::Jahre), "150");
    form.setFieldText(Field::Jahre, "5");
    EXPECT_EQ(form.years(), 5);
    form.setYears(0);
    EXPECT_EQ(form.fieldText(Field::Jahre), "1");
}

TEST_F(FormModelTest, InvalidYearsTextKeepsThePreviousYears)
{
    form.setFieldText(Field::Jahre, "abc");
    EXPECT_EQ(form.years(), 10);
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "41134,80");
}

TEST_F(FormModelTest, HugeValuesFailTheRecomputeWithoutCrashing)
{
    form.setFieldText(Field::AnlageSumme, "1E300");
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "0,00");
    form.setFieldText(Field::AnlageSumme, QString(100000, QLatin1Char('.')));
    EXPECT_EQ(result(ResultLabel::AnlageWunsch), "0,00");
}

}
