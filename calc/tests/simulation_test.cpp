// The savings simulation: the worked examples, the failure
// behaviour and a few closed forms as an independent check.
#include "calc/number_text.h"
#include "calc/simulation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fundorix::calc;

namespace {

const GridCells kEmptyGrid {};

SimulationInputs defaults() { return SimulationInputs {}; }

void setPayment(
    GridCells& grid, int column, const std::string& year, const std::string& month, const std::string& amount)
{
    grid[0][static_cast<std::size_t>(column)] = year;
    grid[1][static_cast<std::size_t>(column)] = month;
    grid[2][static_cast<std::size_t>(column)] = amount;
}

TEST(Simulation, DefaultInputsGiveTheSpecifiedTexts)
{
    const SimulationResult r = simulate(defaults(), kEmptyGrid);
    ASSERT_TRUE(r.ok) << r.failureMessage;
    EXPECT_EQ(r.texts.anlageWunsch, "41134,80");
    EXPECT_EQ(r.texts.kapitaleinsatz, "16000,00");
    EXPECT_EQ(r.texts.dividenteWiederanlage, "3185,45");
    EXPECT_EQ(r.texts.anlageGewinn, "25134,80");
    EXPECT_EQ(r.texts.anlageProzent, "157,09 %");
    EXPECT_EQ(r.texts.anlageProzentHint, "15,71 % ohne Zinses Zins berechnet");
    EXPECT_EQ(r.texts.sparenHint, "600 im Jahr");
    EXPECT_TRUE(r.seriesCleared);
    EXPECT_TRUE(r.sumLineRecomputed);
    ASSERT_EQ(r.years.size(), 10u);
    EXPECT_EQ(r.years.front().label, "1");
    EXPECT_EQ(r.years.back().label, "10");
    EXPECT_EQ(r.state.zinssatz, 0.1);
    EXPECT_EQ(r.state.dividendensatz, 0.015);
    EXPECT_EQ(r.state.kapitalsumme, 16000);
}

struct ModeCase {
    const char* mode;
    const char* depot;
};

class OneYearModes : public testing::TestWithParam<ModeCase> { };

TEST_P(OneYearModes, GiveTheSpecifiedDepotValue)
{
    SimulationInputs in = defaults();
    in.comboBox1 = GetParam().mode;
    in.years = 1;
    const SimulationResult r = simulate(in, kEmptyGrid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.texts.anlageWunsch, GetParam().depot);
    EXPECT_EQ(r.texts.dividenteWiederanlage, "150,00");
}

INSTANTIATE_TEST_SUITE_P(Simulation, OneYearModes,
    testing::Values(ModeCase { "monatlich", "11855,85" }, ModeCase { "vierteljährlich", "11843,82" },
        ModeCase { "halbjährlich", "11830,21" }, ModeCase { "jährlich", "11804,45" }));

TEST(Simulation, UnknownModeAppliesNeitherGrowthNorMonthlyAmount)
{
    SimulationInputs in = defaults();
    in.comboBox1 = "xyz";
    const SimulationResult r = simulate(in, kEmptyGrid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.texts.anlageWunsch, "11605,41");
    EXPECT_EQ(r.texts.kapitaleinsatz, "16000,00");
    EXPECT_EQ(r.texts.anlageGewinn, "-4394,59");
}

TEST(Simulation, ModeTextIsComparedExactly)
{
    SimulationInputs in = defaults();
    in.comboBox1 = "Jährlich";
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.anlageWunsch, "11605,41");
    in.comboBox1 = "jährlich ";
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.anlageWunsch, "11605,41");
}

