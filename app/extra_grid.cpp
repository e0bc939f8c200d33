#include "extra_grid.h"

ExtraGrid::ExtraGrid()
{
    m_cells[0][0] = "Jahr";
    m_cells[1][0] = "Monat";
    m_cells[2][0] = "Betrag";
}

bool ExtraGrid::contains(int row, int column)
{
    return row >= 0 && row < rowCount && column >= 0 && column < columnCount;
}

QString ExtraGrid::cell(int row, int column) const
{
    return contains(row, column) ? QString::fromStdString(m_cells[row][column]) : QString();
}

void ExtraGrid::setCell(int row, int column, const QString& text)
{
    if (contains(row, column))
        m_cells[row][column] = text.toStdString();
}

int ExtraGrid::filledPrefixLength(int row) const
{
    if (row < 0 || row >= rowCount)
        return 0;
    int length = 0;
    while (length + 1 < columnCount && !m_cells[row][length + 1].empty())
        ++length;
    return length;
}
