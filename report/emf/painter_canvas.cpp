#include "report/emf/painter_canvas.h"

#include "export/screen_metrics.h"
#include "report/emf/font_metrics.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

QRect toQRect(const PageRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

}

PainterCanvas::PainterCanvas(QPainter& painter, int dpiX, int dpiY)
    : m_painter(painter)
    , m_dpiX(dpiX > 0 ? dpiX : 96)
    , m_dpiY(dpiY > 0 ? dpiY : 96)
{
}

// Measured on the 96-dpi reference with the pixel height of this canvas, so
// that a page measures the same on a printer as in the page store.
int PainterCanvas::textWidth(const PageFont& font, const QString& text) const
{
    return screenTextWidth(qtFontForPage(font, fontPixelHeight(font)), text);
}

int PainterCanvas::textHeight(const PageFont& font, const QString&) const
{
    return referenceTextHeight(qtFontForPage(font, fontPixelHeight(font)));
}

void PainterCanvas::fillRect(const PageRect& rect, const QColor& colour)
{
    if (!rect.isEmpty())
        m_painter.fillRect(toQRect(rect), colour);
}

void PainterCanvas::drawText(
    QPoint anchorPx, const QString& text, const PageFont& font, TextAnchor anchor, bool rightToLeft)
{
    if (text.isEmpty())
        return;
    const QFont qfont = qtFontForPage(font, fontPixelHeight(font));
    const double width = screenTextWidth(qfont, text);
    double left = anchorPx.x();
    if (anchor == TextAnchor::Right)
        left -= width;
    else if (anchor == TextAnchor::Centre)
        left -= width / 2;
    const QFontMetricsF& metrics = ScreenMetrics::metrics(qfont);
    m_painter.save();
    m_painter.setFont(qfont);
    m_painter.setPen(font.colour);
    m_painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    m_painter.drawText(QPointF(left, anchorPx.y() + std::nearbyint(metrics.ascent())), text);
    m_painter.restore();
}

// A painter asked for smooth pictures (the preview) gets a picture shrunk to
// the device pixels it covers by averaging, not by skipping pixels: a chart
// at a zoom below 100 % keeps its thin lines and small digits. Other painters
// (printing) draw the picture as it is.
void PainterCanvas::drawImage(const PageRect& target, const QImage& image)
{
    if (target.isEmpty() || image.isNull())
        return;
    const QRect rect = toQRect(target);
    if (!m_painter.testRenderHint(QPainter::SmoothPixmapTransform)) {
        m_painter.drawImage(rect, image);
        return;
    }
    const QSize devicePx = m_painter.deviceTransform().mapRect(QRectF(rect)).size().toSize();
    if (devicePx.width() >= image.width() || devicePx.height() >= image.height() || devicePx.isEmpty()) {
        m_painter.drawImage(rect, image);
        return;
    }
    m_painter.drawImage(rect, image.scaled(devicePx, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PainterCanvas::drawLine(QPoint fromPx, QPoint toPx, const QColor& colour, int penWidthPx)
{
    m_painter.save();
    m_painter.setPen(QPen(colour, std::max(1, penWidthPx), Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(fromPx, toPx);
    m_painter.restore();
}

void PainterCanvas::drawFrame(const PageRect& rect, const QColor& colour, int penWidthPx)
{
    if (rect.isEmpty())
        return;
    // The pen lies inside the rectangle, as the page's edges are its outside.
    const double w = std::max(1, penWidthPx);
    m_painter.save();
    m_painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(rect.left + w / 2, rect.top + w / 2, rect.width() - w, rect.height() - w));
    m_painter.restore();
}

void PainterCanvas::setClipRect(const PageRect& rect) { m_painter.setClipRect(toQRect(rect)); }

void PainterCanvas::clearClip() { m_painter.setClipping(false); }
