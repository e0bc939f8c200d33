// The PDF export of the "Anlageentwicklung" plan with 99 extra payments
// (several pages and the chart) against Qt's QPdfWriter painting the same
// pages, replayed from the page store. Our export regenerates the report into
// the filter, as saving from the preview does; Qt's writer gets the finished
// pages. Prints both times and their ratio (the goal: at most 1). The HTML,
// spreadsheet and RTF exports of the same plan follow.
#include "chart_binding.h"
#include "export/html/html_document_filter.h"
#include "export/pdf/pdf_document_filter.h"
#include "export/rtf/rtf_export_filter.h"
#include "export/xls/xls_filter.h"
#include "form_model.h"
#include "form_plan_source.h"
#include "form_services.h"
#include "plans/plan_definition.h"
#include "plans/plan_output.h"
#include "plans/print_commands.h"
#include "plans/report_plan_definition.h"
#include "report/emf/emf_page.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/engine/report.h"
#include "report/store/printer.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

class SilentServices : public FormServices {
public:
    QString inputBox(const QString&, const QString&, const QString& preset) override { return preset; }
    void showError(const QString&) override { }
    void showInformation(const QString&) override { }
    void showMessage(const QString&) override { }
    void setBusy(bool) override { }
};

// Keeps the filled report instead of showing its preview.
class KeptReport : public PlanOutput {
public:
    void preview(PlanDefinition& definition) override { report = definition.report(); }
    TBVReport* report = nullptr;
};

// The plan as the print menu fills it: defaults and 99 extra payments.
struct LongPlan {
    LongPlan()
        : form(services)
        , source(form, chart)
        , commands(source, entwicklung, tilgungsplan, output)
    {
        form.setYearSeriesListener(&chart);
        for (int column = 1; column <= 99; ++column) {
            form.setGridCell(0, column, QString::number((column - 1) % 10 + 1));
            form.setGridCell(1, column, QString::number((column - 1) % 12 + 1));
            form.setGridCell(2, column, QString::number(column * 10));
        }
        form.recompute();
        commands.Anlageentwicklung1Click();
    }

    SilentServices services;
    ChartBinding chart;
    FormModel form;
    FormPlanSource source;
    TQEntwicklung entwicklung;
    TTilgungsplan tilgungsplan;
    KeptReport output;
    PrintCommands commands;
};

LongPlan& plan()
{
    static LongPlan longPlan;
    return longPlan;
}

// One export run of the plan into the filter, as saving from the preview makes it.
void exportPlan(TBVExportFilter& filter)
{
    TBVPrinter printer;
    plan().output.report->ExportToFilter(filter, printer);
}

void BM_PdfExport(benchmark::State& state)
{
    TBVReport& report = *plan().output.report;
    qint64 bytes = 0;
    for (auto _ : state) {
        TBVPDFDocumentFilter filter { QString() };
        TBVPrinter printer;
        report.ExportToFilter(filter, printer);
        bytes = filter.StreamBytes().size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PdfExport)->Unit(benchmark::kMillisecond);

void BM_QPdfWriterReplay(benchmark::State& state)
{
    TBVPrinter printer;
    plan().output.report->generate(printer);
    std::vector<std::unique_ptr<EmfPage>> pages;
    for (int n = 1; n <= printer.PageCount(); ++n)
        pages.push_back(printer.GetPage(n));
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(96);
        QPainter painter(&writer);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            PainterCanvas canvas(painter, 96, 96);
            EmfPlayer(*pages[i]).play(canvas);
        }
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_QPdfWriterReplay)->Unit(benchmark::kMillisecond);

// The other formats of the save dialog, the same plan regenerated into each
// and written to a file, the HTML document with its chart as a JPEG file.
template <typename Filter> void exportToFolder(benchmark::State& state, const QString& name)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(name);
    for (auto _ : state) {
        Filter filter { fileName };
        exportPlan(filter);
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(fileName).size());
}

void BM_HtmlExport(benchmark::State& state) { exportToFolder<TBVGHTMLDocumentFilter>(state, "plan.htm"); }
BENCHMARK(BM_HtmlExport)->Unit(benchmark::kMillisecond);

void BM_XlsExport(benchmark::State& state) { exportToFolder<TBVXLSFilter>(state, "plan.xls"); }
BENCHMARK(BM_XlsExport)->Unit(benchmark::kMillisecond);

void BM_RtfExport(benchmark::State& state) { exportToFolder<TBVRTFExportFilter>(state, "plan.rtf"); }
BENCHMARK(BM_RtfExport)->Unit(benchmark::kMillisecond);

// Shows the runs as usual and keeps the time per iteration of each.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            realMs[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpuMs[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> realMs;
    std::map<std::string, double> cpuMs;
};

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // CPU times too: on a machine busy with other work they are the steadier measure.
    for (auto* times : { &reporter.realMs, &reporter.cpuMs }) {
        const double ours = (*times)["BM_PdfExport"];
        const double qt = (*times)["BM_QPdfWriterReplay"];
        if (ours > 0 && qt > 0)
            std::printf("%s: PDF export %.2f ms, QPdfWriter %.2f ms, ratio %.2f (goal: at most 1.00)\n",
                times == &reporter.realMs ? "real time" : "CPU time", ours, qt, ours / qt);
    }
    benchmark::Shutdown();
    return 0;
}
