// Page store speed: the splay-tree code over 1 MB of page pictures, and
// reading page n of a stored report of 100 pages.
#include "report/emf/emf_canvas.h"
#include "report/store/compress.h"
#include "report/store/printer.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "report_store_bench";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

// A page as the printed plans make them: a heading, forty table lines of
// amounts and a filled band.
void drawPlanPage(PageCanvas& canvas, int number)
{
    PageFont heading;
    heading.pointSize = 14;
    heading.bold = true;
    PageFont body;
    body.pointSize = 10;
    canvas.fillRect(PageRect { 38, 38, 756, 90 }, QColor(220, 230, 255));
    canvas.drawText(
        QPoint(397, 45), QStringLiteral("Anlageentwicklung Seite %1").arg(number), heading, TextAnchor::Centre);
    for (int line = 0; line < 40; ++line) {
        const int y = 120 + line * 24;
        canvas.drawText(QPoint(60, y), QStringLiteral("%1. Jahr  Einzahlung").arg(line + 1), body, TextAnchor::Left);
        canvas.drawText(QPoint(700, y),
            QStringLiteral("%1.234,%2 €").arg(line * 17 + number).arg(line % 100, 2, 10, QChar('0')), body,
            TextAnchor::Right);
    }
    canvas.drawFrame(PageRect { 38, 38, 756, 1085 }, Qt::black, 1);
}

QByteArray oneMegabyteOfPages()
{
    ensureApplication();
    QByteArray pages;
    for (int n = 1; pages.size() < 1 << 20; ++n) {
        EmfCanvas canvas(QSize(794, 1123));
        drawPlanPage(canvas, n);
        pages.append(canvas.finish());
    }
    pages.truncate(1 << 20);
    return pages;
}

const QByteArray& pagesInput()
{
    static const QByteArray input = oneMegabyteOfPages();
    return input;
}

void BM_CompressOneMegabyte(benchmark::State& state)
{
    const QByteArray& input = pagesInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(compressPage(input));
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_CompressOneMegabyte)->Unit(benchmark::kMillisecond);

void BM_ExpandOneMegabyte(benchmark::State& state)
{
    const QByteArray& input = pagesInput();
    const QByteArray code = compressPage(input);
    state.counters["ratio"] = static_cast<double>(code.size()) / input.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            expandPage(code.constData(), static_cast<size_t>(code.size()), static_cast<size_t>(input.size())));
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_ExpandOneMegabyte)->Unit(benchmark::kMillisecond);

// A stored report of 100 pages, saved and loaded again.
class HundredPages : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State& state) override
    {
        ensureApplication();
        const bool compressed = state.range(1) != 0;
        QString& path = compressed ? m_compressedPath : m_plainPath;
        if (path.isEmpty()) {
            TBVPrinter writer;
            writer.SetCompression(compressed);
            writer.StartJob();
            for (int n = 1; n <= 100; ++n) {
                writer.NewPage();
                drawPlanPage(*writer.Canvas(), n);
            }
            writer.FinishJob();
            path = m_dir.filePath(compressed ? "packed.bvp" : "plain.bvp");
            writer.Save(path);
        }
        m_printer = std::make_unique<TBVPrinter>();
        m_printer->Load(path);
    }
    void TearDown(const benchmark::State&) override { m_printer.reset(); }

protected:
    std::unique_ptr<TBVPrinter> m_printer;

private:
    static QTemporaryDir m_dir;
    static QString m_plainPath;
    static QString m_compressedPath;
};
QTemporaryDir HundredPages::m_dir;
QString HundredPages::m_plainPath;
QString HundredPages::m_compressedPath;

// Jumping between page 1 and page n: each read walks the record list.
BENCHMARK_DEFINE_F(HundredPages, ReadPageN)(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(m_printer->GetPage(n));
        benchmark::DoNotOptimize(m_printer->GetPage(1));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK_REGISTER_F(HundredPages, ReadPageN)
    ->ArgsProduct({ { 2, 50, 100 }, { 0, 1 } })
    ->ArgNames({ "n", "compressed" })
    ->Unit(benchmark::kMicrosecond);

// Paging through the report one page at a time, as the preview does.
BENCHMARK_DEFINE_F(HundredPages, PageThrough)(benchmark::State& state)
{
    for (auto _ : state)
        for (int n = 1; n <= 100; ++n)
            benchmark::DoNotOptimize(m_printer->GetPage(n));
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK_REGISTER_F(HundredPages, PageThrough)->Args({ 0, 0 })->Args({ 0, 1 })->Unit(benchmark::kMillisecond);

}
