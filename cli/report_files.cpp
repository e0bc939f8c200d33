#include "report_files.h"

#include "export/export_file.h"
#include "export/filter_library.h"
#include "plans/plan_definition.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/engine/report.h"
#include "report/engine/report_run.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <memory>
#include <stdexcept>

namespace {

// 96 dots per inch, as PNG stores it.
constexpr int dotsPerMetre96 = 3780;

[[noreturn]] void cannotWrite(const QString& fileName, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("cannot write '%1': %2").arg(fileName, reason).toStdString());
}

QImage renderPage(const EmfPage& page)
{
    QImage image(page.sizePx(), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(dotsPerMetre96);
    image.setDotsPerMeterY(dotsPerMetre96);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 96, 96);
    EmfPlayer(page).play(canvas);
    return image;
}

// Written under a temporary name and renamed at the end, so a failed run
// never leaves half a picture under the final name.
void savePng(const QImage& image, const QString& fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(fileName, file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(image))
        cannotWrite(fileName, writer.errorString());
    if (!file.commit())
        cannotWrite(fileName, file.errorString());
}

}

ReportFileOutput::ReportFileOutput(ReportFileFormat format, const QString& fileName, const QString& exportExtension)
    : m_format(format)
    , m_exportExtension(exportExtension)
    , m_fileName(fileName)
{
}

void ReportFileOutput::preview(PlanDefinition& definition)
{
    TBVReport* report = definition.report();
    if (!report)
        return;
    ++m_reports;
    const QString fileName = m_reports == 1 ? m_fileName : taggedFileName(m_fileName, QString::number(m_reports));
    if (m_format == ReportFileFormat::Export) {
        exportReport(*report, fileName);
        return;
    }
    TBVPrinter printer;
    report->generate(printer);
    if (m_format == ReportFileFormat::StoredReport)
        writeStoredReport(printer, fileName);
    else
        writePages(printer, fileName);
}

void ReportFileOutput::writeStoredReport(const TBVPrinter& printer, const QString& fileName)
{
    try {
        printer.Save(fileName);
    } catch (const EBVError& error) {
        cannotWrite(fileName, error.message());
    }
    m_written << fileName;
}

void ReportFileOutput::writePages(const TBVPrinter& printer, const QString& fileName)
{
    for (int n = 1; n <= printer.PageCount(); ++n) {
        const std::unique_ptr<EmfPage> page = printer.GetPage(n);
        const QString pageFile = taggedFileName(fileName, QString::number(n));
        savePng(renderPage(*page), pageFile);
        m_written << pageFile;
    }
}

void ReportFileOutput::exportReport(TBVReport& report, const QString& fileName)
{
    const TBVExportFilterLibraryEntry* entry = TBVExportFilterLibrary::instance().FilterForExtension(m_exportExtension);
    if (!entry)
        throw std::runtime_error(
            QStringLiteral("the %1 format is not available").arg(m_exportExtension.toLower()).toStdString());
    TBVPrinter printer;
    const bool written = exportToFile(entry->filterClass, fileName, [&](TBVExportFilter& filter) {
        TBVReportRun run(printer, filter);
        report.CreateReport(run);
        return !run.cancelRequested();
    });
    if (written)
        m_written << fileName;
}

QString taggedFileName(const QString& path, const QString& tag)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    // A leading dot names a hidden file, not an extension.
    if (dot > nameStart)
        return path.left(dot) + QLatin1Char('-') + tag + path.mid(dot);
    return path + QLatin1Char('-') + tag;
}