TEST(Simulation, ExtraPaymentEarnsSimpleInterestForTheRestOfTheYear)
{
    SimulationInputs in = defaults();
    in.years = 1;
    in.sparen = "0";
    in.dividente = "0";
    GridCells grid {};
    setPayment(grid, 1, "1", "7", "1200");
    const SimulationResult r = simulate(in, grid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.texts.anlageWunsch, "12260,00");
    EXPECT_EQ(r.texts.kapitaleinsatz, "11200,00");
    ASSERT_EQ(r.years.size(), 1u);
    EXPECT_EQ(r.years[0].kapitaleinsatz, 10000);
    EXPECT_EQ(r.years[0].rendite, 1060);
    EXPECT_EQ(r.years[0].dividente, 0);
    EXPECT_EQ(r.years[0].sonderzahlung, 1200);
    EXPECT_EQ(r.years[0].wertentwicklung, 12260);
}

TEST(Simulation, YearlyAmountIsAddedAfterTheDividendAndNotCountedAsCapital)
{
    SimulationInputs in = defaults();
    in.years = 2;
    in.sparen = "0";
    in.edit1 = "500";
    in.dividente = "0";
    const SimulationResult r = simulate(in, kEmptyGrid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.texts.anlageWunsch, "13150,00");
    EXPECT_EQ(r.texts.kapitaleinsatz, "10000,00");
    EXPECT_EQ(r.years[0].rendite, 1500);
}

TEST(Simulation, DividendTotalCountsTheStartOfYearValue)
{
    SimulationInputs in = defaults();
    in.years = 2;
    in.sparen = "0";
    in.rendite = "0";
    in.dividente = "10";
    const SimulationResult r = simulate(in, kEmptyGrid);
    ASSERT_TRUE(r.ok);
    // depot: 10000 -> 11000 -> 12100; dividends counted on 10000 and 11000.
    EXPECT_EQ(r.texts.anlageWunsch, "12100,00");
    EXPECT_EQ(r.texts.dividenteWiederanlage, "2100,00");
    EXPECT_EQ(r.years[1].rendite, 0);
}

// An independent closed form: without growth and dividend every mode that
// pays in adds 12 monthly amounts and the yearly amount per year.
TEST(Simulation, WithoutGrowthTheDepotIsTheSumOfThePayments)
{
    for (const char* mode : { kModeMonthly, kModeQuarterly, kModeHalfYearly, kModeYearly }) {
        SimulationInputs in = defaults();
        in.comboBox1 = mode;
        in.rendite = "0";
        in.dividente = "0";
        in.sparen = "-37,5";
        in.edit1 = "100";
        in.years = 100;
        const SimulationResult r = simulate(in, kEmptyGrid);
        ASSERT_TRUE(r.ok) << mode;
        EXPECT_EQ(r.state.depotwert, 10000 - 37.5 * 1200 + 100 * 100) << mode;
        EXPECT_EQ(r.texts.kapitaleinsatz, "-35000,00") << mode;
    }
}

// An independent closed form: a yearly rate with no payments compounds as
// (1 + z)^n; with "monatlich" as (1 + z/12)^(12n).
TEST(Simulation, CompoundGrowthMatchesTheClosedForm)
{
    SimulationInputs in = defaults();
    in.sparen = "0";
    in.dividente = "0";
    in.years = 30;
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.anlageWunsch, formatAmount(10000 * std::pow(1.1L, 30)));
    in.comboBox1 = kModeMonthly;
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.anlageWunsch, formatAmount(10000 * std::pow(1 + 0.1L / 12, 360)));
}

TEST(Simulation, PerYearValuesAddUpToTheDepotValue)
{
    SimulationInputs in = defaults();
    in.comboBox1 = kModeMonthly;
    in.years = 25;
    GridCells grid {};
    setPayment(grid, 1, "3", "2", "5000");
    setPayment(grid, 2, "7", "11", "-2500,5");
    const SimulationResult r = simulate(in, grid);
    ASSERT_TRUE(r.ok);
    for (const YearValues& y : r.years)
        EXPECT_NEAR(y.wertentwicklung, y.kapitaleinsatz + y.rendite + y.dividente + y.sonderzahlung, 1e-6);
    EXPECT_NEAR(r.years.back().wertentwicklung, r.state.depotwert, 1e-6);
    EXPECT_EQ(r.years[2].sonderzahlung, 5000);
    EXPECT_EQ(r.years[6].sonderzahlung, 2499.5);
    EXPECT_EQ(r.years[24].sonderzahlung, 2499.5);
}

