#include "string_grid.h"

#include "extra_grid.h"
#include "form_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <optional>

namespace {

constexpr int defaultColumnWidth = 60;
constexpr int defaultRowHeight = 20;

// A payment cell: its accessible name is its row heading and its column,
// followed by what it holds.
class GridCell : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;

    QTableWidgetItem* clone() const override { return new GridCell(*this); }
    QVariant data(int role) const override
    {
        if (role != Qt::AccessibleTextRole || !tableWidget())
            return QTableWidgetItem::data(role);
        const QTableWidgetItem* heading = tableWidget()->verticalHeaderItem(row());
        QString name
            = heading && !heading->text().isEmpty() ? heading->text() : QStringLiteral("Zeile %1").arg(row() + 1);
        name += QStringLiteral(", Spalte %1").arg(column() + 1);
        if (!text().isEmpty())
            name += QStringLiteral(": ") + text();
        return name;
    }
};

// Ctrl+Tab leaves forwards, Ctrl+Shift+Tab backwards; nothing else does.
std::optional<bool> leavingDirection(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || !(key->modifiers() & Qt::ControlModifier))
        return std::nullopt;
    return key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
}

// The cell editor's keys: Ctrl+Tab keeps the typed text and leaves the grid
// instead of moving to the next cell.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(StringGrid* grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }

    // The editor of a cell is named like the cell, so a screen reader names
    // the cell being typed in.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor)
            editor->setAccessibleName(index.data(Qt::AccessibleTextRole).toString());
        return editor;
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        const std::optional<bool> forward = leavingDirection(event);
        auto* editor = qobject_cast<QWidget*>(object);
        if (!forward || !editor)
            return QStyledItemDelegate::eventFilter(object, event);
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        m_grid->leave(*forward);
        return true;
    }

private:
    StringGrid* m_grid;
};

}

StringGrid::StringGrid(FormModel& form, QWidget* parent)
    : QTableWidget(ExtraGrid::rowCount, ExtraGrid::columnCount - 1, parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setAccessibleName(QStringLiteral("Ein- und Abgänge"));
    setItemPrototype(new GridCell);
    setItemDelegate(new GridDelegate(this));
    horizontalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(defaultColumnWidth);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(defaultColumnWidth);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int row = 0; row < ExtraGrid::rowCount; ++row) {
        for (int column = 0; column < ExtraGrid::columnCount; ++column)
            showCell(row, column);
    }
    connect(this, &QTableWidget::itemChanged, this, &StringGrid::takeEdit);
    connect(&m_form, &FormModel::gridCellChanged, this, &StringGrid::showCell);
}

void StringGrid::showCell(int row, int column)
{
    const QString text = m_form.gridCell(row, column);
    if (column == 0) {
        setVerticalHeaderItem(row, new QTableWidgetItem(text));
        return;
    }
    QTableWidgetItem* cell = item(row, column - 1);
    if (!cell) {
        setItem(row, column - 1, new GridCell(text));
    } else if (cell->text() != text) {
        cell->setText(text);
    }
}

void StringGrid::takeEdit(QTableWidgetItem* item) { m_form.setGridCell(item->row(), item->column() + 1, item->text()); }

bool StringGrid::event(QEvent* event)
{
    if (const std::optional<bool> forward = leavingDirection(event)) {
        leave(*forward);
        return true;
    }
    return QTableWidget::event(event);
}

// The widget's own focus move, not the view's, which stays in the cells.
void StringGrid::leave(bool forward) { QWidget::focusNextPrevChild(forward); }
