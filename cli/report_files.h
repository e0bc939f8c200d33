#pragma once

#include "plans/plan_output.h"

#include <QString>
#include <QStringList>

class ReportPages;
class TBVReport;

enum class ReportFileFormat { StoredReport, Png, Export };

// The command-line end of a print command: instead of a preview, the report
// is generated into a page store and written out, as the stored report file
// or as one PNG picture per page at 96 dpi, or exported through the filter
// library's format for the extension, as the preview's save command does. A
// command that prints two reports writes the second under the name with "-2"
// before its extension. A file that cannot be written throws, which ends the
// command as a failure.
class ReportFileOutput : public PlanOutput {
public:
    ReportFileOutput(ReportFileFormat format, const QString& fileName, const QString& exportExtension = QString());

    void preview(PlanDefinition& definition) override;

    // Every file written so far, in order.
    const QStringList& written() const { return m_written; }

private:
    void writeStoredReport(const ReportPages& pages, const QString& fileName);
    void exportTo(TBVReport& report, const QString& fileName);

    ReportFileFormat m_format;
    QString m_exportExtension;
    QString m_fileName;
    int m_reports = 0;
    QStringList m_written;
};

// Writes every page as a PNG picture at 96 dpi under `fileName` tagged with
// the page number ("plan.png" -> "plan-1.png", ...), and returns the names
// written. Throws when a page cannot be read or a file cannot be written.
QStringList writePagePictures(const ReportPages& pages, const QString& fileName);

// `path` with "-" and `tag` before the extension of its file name, or at its
// end when the file name has none ("plan.png", "3" -> "plan-3.png").
QString taggedFileName(const QString& path, const QString& tag);