TEST(Simulation, PaymentsOfOneYearApplyInColumnOrder)
{
    SimulationInputs in = defaults();
    in.years = 3;
    GridCells ab {};
    setPayment(ab, 1, "2", "1", "1000");
    setPayment(ab, 5, "2", "12", "-300");
    setPayment(ab, 9, "2", "6", "250");
    GridCells ba {};
    setPayment(ba, 1, "2", "6", "250");
    setPayment(ba, 5, "2", "1", "1000");
    setPayment(ba, 9, "2", "12", "-300");
    const SimulationResult r1 = simulate(in, ab);
    const SimulationResult r2 = simulate(in, ba);
    ASSERT_TRUE(r1.ok && r2.ok);
    EXPECT_EQ(r1.texts.kapitaleinsatz, "12750,00");
    EXPECT_NEAR(r1.state.depotwert, r2.state.depotwert, 1e-8);
}

TEST(Simulation, ColumnWithoutYearIsIgnoredAndYearBeyondTheRunIsNeverLookedAt)
{
    SimulationInputs in = defaults();
    GridCells grid {};
    setPayment(grid, 1, "", "7", "1200");
    setPayment(grid, 2, "11", "", "");
    setPayment(grid, 3, "0", "", "");
    setPayment(grid, 4, "-3", "x", "y");
    const SimulationResult r = simulate(in, grid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.texts.anlageWunsch, "41134,80");
}

TEST(Simulation, EmptyMonthFailsTheRunWhenItsYearIsReached)
{
    SimulationInputs in = defaults();
    GridCells grid {};
    setPayment(grid, 1, "4", "", "1200");
    const SimulationState before = simulate(in, kEmptyGrid).state;
    const SimulationResult r = simulate(in, grid, before);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::Year);
    EXPECT_EQ(r.failedYear, 4);
    EXPECT_EQ(r.failureMessage, "'' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(r.texts.anlageWunsch, "0,00");
    EXPECT_EQ(r.texts.kapitaleinsatz, "0,00");
    EXPECT_FALSE(r.texts.dividenteWiederanlage);
    EXPECT_FALSE(r.texts.anlageGewinn);
    EXPECT_FALSE(r.texts.anlageProzent);
    EXPECT_FALSE(r.texts.anlageProzentHint);
    EXPECT_FALSE(r.texts.sparenHint);
    // The chart holds the points of years 1 to 3; the sum line is not recomputed.
    EXPECT_TRUE(r.seriesCleared);
    EXPECT_EQ(r.years.size(), 3u);
    EXPECT_FALSE(r.sumLineRecomputed);
}

TEST(Simulation, YearCellThatIsNotAWholeNumberFailsInTheFirstYear)
{
    SimulationInputs in = defaults();
    GridCells grid {};
    setPayment(grid, 1, "1", "1", "100");
    setPayment(grid, 2, "5,5", "1", "100");
    setPayment(grid, 3, "1", "1", "100");
    const SimulationResult r = simulate(in, grid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::Year);
    EXPECT_EQ(r.failedYear, 1);
    EXPECT_EQ(r.failureMessage, "'5,5' ist kein gültiger Integerwert");
    EXPECT_TRUE(r.years.empty());
    // Column 1 (year 1) was applied before column 2 failed; column 3 was not.
    EXPECT_EQ(r.state.sonderzahlungen, 100);
}

