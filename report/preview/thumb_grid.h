#pragma once

#include "report/store/printer.h"

#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QSize>
#include <map>

// Size of a thumbnail for a grid width and a page size (any unit, only the
// ratio counts): the grid width less a rim and the scroll bar, the height in
// the page's proportion less the height of a line of text.
QSize thumbnailSize(int gridWidthPx, double pageWidth, double pageHeight, int textHeightPx);

// The thumbnail column: one row per page, each drawing its page as a small
// sheet with the page number at its top left. Selecting a row asks for that
// page. Pages are rendered once per size and kept.
class TBVThumbGrid : public QListWidget {
    Q_OBJECT
public:
    // Where the page sits inside its cell.
    static constexpr int LeftMargin = 20;
    static constexpr int TopMargin = 10;
    static constexpr int RightMargin = 30;
    static constexpr int BottomMargin = 10;

    explicit TBVThumbGrid(QWidget* parent = nullptr);

    void setPrinter(TBVPrinter* printer);
    // Sets the number of rows, keeping the rendered pages of existing rows.
    void setRowCount(int rows);
    // Forgets every rendered page (after a new file was loaded).
    void clearRenderings();
    // Selects a row without asking for its page again.
    void selectRowQuietly(int row);

    // The thumbnail of page n for a cell; a null image when there is no page.
    QImage thumbnail(int pageNumber, QSize sizePx);

signals:
    void pageSelected(int pageNumber);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateRowHeight();

    QPointer<TBVPrinter> m_printer;
    int m_rowHeight = 90;
    std::map<int, QImage> m_renderings;
    bool m_quiet = false;
};
