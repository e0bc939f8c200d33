// Generating a report of ten pages into the page store: a heading, a chart
// picture and a memo that continues over the pages, as the printed plans have.
#include "report/engine/image.h"
#include "report/engine/label.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"
#include "report/store/printer.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int pagesWanted = 10;

void buildReport(TBVReport& report, int memoLines)
{
    report.setUnits(TBVUnit::MM);
    report.Page().setPaperSize(TBVPaperSize::A4);
    report.PrintIfEmpty = true;
    TBVBand& detail = report.addBand(TBVBandType::rbDetail);
    detail.Size().setValue(TBVBandSize::Height, 216.694L);
    detail.AlignToBottom = true;
    detail.add<TBVLabel>("Titel").setCaption("Anlageentwicklung");
    auto& chart = detail.add<TBVImage>("Chart");
    chart.Size().setValue(TBVPrintableSize::Top, 25);
    chart.Size().setValue(TBVPrintableSize::Width, 160);
    chart.Size().setValue(TBVPrintableSize::Height, 106);
    QImage picture(600, 400, QImage::Format_RGB32);
    picture.fill(QColor(230, 240, 255));
    chart.setPicture(picture);
    auto& memo = detail.add<TBVMemo>("BVMemo1");
    memo.Size().setValue(TBVPrintableSize::Top, 140);
    memo.Size().setValue(TBVPrintableSize::Height, 4.5L);
    memo.AutoStretch = true;
    QStringList lines;
    for (int i = 1; i <= memoLines; ++i)
        lines << QString("Jahr %1, Monat %2: Sonderzahlung %3,00 €").arg(i / 12 + 1).arg(i % 12 + 1).arg(i * 10);
    memo.setLines(lines);
    detail.setHasChild(true);
    detail.FindChildBand()->Size().setValue(TBVBandSize::Height, 10.583L);
    detail.FindChildBand()->AlignToBottom = true;
    detail.FindChildBand()->add<TBVLabel>("Hinweis").setCaption("Alle Angaben ohne Gewähr.");
}

void GenerateTenPagesIntoThePageStore(benchmark::State& state)
{
    TBVReport report;
    // Each page holds the memo lines of 60 mm of growth: about 16 lines of 10 pt text.
    buildReport(report, pagesWanted * 16 - 4);
    int pages = 0;
    for (auto _ : state) {
        TBVPrinter printer;
        report.generate(printer);
        pages = printer.PageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] = benchmark::Counter(pages * static_cast<double>(state.iterations()) / 1000.0,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}

BENCHMARK(GenerateTenPagesIntoThePageStore)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
