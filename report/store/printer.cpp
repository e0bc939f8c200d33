#include "report/store/printer.h"

#include "export/device_units.h"
#include "report/emf/emf_canvas.h"
#include "report/emf/painter_canvas.h"
#include "report/store/bv_error.h"
#include "report/store/page_list.h"
#include "report/store/print_failure.h"
#include "report/store/standard_paper.h"
#include "report/store/stream.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>

using namespace DeviceUnits;

TBVPrinter::TBVPrinter(QObject* parent)
    : QObject(parent)
    , m_pageList(std::make_unique<TBVPageList>())
{
}

TBVPrinter::~TBVPrinter() { freeJob(); }

void TBVPrinter::freeJob()
{
    m_emfCanvas.reset();
    endPrinterDocument();
    m_pageList = std::make_unique<TBVPageList>();
    m_stream.reset();
    m_pageCount = 0;
    m_jobPageCount = 0;
    m_availablePages = 0;
    m_loadedFile = false;
    m_status = TBVPrinterStatus::Idle;
}

int TBVPrinter::DeviceX(double x) const { return toDevice(x, m_leftOffset, m_xFactor); }
int TBVPrinter::DeviceY(double y) const { return toDevice(y, m_topOffset, m_yFactor); }
int TBVPrinter::DeviceWidth(double w) const { return sizeToDevice(w, m_xFactor); }
int TBVPrinter::DeviceHeight(double h) const { return sizeToDevice(h, m_yFactor); }

double TBVPrinter::PageWidth() const
{
    return m_settings.orientation == TBVOrientation::Landscape ? m_settings.paperLength : m_settings.paperWidth;
}

double TBVPrinter::PageHeight() const
{
    return m_settings.orientation == TBVOrientation::Landscape ? m_settings.paperWidth : m_settings.paperLength;
}

void TBVPrinter::setScreenFactors()
{
    m_xFactor = factorForDpi(ScreenDpi);
    m_yFactor = factorForDpi(ScreenDpi);
}

PageCanvas* TBVPrinter::Canvas() const
{
    if (m_emfCanvas)
        return m_emfCanvas.get();
    return m_painterCanvas.get();
}

QString TBVPrinter::TemporaryFileName() const { return m_stream ? m_stream->temporaryFileName() : QString(); }

void TBVPrinter::StartJob()
{
    m_emfCanvas.reset();
    m_availablePages = 0;
    QPagedPaintDevice* device = m_destination == TBVDestination::Printer ? printDevice() : nullptr;
    const bool toPrinter = device != nullptr;
    m_leftOffset = 0;
    m_topOffset = 0;
    if (toPrinter) {
        if (device != m_printDevice) {
            m_settings.WriteToPrinter();
            m_settings.printer->setDocName(m_title);
        }
        const QMarginsF margins = device->pageLayout().margins(QPageLayout::Millimeter);
        m_leftOffset = margins.left() * 10;
        m_topOffset = margins.top() * 10;
    }
    if (m_status != TBVPrinterStatus::Idle)
        throw EBVError(BVErrorText::PrinterNotReady);
    m_pageCount = 0;
    m_jobPageCount = 0;
    m_status = TBVPrinterStatus::Busy;
    if (toPrinter) {
        setPrinterFactors();
        return;
    }
    m_stream = std::make_unique<TBVStream>(m_settings.memoryLimit);
    m_pageList = std::make_unique<TBVPageList>();
    m_pageList->SetStream(m_stream.get());
    m_pageList->SetCompressed(m_compression);
    setScreenFactors();
}

void TBVPrinter::setPrinterFactors()
{
    const QPagedPaintDevice* device = printDevice();
    m_xFactor = factorForDpi(device->logicalDpiX());
    m_yFactor = factorForDpi(device->logicalDpiY());
    if (m_xFactor < 0.1)
        m_xFactor = factorForDpi(ScreenDpi);
    if (m_yFactor < 0.1)
        m_yFactor = factorForDpi(ScreenDpi);
}

bool TBVPrinter::pageInRange(int page) const
{
    return (m_settings.firstPage <= 0 || page >= m_settings.firstPage)
        && (m_settings.lastPage <= 0 || page <= m_settings.lastPage);
}

void TBVPrinter::storeCurrentPage()
{
    if (!m_emfCanvas)
        return;
    const QByteArray metafile = m_emfCanvas->finish();
    m_emfCanvas.reset();
    m_pageList->AddPage(metafile);
}