TEST(Simulation, InitialSumThatDoesNotParseKeepsTheChartAndTheOtherResults)
{
    SimulationInputs in = defaults();
    const SimulationResult good = simulate(in, kEmptyGrid);
    in.anlageSumme = "1,000,50"; // "1.000,50" after the recompute's correction of the first point
    const SimulationResult r = simulate(in, kEmptyGrid, good.state);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::StartValues);
    EXPECT_EQ(r.texts.anlageWunsch, "0,00");
    EXPECT_EQ(r.texts.kapitaleinsatz, "0,00");
    EXPECT_FALSE(r.texts.dividenteWiederanlage);
    EXPECT_FALSE(r.texts.sparenHint);
    EXPECT_FALSE(r.seriesCleared);
    EXPECT_TRUE(r.years.empty());
    EXPECT_FALSE(r.sumLineRecomputed);
    EXPECT_EQ(r.state.depotwert, good.state.depotwert);
}

TEST(Simulation, FailureKeepsTheStateNumbersNotYetReached)
{
    SimulationInputs in = defaults();
    const SimulationResult good = simulate(in, kEmptyGrid);
    in.rendite = "5";
    in.dividente = "abc";
    const SimulationResult r = simulate(in, kEmptyGrid, good.state);
    EXPECT_EQ(r.failedStep, FailureStep::Rates);
    EXPECT_EQ(r.state.zinssatz, 0.05); // written before Dividente failed
    EXPECT_EQ(r.state.dividendensatz, good.state.dividendensatz);
    EXPECT_EQ(r.state.kapitalsumme, good.state.kapitalsumme);
    EXPECT_FALSE(r.seriesCleared);
}

TEST(Simulation, MonthlyAmountThatDoesNotParseClearsTheChart)
{
    SimulationInputs in = defaults();
    in.sparen = "5o";
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_EQ(r.failedStep, FailureStep::Amounts);
    EXPECT_TRUE(r.seriesCleared);
    EXPECT_TRUE(r.years.empty());
    EXPECT_FALSE(r.sumLineRecomputed);
    EXPECT_EQ(r.failureMessage, "'5o' ist kein gültiger Gleitkommawert");
}

TEST(Simulation, PercentHintHalvesTheExactCentPercentage)
{
    // 1000 growing by a yearly amount of 0,75 over two years: 0,15 % in all,
    // 0,075 % a year, which shows as 0,08.
    SimulationInputs in = defaults();
    in.anlageSumme = "1000";
    in.rendite = "0";
    in.sparen = "0";
    in.dividente = "0";
    in.edit1 = "0,75";
    in.years = 2;
    const SimulationResult r = simulate(in, kEmptyGrid);
    ASSERT_TRUE(r.ok) << r.failureMessage;
    EXPECT_EQ(r.texts.anlageProzent, "0,15 %");
    EXPECT_EQ(r.texts.anlageProzentHint, "0,08 % ohne Zinses Zins berechnet");
    in.edit1 = "-0,75";
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.anlageProzentHint, "-0,08 % ohne Zinses Zins berechnet");
}

TEST(Simulation, SparenHintRoundsTwelveTimesTheTypedAmountHalfToEven)
{
    // 12 x 0,01125 = 0,135 and 12 x 0,00875 = 0,105: exact half cents, which
    // go to the even cent whichever way the double of the amount leans.
    SimulationInputs in = defaults();
    in.sparen = "0,01125";
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.sparenHint, "0,14 im Jahr");
    in.sparen = "0,00875";
    EXPECT_EQ(simulate(in, kEmptyGrid).texts.sparenHint, "0,1 im Jahr");
}

TEST(Simulation, ZeroCapitalShowsZeroPercentAndKeepsTheHint)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "0";
    in.sparen = "0";
    const SimulationResult r = simulate(in, kEmptyGrid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.texts.anlageProzent, "0,00 %");
    EXPECT_FALSE(r.texts.anlageProzentHint);
    EXPECT_EQ(r.texts.anlageWunsch, "0,00");
    EXPECT_EQ(r.texts.sparenHint, "0 im Jahr");
}

