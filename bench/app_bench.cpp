// The form recompute is what every keystroke and every search trial costs.
#include "form_model.h"
#include "form_services.h"
#include "target_solvers.h"

#include <benchmark/benchmark.h>

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
