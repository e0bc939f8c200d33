// The page printer's side of printing: its platform printer object, the pages
// of a printer job, and the printing of stored pages.
#include "report/store/printer.h"

#include "export/device_units.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/store/page_list.h"
#include "report/store/print_failure.h"
#include "report/store/printer_list.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

using namespace DeviceUnits;

void TBVPrinter::SetPlatformPrinter(QPrinter* printer)
{
    m_givenPrinter = printer;
    m_ownPrinter.reset();
    m_settings.printer = nullptr;
    m_settings.readIndex.reset();
}

bool TBVPrinter::PrintersAvailable() const { return m_givenPrinter || !printerNames().isEmpty(); }

QPrinter* TBVPrinter::PlatformPrinter()
{
    if (m_settings.printer)
        return m_settings.printer;
    if (m_givenPrinter)
        m_settings.printer = m_givenPrinter;
    else
        makeOwnPrinter();
    if (!m_settings.printer)
        return nullptr;
    // The pages keep the paper and orientation they are made on; the device
    // gives everything else.
    const TPrinterSettings page = m_settings;
    m_settings.ReadFromPrinter(m_printerIndex);
    m_settings.paperSize = page.paperSize;
    m_settings.paperWidth = page.paperWidth;
    m_settings.paperLength = page.paperLength;
    m_settings.orientation = page.orientation;
    return m_settings.printer;
}

void TBVPrinter::makeOwnPrinter()
{
    const QStringList names = printerNames();
    if (names.isEmpty())
        return;
    int index = m_printerIndex;
    if (m_settings.useStandardPrinter || index < 0 || index >= names.size())
        index = defaultPrinterIndex();
    m_ownPrinter = makePrinter(index);
    m_printerIndex = index;
    m_settings.printer = m_ownPrinter.get();
}

void TBVPrinter::SelectPrinter(int index)
{
    if (index < 0 || index >= printerNames().size())
        return;
    m_printerIndex = index;
    if (!m_ownPrinter)
        return;
    m_settings.printer = nullptr;
    m_settings.readIndex.reset();
    m_ownPrinter.reset();
    PlatformPrinter();
}

QPagedPaintDevice* TBVPrinter::printDevice()
{
    if (m_printDevice)
        return m_printDevice;
    return PlatformPrinter();
}

void TBVPrinter::beginPrinterPage()
{
    QPagedPaintDevice* device = printDevice();
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(device)) {
            m_painter.reset();
            throw printFailure(*device);
        }
    }
    // A page before the range was drawn at screen factors; this one is paper.
    setPrinterFactors();
    m_painterCanvas = std::make_unique<PainterCanvas>(*m_painter, device->logicalDpiX(), device->logicalDpiY());
    m_printerPageOpen = true;
}

void TBVPrinter::endPrinterDocument()
{
    m_painterCanvas.reset();
    m_printerPageOpen = false;
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
}

void TBVPrinter::PrintStoredPages(const std::function<void()>& pumpEvents)
{
    if (m_status != TBVPrinterStatus::Finished || !m_stream)
        return;
    QPrinter* device = PlatformPrinter();
    if (!device)
        throw EBVError(QString::fromLatin1(BVErrorText::NoPrinter));
    device->setDocName(m_title);
    endPrinterDocument();
    m_settings.WriteToPrinter();
    m_cancelled = false;
    const int first = m_settings.firstPage > 0 ? m_settings.firstPage : 1;
    const int last = m_settings.lastPage > 0 ? std::min(m_settings.lastPage, m_pageCount) : m_pageCount;
    // A range beyond the pages gives no blank sheet, but the print has ended.
    if (first > last) {
        emit afterPrint();
        return;
    }
    QPainter painter;
    if (!painter.begin(device))
        throw printFailure(*device);
    bool failed = false;
    try {
        for (int n = first; n <= last && !failed; ++n) {
            if (pumpEvents)
                pumpEvents();
            emit progress(static_cast<int>(std::nearbyint(100.0 * (n - first + 1) / (last - first + 1))));
            printStoredPage(painter, *device, n);
            // A cancelled print takes no further sheet.
            if (m_cancelled) {
                device->abort();
                break;
            }
            failed = n != last && !device->newPage();
        }
    } catch (...) {
        painter.end();
        emit afterPrint();
        throw;
    }
    emit afterPrint();
    failed = !painter.end() || failed || device->printerState() == QPrinter::Error;
    if (failed && !m_cancelled)
        throw printFailure(*device);
}

// The stored page is stretched over the whole paper: the printer's origin is
// the corner of its printable area, so the sheet starts at minus the
// unprintable margins.
void TBVPrinter::printStoredPage(QPainter& painter, QPrinter& device, int pageNumber)
{
    const std::unique_ptr<EmfPage> page = GetPage(pageNumber);
    if (!page)
        return;
    const double xFactor = factorForDpi(device.logicalDpiX());
    const double yFactor = factorForDpi(device.logicalDpiY());
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    const double left = margins.left() * 10;
    const double top = margins.top() * 10;
    const int x1 = -sizeToDevice(left, xFactor);
    const int y1 = -sizeToDevice(top, yFactor);
    const int x2 = sizeToDevice(PageWidth() - left, xFactor);
    const int y2 = sizeToDevice(PageHeight() - top, yFactor);
    playPageInto(painter, *page, QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}