TEST(Simulation, ResultTooLargeToRoundToCentsFailsAfterTheChart)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "1E17";
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::ResultLabels);
    EXPECT_EQ(r.texts.anlageWunsch, "0,00");
    EXPECT_EQ(r.texts.kapitaleinsatz, "0,00");
    EXPECT_FALSE(r.texts.dividenteWiederanlage);
    EXPECT_EQ(r.years.size(), 10u);
    EXPECT_TRUE(r.sumLineRecomputed);
    EXPECT_GT(r.state.depotwert, 1e17); // kept in the window object all the same
}

TEST(Simulation, LabelsWrittenBeforeAFailureInStep10AreReported)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "1E-300";
    in.sparen = "0";
    in.edit1 = "1000";
    in.years = 1;
    // Kapitalsumme 1E-300: the percentage is far too large to round to cents.
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::ResultLabels);
    EXPECT_EQ(r.texts.dividenteWiederanlage, "0,00");
    EXPECT_EQ(r.texts.anlageGewinn, "1000,00");
    EXPECT_FALSE(r.texts.anlageProzent);
}

TEST(Simulation, SparenHintTooLargeFailsInStep11)
{
    SimulationInputs in = defaults();
    in.sparen = "1E16";
    in.rendite = "0";
    in.dividente = "0";
    in.anlageSumme = "-1,2E17";
    in.years = 1;
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_EQ(r.failedStep, FailureStep::SparenHint);
    EXPECT_EQ(r.texts.anlageWunsch, "0,00");
    EXPECT_EQ(r.texts.dividenteWiederanlage, "0,00");
    EXPECT_FALSE(r.texts.sparenHint);
}

TEST(Simulation, OverflowEndsTheRunInsteadOfGivingInfinity)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "1E300";
    in.rendite = "1E10";
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::Year);
    EXPECT_EQ(r.failureMessage, "Gleitkommaüberlauf");
    EXPECT_TRUE(std::isfinite(r.state.depotwert));
}

// 1E306 a month and nothing else: month 180 (year 15) is the first beyond
// the range of double (1,7976931348623157E308).
TEST(Simulation, OverflowInsideAYearFailsThatYearWithTheYearsBefore)
{
    SimulationInputs in = defaults();
    in.comboBox1 = kModeMonthly;
    in.anlageSumme = "0";
    in.rendite = "0";
    in.dividente = "0";
    in.sparen = "1E306";
    in.years = 30;
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::Year);
    EXPECT_EQ(r.failedYear, 15);
    EXPECT_EQ(r.failureMessage, "Gleitkommaüberlauf");
    ASSERT_EQ(r.years.size(), 14u);
    EXPECT_EQ(r.years.back().label, "14");
    EXPECT_EQ(r.years.back().seriesAppended, 4);
    EXPECT_FALSE(r.sumLineRecomputed);
    // Year 15 failed in its months: the depot and the capital are those of year 14.
    EXPECT_NEAR(r.state.depotwert, 1.68e308, 1e295);
    EXPECT_EQ(r.state.jahresstart, r.state.depotwert);
    EXPECT_NEAR(r.state.kapitalsumme, 1.68e308, 1e295);
    EXPECT_EQ(r.years.back().wertentwicklung, 0); // the sum line was not reached
}

// Kapitalsumme stays at -1,7E308 while the yearly amount lifts the depot to
// 0 and then 1,7E308: the Rendite of year 2 is beyond double.
TEST(Simulation, OverflowWhileAppendingKeepsThePartOfThePointAlreadyAppended)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "-1,7E308";
    in.edit1 = "1,7E308";
    in.rendite = "0";
    in.dividente = "0";
    in.sparen = "0";
    in.years = 5;
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::Year);
    EXPECT_EQ(r.failedYear, 2);
    EXPECT_EQ(r.failureMessage, "Gleitkommaüberlauf");
    ASSERT_EQ(r.years.size(), 2u);
    EXPECT_EQ(r.years[0].seriesAppended, 4);
    EXPECT_EQ(r.years[0].rendite, 1.7e308);
    EXPECT_EQ(r.years[1].label, "2");
    EXPECT_EQ(r.years[1].seriesAppended, 1);
    EXPECT_EQ(r.years[1].kapitaleinsatz, -1.7e308);
    EXPECT_EQ(r.state.depotwert, 1.7e308);
    EXPECT_EQ(r.state.kapitalsumme, -1.7e308);
}

