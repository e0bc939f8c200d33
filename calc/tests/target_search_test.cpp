// The common search of the target solvers, driven through a small stand-in for the
// form model: a trial write runs the simulation only when the text changes.
#include "calc/number_text.h"
#include "calc/simulation.h"
#include "calc/target_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

using namespace fundorix::calc;

namespace {

// The part of the form model the search needs: field texts, the grid, the
// kept state, and "write a text, recompute when it differs".
struct Form {
    SimulationInputs inputs;
    GridCells grid {};
    SimulationState state;
    ResultTexts shown;
    int recomputes = 0;
    int writes = 0;

    Form() { recompute(); }

    std::vector<YearValues> chart;

    void recompute()
    {
        ++recomputes;
        const SimulationResult r = simulate(inputs, grid, state);
        state = r.state;
        auto apply = [](std::optional<std::string>& shownText, const std::optional<std::string>& written) {
            if (written)
                shownText = written;
        };
        apply(shown.anlageWunsch, r.texts.anlageWunsch);
        apply(shown.kapitaleinsatz, r.texts.kapitaleinsatz);
        apply(shown.dividenteWiederanlage, r.texts.dividenteWiederanlage);
        apply(shown.anlageGewinn, r.texts.anlageGewinn);
        apply(shown.anlageProzent, r.texts.anlageProzent);
        apply(shown.anlageProzentHint, r.texts.anlageProzentHint);
        apply(shown.sparenHint, r.texts.sparenHint);
        if (r.seriesCleared)
            chart = r.years;
    }
    void write(std::string& field, const std::string& text)
    {
        ++writes;
        if (field == text)
            return;
        field = text;
        recompute();
    }
    std::string& fieldOf(SolverOperation op) { return op == SolverOperation::Rate ? inputs.rendite : inputs.sparen; }

