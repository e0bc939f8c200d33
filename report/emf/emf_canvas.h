#pragma once

#include "report/store/page_canvas.h"

#include <QByteArray>
#include <QSize>
#include <memory>

// Records a page as enhanced-metafile records built with libuemf. Texts go in
// as UTF-16 text records with their real characters and a Dx array of the
// advances, fonts with their face name and height, pictures as
// device-independent bitmaps; the page is the stored picture of the page
// store and opens in any EMF reader.
class EmfCanvas : public PageCanvas {
public:
    // A page of the given size in pixels at dpi pixels per inch.
    explicit EmfCanvas(QSize pagePx, int dpi = 96);
    ~EmfCanvas() override;

    EmfCanvas(const EmfCanvas&) = delete;
    EmfCanvas& operator=(const EmfCanvas&) = delete;

    int dpiX() const override { return m_dpi; }
    int dpiY() const override { return m_dpi; }
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

    // Closes the page and returns the complete metafile. Drawing after this
    // is ignored; a second call returns the same bytes.
    QByteArray finish();

    QSize pageSizePx() const { return m_pagePx; }

private:
    struct Recorder;

    void selectFont(const PageFont& font);
    void selectPen(const QColor& colour, int widthPx);
    void selectBrush(const QColor& colour);
    void setTextColour(const QColor& colour);
    void setTextAlign(uint32_t align);

    QSize m_pagePx;
    int m_dpi;
    std::unique_ptr<Recorder> m_rec;
    QByteArray m_finished;
};
