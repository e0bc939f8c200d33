#include "report/engine/report_run.h"

#include "report/store/printer.h"

#include <algorithm>

namespace {

TBVRunKind kindOf(const TBVPrinter& printer, const TBVExportFilter* filter)
{
    if (filter)
        return TBVRunKind::Export;
    return printer.Destination() == TBVDestination::Printer ? TBVRunKind::Print : TBVRunKind::Generate;
}

}

TBVReportRun::TBVReportRun(TBVPrinter& printer, TBVExportFilter* filter)
    : m_kind(kindOf(printer, filter))
    , m_adapter(std::in_place, printer)
    , m_printer(&*m_adapter)
    , m_filter(filter)
{
    m_printer->setOwnerExporting(m_filter != nullptr);
}

TBVReportRun::TBVReportRun(ReportPrinter& printer, TBVExportFilter* filter)
    : m_kind(filter ? TBVRunKind::Export : TBVRunKind::Generate)
    , m_printer(&printer)
    , m_filter(filter)
{
    m_printer->setOwnerExporting(m_filter != nullptr);
}

TBVReportRun::~TBVReportRun() { m_printer->setOwnerExporting(false); }

void TBVReportRun::pumpEvents()
{
    if (m_eventPump)
        m_eventPump();
}

void TBVReportRun::setProgress(std::unique_ptr<TBVRunProgress> progress) { m_progress = std::move(progress); }

void TBVReportRun::reportProgress(int percent)
{
    if (m_progress)
        m_progress->setPercent(percent);
}

// Page n begun means n - 1 pages are done. The window moves in steps of 5,
// so the share is taken down to one: a plan of three pages moves at 30 and 65.
void TBVReportRun::pageBegun(int pageNumber)
{
    if (m_kind != TBVRunKind::Print || m_expectedPages <= 0)
        return;
    const int percent = std::clamp(pageNumber - 1, 0, m_expectedPages) * 100 / m_expectedPages;
    reportProgress(percent - percent % 5);
}
