// The form recompute is what every keystroke and every search trial costs.
#include "form_model.h"
#include "form_services.h"
#include "net_form.h"
#include "target_solvers.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

class SilentServices : public FormServices {
public:
    QString answer;
    QString inputBox(const QString&, const QString&, const QString& preset) override
    {
        return answer.isEmpty() ? preset : answer;
    }
    void showError(const QString&) override { }
    void showInformation(const QString&) override { }
    void showMessage(const QString&) override { }
    void setBusy(bool) override { }
};

// 100 years, monthly compounding and 99 extra payments spread over the years.
void fillLargestPlan(FormModel& form)
{
    form.setFieldText(Field::ComboBox1, QStringLiteral("monatlich"));
    for (int column = 1; column <= 99; ++column) {
        form.setGridCell(0, column, QString::number(column));
        form.setGridCell(1, column, QString::number(column % 12 + 1));
        form.setGridCell(2, column, QString::number(column % 2 ? 500 : -300));
    }
    form.setYears(100);
}

void BM_FormRecomputeDefaults(benchmark::State& state)
{
    SilentServices services;
    FormModel form(services);
    for (auto _ : state) {
        form.recompute();
        benchmark::DoNotOptimize(form.depotwert());
    }
}
BENCHMARK(BM_FormRecomputeDefaults)->Unit(benchmark::kMicrosecond);

void BM_FormRecomputeLargestPlan(benchmark::State& state)
{
    SilentServices services;
    FormModel form(services);
    fillLargestPlan(form);
    for (auto _ : state) {
        form.recompute();
        benchmark::DoNotOptimize(form.depotwert());
    }
}
BENCHMARK(BM_FormRecomputeLargestPlan)->Unit(benchmark::kMicrosecond);

// The same recompute with the page "Netto" following it: the plan's
// simulation, then the net view (the depot's path with and without fund
// costs, the year's taxes).
void BM_FormRecomputeLargestPlanWithNetView(benchmark::State& state)
{
    SilentServices services;
    FormModel form(services);
    NetForm net(form);
    fillLargestPlan(form);
    for (auto _ : state) {
        form.recompute();
        benchmark::DoNotOptimize(net.result().netto);
    }
}
BENCHMARK(BM_FormRecomputeLargestPlanWithNetView)->Unit(benchmark::kMicrosecond);

// Both recomputes in turn, so that the ratio (target: at most 2.5) compares
// them under the same load of the machine; timed in the thread's processor
// time, which other processes do not inflate.
double threadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_NetViewRatio_LargestPlan(benchmark::State& state)
{
    SilentServices services;
    FormModel plain(services);
    FormModel followed(services);
    NetForm net(followed);
    fillLargestPlan(plain);
    fillLargestPlan(followed);
    double withoutNet = 0;
    double withNet = 0;
    for (auto _ : state) {
        const double t0 = threadSeconds();
        plain.recompute();
        const double t1 = threadSeconds();
        followed.recompute();
        const double t2 = threadSeconds();
        withoutNet += t1 - t0;
        withNet += t2 - t1;
        benchmark::DoNotOptimize(net.result().netto);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["plan_us"] = withoutNet / n * 1e6;
    state.counters["with_net_us"] = withNet / n * 1e6;
    state.counters["ratio"] = withNet / withoutNet;
}
BENCHMARK(BM_NetViewRatio_LargestPlan)->Unit(benchmark::kMicrosecond);

// A typed change: the write itself runs the recompute.
void BM_FormFieldWriteLargestPlan(benchmark::State& state)
{
    SilentServices services;
    FormModel form(services);
    fillLargestPlan(form);
    int i = 0;
    for (auto _ : state) {
        form.setFieldText(Field::Sparen, QString::number(50 + (++i & 1)));
        benchmark::DoNotOptimize(form.depotwert());
    }
}
BENCHMARK(BM_FormFieldWriteLargestPlan)->Unit(benchmark::kMicrosecond);

void BM_FormSearchMonthly(benchmark::State& state)
{
    SilentServices services;
    services.answer = QStringLiteral("50000");
    for (auto _ : state) {
        FormModel form(services);
        form.recompute();
        TargetSolvers solvers(form);
        benchmark::DoNotOptimize(solvers.AnlageWunschDblClick().trials);
    }
}
BENCHMARK(BM_FormSearchMonthly)->Unit(benchmark::kMillisecond);

void BM_FormSearchPayoutLargestPlan(benchmark::State& state)
{
    SilentServices services;
    for (auto _ : state) {
        FormModel form(services);
        fillLargestPlan(form);
        TargetSolvers solvers(form);
        benchmark::DoNotOptimize(solvers.Label15DblClick().trials);
    }
}
BENCHMARK(BM_FormSearchPayoutLargestPlan)->Unit(benchmark::kMillisecond);

}
