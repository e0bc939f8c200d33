#include "string_grid.h"

#include "extra_grid.h"
#include "form_model.h"

#include <QHeaderView>

namespace {

constexpr int defaultColumnWidth = 60;
constexpr int defaultRowHeight = 20;

}

StringGrid::StringGrid(FormModel& form, QWidget* parent)
    : QTableWidget(ExtraGrid::rowCount, ExtraGrid::columnCount - 1, parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("StringGrid1"));
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
        setItem(row, column - 1, new QTableWidgetItem(text));
    } else if (cell->text() != text) {
        cell->setText(text);
    }
}

void StringGrid::takeEdit(QTableWidgetItem* item) { m_form.setGridCell(item->row(), item->column() + 1, item->text()); }
