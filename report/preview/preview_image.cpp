#include "report/preview/preview_image.h"

#include "report/preview/page_picture.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

TBVPreviewImage::TBVPreviewImage(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

TBVPreviewImage::~TBVPreviewImage() = default;

void TBVPreviewImage::setPrinter(TBVPrinter* printer)
{
    m_printer = printer;
    clearPage();
}

bool TBVPreviewImage::loadPage(int pageNumber)
{
    m_pageNumber = pageNumber;
    m_page.reset();
    if (m_printer) {
        try {
            m_page = m_printer->GetPage(pageNumber);
        } catch (const EBVError&) {
            // A page whose record cannot be read is shown as no page, like a
            // page that does not exist.
            m_page.reset();
        }
    }
    invalidateRendering();
    return m_page != nullptr;
}

void TBVPreviewImage::clearPage()
{
    m_page.reset();
    invalidateRendering();
}

void TBVPreviewImage::setZoom(int zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    invalidateRendering();
}

void TBVPreviewImage::setHyperlinkAreas(std::vector<TBVHyperlinkArea> areas) { m_links = std::move(areas); }

void TBVPreviewImage::invalidateRendering()
{
    m_rendering = QImage();
    update();
}

void TBVPreviewImage::paintEvent(QPaintEvent*)
{
    if (!m_page)
        return;
    if (m_rendering.deviceIndependentSize().toSize() != size() || m_rendering.devicePixelRatio() != devicePixelRatioF())
        m_rendering = renderPageSheet(*m_page, size(), devicePixelRatioF());
    QPainter(this).drawImage(0, 0, m_rendering);
}

QString TBVPreviewImage::linkAt(QPoint widgetPos) const
{
    if (!m_page || m_links.empty() || width() <= 4 || height() <= 4)
        return {};
    const QSize pagePx = m_page->sizePx();
    const QPoint pagePos(int(widgetPos.x() * double(pagePx.width()) / (width() - 4)),
        int(widgetPos.y() * double(pagePx.height()) / (height() - 4)));
    for (const TBVHyperlinkArea& area : m_links) {
        if (area.pageRect.contains(pagePos))
            return area.link;
    }
    return {};
}

void TBVPreviewImage::mouseMoveEvent(QMouseEvent* event)
{
    const QString link = linkAt(event->position().toPoint());
    if (link == m_lastLink)
        return;
    m_lastLink = link;
    if (link.isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    emit hyperlinkHovered(link);
}

void TBVPreviewImage::mousePressEvent(QMouseEvent* event)
{
    const QString link = linkAt(event->position().toPoint());
    if (link.isEmpty()) {
        QWidget::mousePressEvent(event);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(link));
}
