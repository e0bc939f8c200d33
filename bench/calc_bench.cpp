// Benchmarks of the calculation module:
//   - the simulation core, 100 years "monatlich" with 99 extra payments,
//     beside a bare loop of the same arithmetic as its floor, and the net
//     view of the same plan;
//   - each search: the three worked examples and a payout over
//     100 years, driven through a minimal stand-in for the form model (a
//     trial write runs the simulation when the text changes).
#include "calc/net_view.h"
#include "calc/simulation.h"
#include "calc/target_search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

using namespace fundorix::calc;

namespace {

using Extended = long double;

SimulationInputs coreInputs()
{
    SimulationInputs in;
    in.comboBox1 = kModeMonthly;
    in.years = 100;
    return in;
}

GridCells coreGrid()
{
    GridCells grid {};
    for (int c = 1; c <= 99; ++c) {
        grid[0][c] = std::to_string(c);
        grid[1][c] = std::to_string(c % 12 + 1);
        grid[2][c] = std::to_string(c * 10) + ",5";
    }
    return grid;
}

void BM_SimulationCore(benchmark::State& st)
{
    const SimulationInputs in = coreInputs();
    const GridCells grid = coreGrid();
    SimulationState state;
    for (auto _ : st) {
        SimulationResult r = simulate(in, grid, state);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_SimulationCore)->Unit(benchmark::kMicrosecond);

// The net view of the same plan beside it, as the form runs it after a
// successful recompute: two walks of the depot's path (with and without
// fund costs) and the year's taxes.
void BM_NetViewCore(benchmark::State& st)
{
    const SimulationInputs in = coreInputs();
    const GridCells grid = coreGrid();
    const NetOptions options;
    for (auto _ : st) {
        NetResult r = computeNet(in, grid, options, true);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_NetViewCore)->Unit(benchmark::kMicrosecond);

// The floor: the same arithmetic with the parsing, checks, texts and chart
// points taken away: per month two formulas in extended precision, each
// stored as double; per year the dividend, one extra payment, the capital.
struct BareLoop {
    double payments[101] = {};
    double months[101] = {};

    BareLoop()
    {
        for (int c = 1; c <= 99; ++c) {
            payments[c] = c * 10 + 0.5;
            months[c] = c % 12 + 1;
        }
    }

    void run() const
    {
        double zins = 0.1, div = 0.015, rate = 50, yearly = 0;
        benchmark::DoNotOptimize(zins);
        double start = 10000, depot = 0, kapital = 10000, dividends = 0, extra = 0;
        for (int i = 1; i <= 100; ++i) {
            double l = start;
            for (int j = 1; j <= 12; ++j) {
                l = static_cast<double>(Extended(l) + rate);
                l = static_cast<double>(Extended(l) * zins / 12 + l);
            }
            depot = static_cast<double>(Extended(l) * div + l + yearly);
            dividends = static_cast<double>(Extended(start) * div + dividends);
            if (i <= 99) {
                const Extended a = payments[i], m = months[i];
                depot = static_cast<double>((13 - m) * (a * zins) / 12 + (a + depot));
                kapital = static_cast<double>(a + kapital);
                extra = static_cast<double>(a + extra);
            }
            kapital = static_cast<double>(Extended(rate) * 12 + kapital);
            start = depot;
        }
        benchmark::DoNotOptimize(depot);
        benchmark::DoNotOptimize(kapital);
        benchmark::DoNotOptimize(dividends);
        benchmark::DoNotOptimize(extra);
    }
};

void BM_SimulationCoreFloor_BareLoop(benchmark::State& st)
{
    const BareLoop floor;
    for (auto _ : st)
        floor.run();
}
BENCHMARK(BM_SimulationCoreFloor_BareLoop)->Unit(benchmark::kMicrosecond);

// The core against its floor in one figure: blocks of runs of each in turn,
// so that both see the same load of a shared machine. The counter
// core_to_floor is the ratio of the fastest blocks (the least disturbed).
void BM_SimulationCoreToFloor(benchmark::State& st)
{
    const SimulationInputs in = coreInputs();
    const GridCells grid = coreGrid();
    const SimulationState state;
    const BareLoop floor;
    constexpr int kRunsPerBlock = 20;
    using Clock = std::chrono::steady_clock;
    Clock::duration bestCore = Clock::duration::max();
    Clock::duration bestFloor = Clock::duration::max();
    for (auto _ : st) {
        const auto t0 = Clock::now();
        for (int k = 0; k < kRunsPerBlock; ++k) {
            SimulationResult r = simulate(in, grid, state);
            benchmark::DoNotOptimize(r);
        }
        const auto t1 = Clock::now();
        for (int k = 0; k < kRunsPerBlock; ++k)
            floor.run();
        const auto t2 = Clock::now();
        bestCore = std::min(bestCore, t1 - t0);
        bestFloor = std::min(bestFloor, t2 - t1);
    }
    st.counters["core_to_floor"] = std::chrono::duration<double>(bestCore) / std::chrono::duration<double>(bestFloor);
}
BENCHMARK(BM_SimulationCoreToFloor)->Unit(benchmark::kMicrosecond);

// The floor of the floor: the monthly loop in plain double arithmetic
// (not what the calculation prescribes; shows the cost of extended
// precision with a rounding to double after every formula).
void BM_SimulationCoreFloor_DoubleOnly(benchmark::State& st)
{
    for (auto _ : st) {
        double zins = 0.1, rate = 50;
        benchmark::DoNotOptimize(zins);
        double l = 10000;
        for (int i = 1; i <= 100; ++i)
            for (int j = 1; j <= 12; ++j) {
                l = l + rate;
                l = l * zins / 12 + l;
            }
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_SimulationCoreFloor_DoubleOnly)->Unit(benchmark::kMicrosecond);

// A minimal form: field texts, grid, kept state, the shown depot value.
struct Form {
    SimulationInputs inputs;
    GridCells grid {};
    SimulationState state;
    std::string anlageWunsch;

    void recompute()
    {
        const SimulationResult r = simulate(inputs, grid, state);
        state = r.state;
        if (r.texts.anlageWunsch)
            anlageWunsch = *r.texts.anlageWunsch;
    }
    void write(std::string& field, const std::string& text)
    {
        if (field != text) {
            field = text;
            recompute();
        }
    }
};

SearchResult solve(Form& f, SolverOperation op, double target, bool fastForward)
{
    if (op == SolverOperation::Payout)
        f.write(f.inputs.anlageSumme, f.anlageWunsch);
    std::string& field = op == SolverOperation::Rate ? f.inputs.rendite : f.inputs.sparen;
    SearchSetup setup { op, target, f.inputs.anlageSumme, field, f.inputs.years, f.state.depotwert };
    const SimulationInputs before = f.inputs;
    if (fastForward) {
        setup.inputs = &before;
        setup.grid = &f.grid;
    }
    // Every trial written runs out of the default work long before the
    // fast-forward would; the comparison wants the whole search.
    const SearchLimits limits = fastForward ? SearchLimits {} : SearchLimits { std::int64_t(1) << 40 };
    const SearchResult r = searchTarget(
        setup,
        [&](const std::string& text) {
            f.write(field, text);
            return f.state.depotwert;
        },
        limits);
    f.write(field, r.fieldText);
    return r;
}

void runSearch(benchmark::State& st, Form start, SolverOperation op, double target, bool fastForward)
{
    start.recompute();
    std::int64_t trials = 0;
    bool bounded = false;
    for (auto _ : st) {
        Form f = start;
        const SearchResult r = solve(f, op, target, fastForward);
        trials = r.trials;
        bounded = r.bounded;
        benchmark::DoNotOptimize(f.state.depotwert);
    }
    st.counters["trials"] = static_cast<double>(trials);
    st.counters["bounded"] = bounded ? 1 : 0;
}

Form defaults() { return Form {}; }

Form hundredYears(const char* mode)
{
    Form f;
    f.inputs.years = 100;
    f.inputs.comboBox1 = mode;
    return f;
}

void BM_Search_MonthlyAmount_Target50000(benchmark::State& st)
{
    runSearch(st, defaults(), SolverOperation::MonthlyAmount, 50000, true);
}
BENCHMARK(BM_Search_MonthlyAmount_Target50000)->Unit(benchmark::kMillisecond);

void BM_Search_Rate_Target50000(benchmark::State& st) { runSearch(st, defaults(), SolverOperation::Rate, 50000, true); }
BENCHMARK(BM_Search_Rate_Target50000)->Unit(benchmark::kMillisecond);

void BM_Search_Payout_Defaults(benchmark::State& st) { runSearch(st, defaults(), SolverOperation::Payout, 0, true); }
BENCHMARK(BM_Search_Payout_Defaults)->Unit(benchmark::kMillisecond);

void BM_Search_Payout_100Years(benchmark::State& st)
{
    runSearch(st, hundredYears(kModeYearly), SolverOperation::Payout, 0, true);
}
BENCHMARK(BM_Search_Payout_100Years)->Unit(benchmark::kMillisecond);

void BM_Search_Payout_100YearsMonthly(benchmark::State& st)
{
    runSearch(st, hundredYears(kModeMonthly), SolverOperation::Payout, 0, true);
}
BENCHMARK(BM_Search_Payout_100YearsMonthly)->Unit(benchmark::kMillisecond);

// Half a million trials in steps of 1000 before the search closes in.
void BM_Search_MonthlyAmount_100Years_Target5e9(benchmark::State& st)
{
    runSearch(st, hundredYears(kModeYearly), SolverOperation::MonthlyAmount, 5e9, true);
}
BENCHMARK(BM_Search_MonthlyAmount_100Years_Target5e9)->Unit(benchmark::kMillisecond);

// The same 100-year payout with every trial written (no fast-forward), for
// comparison: the plain search needs 84 204 trials here.
void BM_Search_Payout_100Years_EveryTrialWritten(benchmark::State& st)
{
    runSearch(st, hundredYears(kModeYearly), SolverOperation::Payout, 0, false);
}
BENCHMARK(BM_Search_Payout_100Years_EveryTrialWritten)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
