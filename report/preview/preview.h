#pragma once

#include "report/preview/zoom.h"
#include "report/store/printer.h"

#include <QPointer>
#include <QScrollArea>

class TBVPreviewImage;

// The preview area: a scrolling box holding one page image of the page
// printer, with the zoom modes and the paging of a single page.
class TBVPreview : public QScrollArea {
    Q_OBJECT
public:
    // Scroll increments in pixels across and down.
    static constexpr int HorizontalIncrement = 52;
    static constexpr int VerticalIncrement = 43;

    explicit TBVPreview(QWidget* parent = nullptr);

    // Attaches the page printer: page 1 is shown if it exists.
    void setPrinter(TBVPrinter* printer);
    TBVPrinter* printer() const { return m_printer; }
    TBVPreviewImage* image() const { return m_image; }

    int Zoom() const { return m_zoom; }
    TBVZoomMode ZoomMode() const { return m_mode; }
    // Sets a zoom in percent; outside 2 to 2000 it is ignored. A valid zoom
    // switches the mode to "other".
    void setZoom(int zoom);
    void ZoomToFit();
    void ZoomToWidth();
    // Applies the current mode again (after the page size or area changed).
    void applyZoom();

    int PageNumber() const { return m_pageNumber; }
    // Shows page n when it is finished, scrolled to the top; false otherwise.
    bool showPage(int pageNumber);
    // The last finished page; while pages are made the newest is not.
    int lastShowablePage() const;
    // Reads the shown page again, for a page that was not finished before.
    void reloadPage();
    bool hasPagePicture() const;

    // Page size in screen pixels, from the printer's page size.
    QSize pageSizePx() const;

    // One scroll increment up or down. Reaching the top or bottom edge moves
    // to the previous page (shown scrolled to its bottom) or the next page.
    void scrollUpStep();
    void scrollDownStep();

signals:
    void pageChanged(int pageNumber);
    void zoomChanged(int zoom);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void setZoomInMode(int zoom, TBVZoomMode mode);
    void layoutImage();
    void scrollToTop();

    QPointer<TBVPrinter> m_printer;
    TBVPreviewImage* m_image;
    int m_zoom = 100;
    TBVZoomMode m_mode = TBVZoomMode::bvZoomOther;
    int m_pageNumber = 1;
};