void TBVPrinter::NewPage()
{
    if (m_status != TBVPrinterStatus::Busy)
        throw EBVError(BVErrorText::IllegalNewPage);
    if (m_jobPageCount > 0) {
        if (m_printerPageOpen) {
            m_painterCanvas.reset();
            m_printerPageOpen = false;
            if (m_jobPageCount != m_settings.lastPage && !printDevice()->newPage())
                throw printFailure(*printDevice());
        } else if (m_destination == TBVDestination::Printer) {
            m_emfCanvas.reset();
        } else {
            storeCurrentPage();
        }
        emit pageAvailable(++m_availablePages);
    }
    ++m_pageCount;
    ++m_jobPageCount;
    if (m_destination == TBVDestination::Printer && printDevice() && pageInRange(m_jobPageCount))
        beginPrinterPage();
    else
        beginStorePage();
}

void TBVPrinter::beginStorePage()
{
    setScreenFactors();
    m_emfCanvas = std::make_unique<EmfCanvas>(QSize(DeviceWidth(PageWidth()), DeviceHeight(PageHeight())), ScreenDpi);
}

// However the end of a job goes, the printer is left finished: a page that
// cannot be stored (no temporary file, a full disk) fails the run, but a
// printer left busy would keep its preview from ever closing.
void TBVPrinter::markJobEnded()
{
    m_emfCanvas.reset();
    m_status = TBVPrinterStatus::Finished;
}

void TBVPrinter::FinishJob()
{
    if (m_status != TBVPrinterStatus::Busy)
        return;
    bool documentEnded = true;
    {
        const auto ended = qScopeGuard([this] { markJobEnded(); });
        documentEnded = !m_painter || m_painter->end();
        endPrinterDocument();
        // The stored header names every page before anyone hears of the last
        // one: a save that the announcement triggers copies a complete file.
        if (m_destination == TBVDestination::PageStore) {
            storeCurrentPage();
            m_pageList->WriteHeader();
        }
    }
    m_availablePages = m_destination == TBVDestination::PageStore ? m_pageList->PageCount() : m_jobPageCount;
    emit pageAvailable(m_availablePages);
    if (m_destination == TBVDestination::PageStore)
        return;
    emit afterPrint();
    if (!documentEnded)
        throw printFailure(*printDevice());
}

void TBVPrinter::AbortJob()
{
    const bool wasBusy = m_status == TBVPrinterStatus::Busy;
    {
        const auto ended = qScopeGuard([this] { markJobEnded(); });
        if (m_painter && m_painter->isActive()) {
            if (auto* printer = dynamic_cast<QPrinter*>(printDevice()))
                printer->abort();
        }
        endPrinterDocument();
        if (m_destination == TBVDestination::PageStore && m_emfCanvas) {
            if (m_ownerExporting)
                m_emfCanvas.reset();
            else
                storeCurrentPage();
        }
        // The header is rewritten so that a saved aborted report names the
        // pages it really holds.
        if (m_destination == TBVDestination::PageStore && wasBusy)
            m_pageList->WriteHeader();
    }
    if (m_destination == TBVDestination::Printer && wasBusy)
        emit afterPrint();
}

std::unique_ptr<EmfPage> TBVPrinter::GetPage(int n) const
{
    if (m_status == TBVPrinterStatus::Idle || !m_stream)
        return nullptr;
    return m_pageList->GetPage(n);
}

void TBVPrinter::Save(const QString& fileName) const
{
    if (m_status != TBVPrinterStatus::Finished || !m_stream)
        return;
    m_pageList->CopyToFile(fileName);
}

void TBVPrinter::Load(const QString& fileName)
{
    if (m_status != TBVPrinterStatus::Idle)
        freeJob();
    try {
        m_stream = TBVStream::openFile(fileName);
        m_pageList->OpenFile(m_stream.get());
        m_pageCount = m_pageList->PageCount();
        setScreenFactors();
        if (m_pageCount > 0)
            takePaperFromFirstPage();
    } catch (const EBVError&) {
        freeJob();
        throw;
    }
    m_availablePages = m_pageCount;
    m_status = TBVPrinterStatus::Finished;
    m_storedPagesFinal = true;
    m_loadedFile = true;
}

void TBVPrinter::takePaperFromFirstPage()
{
    const std::unique_ptr<EmfPage> first = m_pageList->GetPage(1);
    QSize mm = pixelsToMillimetres(first->sizeAtDpi(ScreenDpi), m_xFactor);
    if (mm.height() < mm.width()) {
        m_settings.orientation = TBVOrientation::Landscape;
        mm.transpose();
    } else {
        m_settings.orientation = TBVOrientation::Portrait;
    }
    m_settings.paperSize = nearestStandardPaper(mm.width(), mm.height());
    const StandardPaper& paper = standardPapers()[m_settings.paperSize - 1];
    m_settings.paperWidth = paper.widthMm * 10;
    m_settings.paperLength = paper.lengthMm * 10;
}
