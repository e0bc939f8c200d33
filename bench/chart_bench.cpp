// Rendering speed of the program's chart: the 600 x 400 bitmap of the printed
// plans and a repaint of the chart page at its usual on-screen size.
#include "chart/savings_chart.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "chart_bench";
    static char* argv[] = { name, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir runtimeDir;
    QFile::setPermissions(runtimeDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    static QGuiApplication application(argc, argv);
}

std::vector<SavingsChartYear> years(int count)
{
    std::vector<SavingsChartYear> result;
    for (int i = 1; i <= count; ++i)
        result.push_back({ 1200.0 * i, 35.0 * i * i, 6.0 * i * i, i >= 3 ? 1200.0 : 0.0 });
    return result;
}

struct FilledChart {
    TChart chart;
    SavingsChartSeries series;

    explicit FilledChart(int yearCount)
        : series(buildSavingsChart(chart))
    {
        fillSavingsChart(series, years(yearCount));
    }
};

void BM_RenderToBitmap600x400(benchmark::State& state)
{
    ensureApplication();
    FilledChart filled(int(state.range(0)));
    for (auto _ : state) {
        QImage image = filled.chart.RenderToBitmap(filled.chart.Color, QRect(0, 0, 600, 400));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderToBitmap600x400)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Repaint472x190(benchmark::State& state)
{
    ensureApplication();
    FilledChart filled(int(state.range(0)));
    QImage surface(472, 190, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&surface);
        filled.chart.RenderChart(painter, surface.rect());
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_Repaint472x190)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_RefillAndSum(benchmark::State& state)
{
    ensureApplication();
    FilledChart filled(0);
    const std::vector<SavingsChartYear> values = years(int(state.range(0)));
    for (auto _ : state)
        fillSavingsChart(filled.series, values);
}
BENCHMARK(BM_RefillAndSum)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