    // The operation as the window runs it, with `entered` as the input box's text.
    // fastForward: hand the inputs and the grid to the search (see SearchSetup).
    SearchResult solve(
        SolverOperation op, const std::string& entered = "", const SearchLimits& limits = {}, bool fastForward = true)
    {
        double target = 0;
        if (op == SolverOperation::Payout) {
            write(inputs.anlageSumme, *shown.anlageWunsch);
        } else {
            const auto t = parseTargetText(entered);
            if (!t)
                return {};
            target = *t;
        }
        std::string& field = fieldOf(op);
        SearchSetup setup { op, target, inputs.anlageSumme, field, inputs.years, state.depotwert };
        const SimulationInputs before = inputs;
        if (fastForward) {
            setup.inputs = &before;
            setup.grid = &grid;
        }
        const SearchResult r = searchTarget(
            setup,
            [&](const std::string& text) {
                write(field, text);
                return state.depotwert;
            },
            limits);
        write(field, r.fieldText);
        if (r.sparenHint)
            shown.sparenHint = r.sparenHint;
        return r;
    }
};

TEST(TargetSearch, MonthlyAmountForADepotValueOf50000)
{
    Form f;
    const SearchResult r = f.solve(SolverOperation::MonthlyAmount, "50000");
    EXPECT_FALSE(r.bounded);
    EXPECT_EQ(f.inputs.sparen, "90,17");
    EXPECT_EQ(f.shown.sparenHint, "1082,09 im Jahr");
    EXPECT_EQ(f.shown.anlageWunsch, "49999,00");
    EXPECT_GT(r.trials, 5);
    EXPECT_LT(r.trials, 1000);
}

TEST(TargetSearch, RateForADepotValueOf50000)
{
    Form f;
    const SearchResult r = f.solve(SolverOperation::Rate, "50000");
    EXPECT_FALSE(r.bounded);
    EXPECT_EQ(f.inputs.rendite, "12,42");
    EXPECT_EQ(f.shown.anlageWunsch, "49992,00");
    EXPECT_FALSE(r.sparenHint);
}

TEST(TargetSearch, PayoutEmptiesTheDepotValue)
{
    Form f;
    const SearchResult r = f.solve(SolverOperation::Payout);
    EXPECT_FALSE(r.bounded);
    EXPECT_EQ(f.inputs.anlageSumme, "41134,80");
    EXPECT_EQ(f.inputs.sparen, "-561,12");
    EXPECT_EQ(f.shown.sparenHint, "-6733,49 im Jahr");
    EXPECT_EQ(f.shown.anlageWunsch, "0,88");
}

TEST(TargetSearch, PayoutOverHundredYearsMonthlyTakesLittleWork)
{
    // Tens of thousands of trials of 1200 months each: the fast-forward
    // writes a few dozen of them. The step ends too small to change the
    // 15-digit text before the depot value hits the cent, so the search is
    // stuck, gives up, and hands back the monthly amount from before.
    Form f;
    f.inputs.comboBox1 = kModeMonthly;
    f.inputs.years = 100;
    f.recompute();
    const SearchResult r = f.solve(SolverOperation::Payout);
    EXPECT_TRUE(r.bounded);
    EXPECT_EQ(r.trials, 81530);
    EXPECT_LT(r.work, 1000 * 100);
    EXPECT_EQ(f.inputs.sparen, "50");
}

TEST(TargetSearch, HalfAMillionTrialsReachTheTarget)
{
    // Defaults over 100 years to a depot value of 5 000 000 000: the search
    // walks up in steps of 1000 for about half a million trials before it
    // closes in. Counted in trials this hit the old bound of 100 000.
    Form f;
    f.inputs.years = 100;
    f.recompute();
    const SearchResult r = f.solve(SolverOperation::MonthlyAmount, "5000000000");
    EXPECT_FALSE(r.bounded);
    EXPECT_EQ(r.trials, 500066); // as many as the search writing every trial makes
    EXPECT_EQ(f.inputs.sparen, "654,66");
    EXPECT_EQ(f.shown.anlageWunsch, "5000031023,10");
    EXPECT_LT(r.work, SearchLimits().maxWork / 10);
}
TEST(TargetSearch, CancelledMonthlySearchOnlyRoundsTheAmount)
{
    Form f;
    f.write(f.inputs.sparen, "50,126");
    const int before = f.recomputes;
    const SearchResult r = f.solve(SolverOperation::MonthlyAmount, *f.shown.anlageWunsch);
    EXPECT_EQ(r.trials, 0);
    EXPECT_FALSE(r.bounded);
    EXPECT_EQ(f.inputs.sparen, "50,13");
    EXPECT_EQ(f.shown.sparenHint, "601,51 im Jahr");
    EXPECT_EQ(f.recomputes, before + 1); // only the final write
}

TEST(TargetSearch, CancelledRateSearchOnlyRoundsTheRate)
{
    Form f;
    f.write(f.inputs.rendite, "10,456");
    const SearchResult r = f.solve(SolverOperation::Rate, *f.shown.anlageWunsch);
    EXPECT_EQ(r.trials, 0);
    EXPECT_EQ(f.inputs.rendite, "10,46");
}

TEST(TargetSearch, EmptyTargetChangesNothing)
{
    EXPECT_FALSE(parseTargetText(""));
    Form f;
    const int before = f.recomputes;
    f.solve(SolverOperation::MonthlyAmount, "");
    EXPECT_EQ(f.recomputes, before);
    EXPECT_EQ(f.inputs.sparen, "50");
}

TEST(TargetSearch, TargetTextReplacesOnlyTheFirstPoint)
{
    EXPECT_EQ(parseTargetText("12345.67"), 12345.67);
    EXPECT_EQ(parseTargetText("12345,67"), 12345.67);
    try {
        parseTargetText("12.345,67");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12,345,67' ist kein gültiger Gleitkommawert");
    }
    try {
        parseTargetText("1.000.000");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,000.000' ist kein gültiger Gleitkommawert");
    }
    EXPECT_THROW(parseTargetText("1E400"), ArithmeticError);
}

TEST(TargetSearch, SetupFailureMakesNoTrial)
{
    int trials = 0;
    const TrialFunction count = [&](const std::string&) {
        ++trials;
        return 0.0;
    };
    SearchSetup setup { SolverOperation::MonthlyAmount, 50000, "abc", "50", 10, 41134.8 };
    try {
        searchTarget(setup, count);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' ist kein gültiger Gleitkommawert");
    }
    setup.anlageSumme = "10000";
    setup.fieldText = "5o";
    EXPECT_THROW(searchTarget(setup, count), ConversionError);
    setup.operation = SolverOperation::Rate;
    setup.anlageSumme = "abc"; // not used by the rate search
    setup.fieldText = "";
    EXPECT_THROW(searchTarget(setup, count), ConversionError);
    EXPECT_EQ(trials, 0);
}

TEST(TargetSearch, TargetTooLargeToRoundFails)
{
    SearchSetup setup { SolverOperation::MonthlyAmount, 1e30, "10000", "50", 10, 41134.8 };
    EXPECT_THROW(searchTarget(setup, [](const std::string&) { return 0.0; }), ArithmeticError);
}

TEST(TargetSearch, SearchWhoseDepotValueNeverMovesEndsAtTheBound)
{
    // The depot value never moves (for example the mode "xyz" ignores Sparen).
    Form f;
    f.inputs.comboBox1 = "xyz";
    f.recompute();
    const std::string depotBefore = *f.shown.anlageWunsch;
    const SearchResult r = f.solve(SolverOperation::MonthlyAmount, "50000", SearchLimits { 2000 * 10 }, false);
    EXPECT_TRUE(r.bounded);
    EXPECT_EQ(r.trials, 2000);
    EXPECT_EQ(r.work, 2000 * 10);
    EXPECT_EQ(f.inputs.sparen, "50"); // the text from before the search
    EXPECT_EQ(f.shown.sparenHint, "600 im Jahr");
    EXPECT_EQ(f.shown.anlageWunsch, depotBefore);
}

TEST(TargetSearch, SearchWhoseDepotValueNeverMovesGivesUpWithTheFastForward)
{
    Form f;
    f.inputs.comboBox1 = "xyz";
    f.recompute();
    const SearchResult r = f.solve(SolverOperation::MonthlyAmount, "50000");
    EXPECT_TRUE(r.bounded);
    EXPECT_LE(r.work, SearchLimits().maxWork + 200 * 10);
    EXPECT_EQ(f.inputs.sparen, "50");
}

TEST(TargetSearch, StuckSearchEndsAtOnce)
{
    // The step has become too small to change the 15-digit text: every
    // later trial writes the same text, runs nothing, and changes nothing.
    std::int64_t calls = 0;
    const TrialFunction flat = [&](const std::string&) {
        ++calls;
        return 10.0;
    };
    SearchSetup setup { SolverOperation::Rate, 20, "", "123456789012345", 10, 0 };
    const SearchResult r = searchTarget(setup, flat);
    EXPECT_TRUE(r.bounded);
    EXPECT_LT(r.trials, 10);
    EXPECT_EQ(calls, r.trials);
}

TEST(TargetSearch, OscillatingSearchEndsAtTheTrialBound)
{
    // A depot value that jumps around the target forever.
    std::int64_t calls = 0;
    const TrialFunction oscillate = [&](const std::string& text) {
        ++calls;
        const double x = static_cast<double>(parseDecimal(text));
        return (calls % 2 ? 1000.0 : -1000.0) + x * 1e-9;
    };
    SearchSetup setup { SolverOperation::Rate, 0, "", "10", 10, 5000 };
    const SearchResult r = searchTarget(setup, oscillate, SearchLimits { 5000 * 10 });
    EXPECT_TRUE(r.bounded);
    EXPECT_EQ(r.trials, 5000);
    EXPECT_EQ(calls, 5000);
}

TEST(TargetSearch, GivingUpHandsBackTheTextFromBefore)
{
    // The depot value jumps over the target 0 where the rate crosses 0 and
    // never comes closer than 1.
    const TrialFunction f = [](const std::string& text) {
        const double x = static_cast<double>(parseDecimal(text));
        return x >= 0 ? 1 + x : -1 + x;
    };
    SearchSetup setup { SolverOperation::Rate, 0, "", "0,55", 10, 1.55 };
    const SearchResult r = searchTarget(setup, f, SearchLimits { 500 * 10 });
    EXPECT_TRUE(r.bounded);
    EXPECT_EQ(r.fieldText, "0,55");
    EXPECT_FALSE(r.sparenHint);
}

TEST(TargetSearch, RateBelowMinus100PercentStillEnds)
{
    // The depot value swings between signs from year to year here, yet
    // still moves steadily with the monthly amount over the ten years.
    Form f;
    f.write(f.inputs.rendite, "-250");
    const SearchResult r = f.solve(SolverOperation::MonthlyAmount, "50000");
    EXPECT_FALSE(r.bounded);
    EXPECT_EQ(f.inputs.sparen, "-7781,42");
    EXPECT_EQ(f.shown.anlageWunsch, "49999,84");
}

// The fast-forward of the Sparen searches must not change anything: the same
// result, the same texts, state and chart in the form afterwards.
void expectSameOutcome(
    Form literal, Form fast, SolverOperation op, const std::string& target, const SearchLimits& limits = {})
{
    const SearchResult a = literal.solve(op, target, limits, false);
    const SearchResult b = fast.solve(op, target, limits, true);
    if (a.bounded && a.work >= limits.maxWork)
        return; // the literal search ran out of work where the fast one need not
    EXPECT_EQ(a.trials, b.trials);
    EXPECT_EQ(a.bounded, b.bounded);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.fieldText, b.fieldText);
    EXPECT_EQ(a.sparenHint, b.sparenHint);
    EXPECT_EQ(literal.inputs.sparen, fast.inputs.sparen);
    EXPECT_EQ(literal.inputs.anlageSumme, fast.inputs.anlageSumme);
    EXPECT_EQ(literal.state.depotwert, fast.state.depotwert);
    EXPECT_EQ(literal.state.kapitalsumme, fast.state.kapitalsumme);
    EXPECT_EQ(literal.state.dividendensumme, fast.state.dividendensumme);
    auto texts = [](const ResultTexts& t) {
        return std::tie(t.anlageWunsch, t.kapitaleinsatz, t.dividenteWiederanlage, t.anlageGewinn, t.anlageProzent,
            t.anlageProzentHint, t.sparenHint);
    };
    EXPECT_TRUE(texts(literal.shown) == texts(fast.shown));
    ASSERT_EQ(literal.chart.size(), fast.chart.size());
    for (std::size_t i = 0; i < literal.chart.size(); ++i)
        EXPECT_EQ(literal.chart[i].wertentwicklung, fast.chart[i].wertentwicklung);
    EXPECT_LE(fast.writes, literal.writes);
    if (a.trials > 1000) { // the fast-forward did its work
        EXPECT_LT(fast.writes, literal.writes / 10);
    }
}

