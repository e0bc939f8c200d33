#include "report/preview/preview.h"

#include "report/preview/paging.h"
#include "report/preview/preview_image.h"
#include "report/store/printer.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

// The page size of a printer that is not there yet: A4 portrait at 96 dpi.
const QSize DefaultPagePx(794, 1123);

} // namespace

TBVPreview::TBVPreview(QWidget* parent)
    : QScrollArea(parent)
    , m_image(new TBVPreviewImage)
{
    setWidgetResizable(false);
    // A page smaller than the area is centred in it, a larger one starts at 0.
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    setWidget(m_image);
    horizontalScrollBar()->setSingleStep(HorizontalIncrement);
    verticalScrollBar()->setSingleStep(VerticalIncrement);
    setFocusPolicy(Qt::StrongFocus);
    layoutImage();
}

void TBVPreview::setPrinter(TBVPrinter* printer)
{
    m_printer = printer;
    m_image->setPrinter(printer);
    m_pageNumber = 1;
    m_image->loadPage(1);
    layoutImage();
}

QSize TBVPreview::pageSizePx() const
{
    if (!m_printer)
        return DefaultPagePx;
    return { m_printer->DeviceWidth(m_printer->PageWidth()), m_printer->DeviceHeight(m_printer->PageHeight()) };
}

void TBVPreview::setZoom(int zoom)
{
    if (isValidZoom(zoom))
        setZoomInMode(zoom, TBVZoomMode::bvZoomOther);
}

void TBVPreview::ZoomToFit()
{
    setZoomInMode(fitToPageZoom(viewport()->size(), pageSizePx()), TBVZoomMode::bvZoomToFit);
}

void TBVPreview::ZoomToWidth()
{
    setZoomInMode(fitToWidthZoom(viewport()->width(), pageSizePx().width()), TBVZoomMode::bvZoomToWidth);
}

void TBVPreview::applyZoom()
{
    switch (m_mode) {
    case TBVZoomMode::bvZoomToFit:
        ZoomToFit();
        break;
    case TBVZoomMode::bvZoomToWidth:
        ZoomToWidth();
        break;
    case TBVZoomMode::bvZoomOther:
        layoutImage();
        break;
    }
}

void TBVPreview::setZoomInMode(int zoom, TBVZoomMode mode)
{
    m_mode = mode;
    const bool changed = zoom != m_zoom;
    m_zoom = zoom;
    m_image->setZoom(zoom);
    layoutImage();
    scrollToTop();
    if (changed)
        emit zoomChanged(zoom);
}

void TBVPreview::layoutImage() { m_image->resize(zoomedImageSize(pageSizePx(), m_zoom)); }

void TBVPreview::scrollToTop()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

bool TBVPreview::showPage(int pageNumber)
{
    if (!m_printer || pageNumber < 1 || pageNumber > lastShowablePage())
        return false;
    m_pageNumber = pageNumber;
    m_image->loadPage(pageNumber);
    scrollToTop();
    emit pageChanged(pageNumber);
    return true;
}

void TBVPreview::reloadPage() { m_image->loadPage(m_pageNumber); }

int TBVPreview::lastShowablePage() const
{
    if (!m_printer)
        return 0;
    return ::lastShowablePage(m_printer->PageCount(), m_printer->Status() == TBVPrinterStatus::Finished);
}

bool TBVPreview::hasPagePicture() const { return m_image->page() != nullptr; }

void TBVPreview::scrollUpStep()
{
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() > bar->minimum()) {
        bar->setValue(bar->value() - VerticalIncrement);
        return;
    }
    if (m_pageNumber > 1 && showPage(m_pageNumber - 1))
        bar->setValue(bar->maximum());
}

void TBVPreview::scrollDownStep()
{
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + VerticalIncrement);
        return;
    }
    showPage(m_pageNumber + 1);
}

void TBVPreview::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    applyZoom();
}

void TBVPreview::wheelEvent(QWheelEvent* event)
{
    // Forward wheel movement scrolls up, backward down, one increment per
    // notch, crossing to the neighbouring page at either end.
    const int delta = event->angleDelta().y();
    if (delta > 0)
        scrollUpStep();
    else if (delta < 0)
        scrollDownStep();
    event->accept();
}
