// Loads arbitrary bytes as a stored report file, then reads, replays and
// enumerates every page as the preview and its search would. Any failure must
// be an EBVError; anything else (a crash, a sanitizer report) is a fault.
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdint>

namespace {

// Pages beyond this are only more of the same; keeps one input fast.
constexpr int MaxPagesRead = 20;

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "stored_report_fuzz";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

const QString& inputPath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.bvp"));
    return path;
}

}

// Font look-ups for face names read from a page fill fontconfig's caches,
// which live for the process and are not the code under test.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureApplication();
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    TBVPrinter printer;
    try {
        printer.Load(inputPath());
        QImage image(80, 113, QImage::Format_RGB32);
        for (int n = 1; n <= std::min(printer.PageCount(), MaxPagesRead); ++n) {
            try {
                const std::unique_ptr<EmfPage> page = printer.GetPage(n);
                if (!page)
                    continue;
                EmfPlayer player(*page);
                player.texts();
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.scale(0.1, 0.1);
                PainterCanvas canvas(painter, 96, 96);
                player.play(canvas);
            } catch (const EBVError&) {
            }
        }
    } catch (const EBVError&) {
    }
    return 0;
}