struct FastCase {
    const char* name;
    const char* mode;
    int years;
    const char* anlageSumme;
    const char* rendite;
    const char* sparen;
    const char* edit1;
    const char* dividente;
    bool payout;
    const char* target;
};

class FastForwardEquivalence : public testing::TestWithParam<FastCase> { };

TEST_P(FastForwardEquivalence, GivesTheLiteralOutcome)
{
    const FastCase& c = GetParam();
    Form f;
    f.inputs.comboBox1 = c.mode;
    f.inputs.years = c.years;
    f.inputs.anlageSumme = c.anlageSumme;
    f.inputs.rendite = c.rendite;
    f.inputs.sparen = c.sparen;
    f.inputs.edit1 = c.edit1;
    f.inputs.dividente = c.dividente;
    f.grid[0][1] = "2";
    f.grid[1][1] = "5";
    f.grid[2][1] = "-2000";
    f.recompute();
    expectSameOutcome(
        f, f, c.payout ? SolverOperation::Payout : SolverOperation::MonthlyAmount, c.target, SearchLimits { 20000000 });
}

INSTANTIATE_TEST_SUITE_P(TargetSearch, FastForwardEquivalence,
    testing::Values(FastCase { "payout100yearly", "jährlich", 100, "10000", "10", "50", "0", "1,5", true, "" },
        FastCase { "payout60monthly", "monatlich", 60, "25000", "7", "100", "0", "2", true, "" },
        FastCase { "payout40quarterly", "vierteljährlich", 40, "250000", "4,5", "0", "100", "0", true, "" },
        FastCase { "target1e6halfyearly", "halbjährlich", 35, "1000", "6", "10", "0", "1", false, "1000000" },
        FastCase { "downwards", "jährlich", 20, "500000", "3", "0", "0", "0", false, "1000" },
        FastCase { "noGrowth", "jährlich", 50, "0", "0", "0", "0", "0", false, "12345678,91" },
        FastCase { "negativeRateLiteralOnly", "jährlich", 30, "10000", "-5", "50", "0", "1", false, "200000" }),
    [](const testing::TestParamInfo<FastCase>& info) { return std::string(info.param.name); });

