#include "export/filter.h"

TBVExportFilter::TBVExportFilter(const QString& fileName)
    : m_fileName(fileName)
    , m_outputFileName(fileName)
{
}

QString TBVExportFilter::Description() const { return QStringLiteral("Abstract non-working export filter"); }

QString TBVExportFilter::FileExtension() const { return QString(); }

QString TBVExportFilter::DisplayName() const { return QStringLiteral("Abstract filter"); }

QString TBVExportFilter::VendorName() const { return QStringLiteral("Fundorix"); }

bool TBVExportFilter::ContinuousPage() const { return false; }

void TBVExportFilter::BeginExport(int, int, const QFont&) { m_active = true; }

void TBVExportFilter::EndPage() { }

void TBVExportFilter::EndExport() { m_active = false; }

void TBVExportFilter::BeginPage() { }

void TBVExportFilter::ExportGraphic(const TBVPagePoint&, const TBVExportGraphic&) { }

void TBVExportFilter::BandPrinted(const TBVExportBandInfo&) { }

void TBVExportFilter::ExportText(
    const TBVReportPoint&, const TBVExportFont&, const QColor&, TBVExportAlignment, const QString&)
{
}
