#include "report/engine/printer_adapter.h"

#include "report/engine/page.h"
#include "report/engine/report.h"
#include "report/engine/report_printer_settings.h"
#include "report/store/printer.h"

PagePrinterAdapter::PagePrinterAdapter(TBVPrinter& printer, const TBVReportPrinterSettings& settings)
    : m_printer(printer)
    , m_settings(settings)
{
}

void PagePrinterAdapter::applyPageSetup(const TBVPage& page) { ApplyPrinterSettings(m_settings, page, m_printer); }

void PagePrinterAdapter::setTitle(const QString& title) { m_printer.SetTitle(title); }

void PagePrinterAdapter::setCompression(bool on) { m_printer.SetCompression(on); }

void PagePrinterAdapter::setOwnerExporting(bool on) { m_printer.SetOwnerExporting(on); }

void PagePrinterAdapter::StartJob() { m_printer.StartJob(); }

void PagePrinterAdapter::NewPage() { m_printer.NewPage(); }

void PagePrinterAdapter::FinishJob() { m_printer.FinishJob(); }

void PagePrinterAdapter::AbortJob() { m_printer.AbortJob(); }

void PagePrinterAdapter::Cancel() { m_printer.Cancel(); }

PageCanvas* PagePrinterAdapter::Canvas() const { return m_printer.Canvas(); }

long double PagePrinterAdapter::XFactor() const { return m_printer.XFactor(); }

long double PagePrinterAdapter::YFactor() const { return m_printer.YFactor(); }

long double PagePrinterAdapter::LeftOffset() const { return m_printer.LeftOffset(); }

long double PagePrinterAdapter::TopOffset() const { return m_printer.TopOffset(); }

void TBVReport::generate(TBVPrinter& printer)
{
    PagePrinterAdapter adapter(printer, PrinterSettings);
    CreateReport(adapter);
}

void TBVReport::ExportToFilter(TBVExportFilter& filter, TBVPrinter& printer)
{
    PagePrinterAdapter adapter(printer, PrinterSettings);
    ExportToFilter(filter, adapter);
}
