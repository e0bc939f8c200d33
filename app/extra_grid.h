#pragma once

#include "calc/simulation.h"

#include <QString>

// The extra-payments grid StringGrid1: 3 rows x 100 columns of free text.
// Column 0 holds the row headings; columns 1 to 99 are one payment each
// (row 0 year, row 1 month, row 2 amount). The cells are kept in the form
// the simulation reads, so a recompute needs no conversion.
class ExtraGrid {
public:
    static constexpr int rowCount = 3;
    static constexpr int columnCount = 100;

    ExtraGrid();

    // Out-of-range cells read as empty and ignore writes.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);

    // The number of cells of a row from column 1 up to, not including, the
    // first empty one: what the settings file stores.
    int filledPrefixLength(int row) const;

    const fundorix::calc::GridCells& cells() const { return m_cells; }

    static bool contains(int row, int column);

private:
    fundorix::calc::GridCells m_cells;
};
