#pragma once

#include "report/store/page_canvas.h"

class QPainter;

// Draws a page with a QPainter: on a printer, a widget or an image. The
// painter's transform maps page pixels to the device, so a preview shows a
// page at any zoom by scaling the painter; dpi is the resolution the page's
// pixels stand for (96 for stored pages, the printer's for printer output).
class PainterCanvas : public PageCanvas {
public:
    PainterCanvas(QPainter& painter, int dpiX, int dpiY);

    int dpiX() const override { return m_dpiX; }
    int dpiY() const override { return m_dpiY; }
    int textWidth(const PageFont& font, const QString& text) const override;
    int textHeight(const PageFont& font, const QString& text) const override;

    void fillRect(const PageRect& rect, const QColor& colour) override;
    void drawText(QPoint anchorPx, const QString& text, const PageFont& font, TextAnchor anchor,
        bool rightToLeft = false) override;
    void drawImage(const PageRect& target, const QImage& image) override;
    void drawLine(QPoint fromPx, QPoint toPx, const QColor& colour, int penWidthPx) override;
    void drawFrame(const PageRect& rect, const QColor& colour, int penWidthPx) override;
    void setClipRect(const PageRect& rect) override;
    void clearClip() override;

private:
    QPainter& m_painter;
    int m_dpiX;
    int m_dpiY;
};
