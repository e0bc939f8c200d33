#include "report/engine/printer_adapter.h"

#include "report/engine/page.h"
#include "report/store/printer.h"

#include <utility>

PagePrinterAdapter::PagePrinterAdapter(TBVPrinter& printer)
    : m_printer(printer)
{
}

void PagePrinterAdapter::applyPageSetup(const TBVPage& page)
{
    TPrinterSettings& settings = m_printer.PrinterSettings();
    const bool landscape = page.Orientation() == TBVOrientation::Landscape;
    double width = static_cast<double>(page.native(TBVPage::Width));
    double length = static_cast<double>(page.native(TBVPage::Length));
    // The printer keeps the portrait size and swaps it itself in landscape.
    if (landscape)
        std::swap(width, length);
    settings.paperSize = static_cast<int>(page.PaperSize());
    settings.paperWidth = width;
    settings.paperLength = length;
    settings.orientation = page.Orientation();
}

void PagePrinterAdapter::setTitle(const QString& title) { m_printer.SetTitle(title); }

void PagePrinterAdapter::setCompression(bool on) { m_printer.SetCompression(on); }

void PagePrinterAdapter::setOwnerExporting(bool on) { m_printer.SetOwnerExporting(on); }

void PagePrinterAdapter::StartJob() { m_printer.StartJob(); }

void PagePrinterAdapter::NewPage() { m_printer.NewPage(); }

void PagePrinterAdapter::FinishJob() { m_printer.FinishJob(); }

void PagePrinterAdapter::AbortJob() { m_printer.AbortJob(); }

PageCanvas* PagePrinterAdapter::Canvas() const { return m_printer.Canvas(); }

long double PagePrinterAdapter::XFactor() const { return m_printer.XFactor(); }

long double PagePrinterAdapter::YFactor() const { return m_printer.YFactor(); }

long double PagePrinterAdapter::LeftOffset() const { return m_printer.LeftOffset(); }

long double PagePrinterAdapter::TopOffset() const { return m_printer.TopOffset(); }
