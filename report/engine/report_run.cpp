#include "report/engine/report_run.h"

#include "report/store/printer.h"

TBVReportRun::TBVReportRun(TBVPrinter& printer, TBVRunKind kind)
    : TBVReportRun(printer, kind, nullptr)
{
}

TBVReportRun::TBVReportRun(ReportPrinter& printer, TBVRunKind kind)
    : TBVReportRun(printer, kind, nullptr)
{
}

TBVReportRun::TBVReportRun(TBVPrinter& printer, TBVExportFilter& filter)
    : TBVReportRun(printer, TBVRunKind::Export, &filter)
{
}

TBVReportRun::TBVReportRun(ReportPrinter& printer, TBVExportFilter& filter)
    : TBVReportRun(printer, TBVRunKind::Export, &filter)
{
}

TBVReportRun::TBVReportRun(TBVPrinter& printer, TBVRunKind kind, TBVExportFilter* filter)
    : m_kind(kind)
    , m_adapter(std::in_place, printer)
    , m_printer(&*m_adapter)
    , m_filter(filter)
{
    m_printerProgress
        = QObject::connect(&printer, &TBVPrinter::progress, [this](int percent) { reportProgress(percent); });
    m_printer->setOwnerExporting(m_filter != nullptr);
}

TBVReportRun::TBVReportRun(ReportPrinter& printer, TBVRunKind kind, TBVExportFilter* filter)
    : m_kind(kind)
    , m_printer(&printer)
    , m_filter(filter)
{
    m_printer->setOwnerExporting(m_filter != nullptr);
}

TBVReportRun::~TBVReportRun()
{
    QObject::disconnect(m_printerProgress);
    m_printer->setOwnerExporting(false);
}

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
