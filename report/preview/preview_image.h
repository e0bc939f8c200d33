#pragma once

#include "report/emf/emf_page.h"
#include "report/store/printer.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

// A rectangle of a page (page pixels) that carries a link.
struct TBVHyperlinkArea {
    QRect pageRect;
    QString link;
};

// The page image inside the preview area: shows one page of the page printer
// as a sheet of paper at the zoom of the area. It holds its page's picture
// and a rendering of it, so scrolling and repainting never replay the page.
class TBVPreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit TBVPreviewImage(QWidget* parent = nullptr);
    ~TBVPreviewImage() override;

    void setPrinter(TBVPrinter* printer);

    // Reads page n from the printer; false (and no page shown) when the
    // printer has no such page or its record cannot be read.
    bool loadPage(int pageNumber);
    void clearPage();
    int PageNumber() const { return m_pageNumber; }
    const EmfPage* page() const { return m_page.get(); }

    void setZoom(int zoom);
    int Zoom() const { return m_zoom; }

    void setHyperlinkAreas(std::vector<TBVHyperlinkArea> areas);

signals:
    // The link under the mouse changed; empty when it left every link.
    void hyperlinkHovered(const QString& link);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString linkAt(QPoint widgetPos) const;
    void invalidateRendering();

    QPointer<TBVPrinter> m_printer;
    std::unique_ptr<EmfPage> m_page;
    int m_pageNumber = 0;
    int m_zoom = 100;
    QImage m_rendering;
    std::vector<TBVHyperlinkArea> m_links;
    QString m_lastLink;
};
