#include "report/preview/thumb_grid.h"

#include "report/preview/page_picture.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <cmath>

namespace {

// Rim of the grid and room for its vertical scroll bar.
constexpr int GridRim = 4;
constexpr int ScrollBarRoom = 20;

class ThumbDelegate : public QStyledItemDelegate {
public:
    explicit ThumbDelegate(TBVThumbGrid* grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect cell = option.rect;
        if (option.state & QStyle::State_Selected)
            painter->fillRect(cell, option.palette.highlight());
        const int pageNumber = index.row() + 1;
        const QRect sheet(QPoint(cell.left() + TBVThumbGrid::LeftMargin, cell.top() + TBVThumbGrid::TopMargin),
            QPoint(cell.right() - TBVThumbGrid::RightMargin, cell.bottom() - TBVThumbGrid::BottomMargin));
        const QImage picture = m_grid->thumbnail(pageNumber, sheet.size());
        if (!picture.isNull())
            painter->drawImage(sheet.topLeft(), picture);
        painter->setPen(
            option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(pageNumber));
    }

private:
    TBVThumbGrid* m_grid;
};

} // namespace

QSize thumbnailSize(int gridWidthPx, double pageWidth, double pageHeight, int textHeightPx)
{
    const int width = std::max(1, gridWidthPx - GridRim - ScrollBarRoom);
    if (pageWidth <= 0 || pageHeight <= 0)
        return { width, width };
    const int height = static_cast<int>(std::nearbyint(width * pageHeight / pageWidth - textHeightPx));
    return { width, std::max(1, height) };
}

TBVThumbGrid::TBVThumbGrid(QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new ThumbDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_quiet && row >= 0)
            emit pageSelected(row + 1);
    });
}

void TBVThumbGrid::setPrinter(TBVPrinter* printer)
{
    m_printer = printer;
    clearRenderings();
    updateRowHeight();
}

void TBVThumbGrid::setRowCount(int rows)
{
    rows = std::max(0, rows);
    m_quiet = true;
    while (count() > rows)
        delete takeItem(count() - 1);
    while (count() < rows) {
        auto* item = new QListWidgetItem(this);
        item->setSizeHint(QSize(1, m_rowHeight));
        // The row draws its page; assistive technology reads its number.
        item->setData(Qt::AccessibleTextRole, QStringLiteral("Page %1").arg(count()));
    }
    m_quiet = false;
}

void TBVThumbGrid::clearRenderings()
{
    m_renderings.clear();
    viewport()->update();
}

void TBVThumbGrid::selectRowQuietly(int row)
{
    m_quiet = true;
    setCurrentRow(row);
    m_quiet = false;
}

QImage TBVThumbGrid::thumbnail(int pageNumber, QSize sizePx)
{
    if (!m_printer || sizePx.width() < 5 || sizePx.height() < 5)
        return {};
    auto found = m_renderings.find(pageNumber);
    if (found != m_renderings.end() && found->second.deviceIndependentSize().toSize() == sizePx
        && found->second.devicePixelRatio() == devicePixelRatioF())
        return found->second;
    std::unique_ptr<EmfPage> page;
    try {
        page = m_printer->GetPage(pageNumber);
    } catch (const EBVError&) {
        return {};
    }
    if (!page)
        return {};
    const QImage image = renderPageSheet(*page, sizePx, devicePixelRatioF());
    m_renderings[pageNumber] = image;
    return image;
}

void TBVThumbGrid::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    updateRowHeight();
}

void TBVThumbGrid::updateRowHeight()
{
    double pageWidth = 2100;
    double pageHeight = 2970;
    if (m_printer) {
        pageWidth = m_printer->PageWidth();
        pageHeight = m_printer->PageHeight();
    }
    const int height = thumbnailSize(width(), pageWidth, pageHeight, fontMetrics().height()).height();
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(QSize(1, m_rowHeight));
}
