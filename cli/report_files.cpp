#include "report_files.h"

#include "export/export_file.h"
#include "export/filter_library.h"
#include "plans/plan_definition.h"
#include "report/engine/report_output.h"

#include <QImageWriter>
#include <QSaveFile>
#include <memory>
#include <stdexcept>

namespace {

[[noreturn]] void cannotWrite(const QString& fileName, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("cannot write '%1': %2").arg(fileName, reason).toStdString());
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
        exportTo(*report, fileName);
        return;
    }
    const ReportPages pages = ReportPages::generate(*report);
    if (m_format == ReportFileFormat::StoredReport)
        writeStoredReport(pages, fileName);
    else
        m_written << writePagePictures(pages, fileName);
}

void ReportFileOutput::writeStoredReport(const ReportPages& pages, const QString& fileName)
{
    try {
        pages.save(fileName);
    } catch (const std::runtime_error& error) {
        cannotWrite(fileName, QString::fromUtf8(error.what()));
    }
    m_written << fileName;
}

QStringList writePagePictures(const ReportPages& pages, const QString& fileName)
{
    QStringList written;
    for (int n = 1; n <= pages.count(); ++n) {
        const QString pageFile = taggedFileName(fileName, QString::number(n));
        savePng(pages.render(n), pageFile);
        written << pageFile;
    }
    return written;
}

void ReportFileOutput::exportTo(TBVReport& report, const QString& fileName)
{
    const TBVExportFilterLibraryEntry* entry = TBVExportFilterLibrary::instance().FilterForExtension(m_exportExtension);
    if (!entry)
        throw std::runtime_error(
            QStringLiteral("the %1 format is not available").arg(m_exportExtension.toLower()).toStdString());
    const bool written = exportToFile(
        entry->filterClass, fileName, [&](TBVExportFilter& filter) { return exportReport(report, filter); });
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