// Growing a hundredfold a year, 1E304 passes the range of double in year 3,
// before the year reaches its payment.
TEST(Simulation, OverflowBeforeAnUnreadableCellOfTheSameYearWins)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "1E304";
    in.rendite = "10000";
    GridCells grid {};
    setPayment(grid, 1, "3", "x", "100");
    const SimulationResult r = simulate(in, grid);
    EXPECT_EQ(r.failedStep, FailureStep::Year);
    EXPECT_EQ(r.failedYear, 3);
    EXPECT_EQ(r.failureMessage, "Gleitkommaüberlauf");
    EXPECT_EQ(r.years.size(), 2u);
}

TEST(Simulation, CellsBeyondTheShortFormReadAsTheirValue)
{
    SimulationInputs in = defaults();
    in.years = 1;
    in.sparen = "0";
    in.dividente = "0";
    GridCells grid {};
    setPayment(grid, 1, "1", "0,7E1", "1,2E3");
    const SimulationResult r = simulate(in, grid);
    ASSERT_TRUE(r.ok) << r.failureMessage;
    EXPECT_EQ(r.texts.anlageWunsch, "12260,00");
    EXPECT_EQ(r.texts.kapitaleinsatz, "11200,00");
}

// A depot of 1E308 and Dividendensumme -1,7E308 after one year: Kapitaleinsatz
// plus Rendite, the sum's first step, is 2,7E308.
TEST(Simulation, SumLineOverflowFailsAfterTheChartWithoutSums)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "1,7E308";
    in.edit1 = "1E308";
    in.rendite = "0";
    in.sparen = "0";
    in.dividente = "-100";
    in.years = 1;
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedStep, FailureStep::SumLine);
    EXPECT_EQ(r.failureMessage, "Gleitkommaüberlauf");
    ASSERT_EQ(r.years.size(), 1u);
    EXPECT_EQ(r.years[0].seriesAppended, 4);
    EXPECT_EQ(r.years[0].rendite, 1e308);
    EXPECT_EQ(r.years[0].wertentwicklung, 0);
    EXPECT_FALSE(r.sumLineRecomputed);
    EXPECT_EQ(r.texts.anlageWunsch, "0,00");
}

TEST(Simulation, ValueBeyondDoubleInAFieldFails)
{
    SimulationInputs in = defaults();
    in.anlageSumme = "1E400";
    const SimulationResult r = simulate(in, kEmptyGrid);
    EXPECT_EQ(r.failedStep, FailureStep::StartValues);
}

TEST(Simulation, NoYearsWhenTheSpinnerIsBelowOne)
{
    SimulationInputs in = defaults();
    const SimulationResult good = simulate(in, kEmptyGrid);
    in.years = -3;
    const SimulationResult r = simulate(in, kEmptyGrid, good.state);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.years.empty());
    EXPECT_EQ(r.state.depotwert, good.state.depotwert); // not written by a run without years
    in.years = 0;
    const SimulationResult zero = simulate(in, kEmptyGrid, good.state);
    EXPECT_EQ(zero.failedStep, FailureStep::ResultLabels); // the percentage divided by 0 years
    EXPECT_TRUE(zero.texts.anlageProzent);
}

TEST(Simulation, HundredYearsWithNinetyNinePaymentsRuns)
{
    SimulationInputs in = defaults();
    in.comboBox1 = kModeMonthly;
    in.years = 100;
    GridCells grid {};
    for (int c = 1; c <= 99; ++c)
        setPayment(grid, c, std::to_string(c), std::to_string(c % 12 + 1), std::to_string(c * 10));
    const SimulationResult r = simulate(in, grid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.years.size(), 100u);
    EXPECT_EQ(r.state.sonderzahlungen, 49500);
}

} // namespace