TEST(TargetSearch, FastForwardGivesTheLiteralOutcomeForRandomPlans)
{
    std::mt19937 rng(4711);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const char* modes[] = { kModeMonthly, kModeQuarterly, kModeHalfYearly, kModeYearly };
    for (int k = 0; k < 40; ++k) {
        Form f;
        f.inputs.comboBox1 = modes[pick(0, 3)];
        f.inputs.years = pick(1, 45);
        f.inputs.anlageSumme = std::to_string(pick(0, 200000));
        f.inputs.rendite = std::to_string(pick(0, 12)) + "," + std::to_string(pick(0, 99));
        f.inputs.sparen = std::to_string(pick(-500, 2000));
        f.inputs.edit1 = std::to_string(pick(0, 3) * 500);
        f.inputs.dividente = std::to_string(pick(0, 3));
        if (pick(0, 1)) {
            f.grid[0][1] = std::to_string(pick(1, 10));
            f.grid[1][1] = std::to_string(pick(1, 12));
            f.grid[2][1] = std::to_string(pick(-5000, 20000));
        }
        f.recompute();
        const bool payout = pick(0, 2) == 0;
        const std::string target = std::to_string(pick(0, 3000000)) + "," + std::to_string(pick(10, 99));
        SCOPED_TRACE(testing::Message() << "case " << k << " mode " << f.inputs.comboBox1 << " years " << f.inputs.years
                                        << " target " << target << (payout ? " payout" : ""));
        expectSameOutcome(
            f, f, payout ? SolverOperation::Payout : SolverOperation::MonthlyAmount, target, SearchLimits { 900000 });
    }
}

TEST(TargetSearch, PayoutOverHundredYearsWritesFewTrials)
{
    Form f;
    f.inputs.years = 100;
    f.recompute();
    const int before = f.writes;
    const SearchResult r = f.solve(SolverOperation::Payout);
    EXPECT_EQ(f.inputs.anlageSumme, "945995669,03");
    EXPECT_TRUE(r.bounded); // stuck at -8617585,41802094 with the depot value at -0,02
    EXPECT_EQ(r.trials, 84204);
    EXPECT_EQ(f.inputs.sparen, "50");
    EXPECT_LT(f.writes - before, 100);
}
} // namespace
