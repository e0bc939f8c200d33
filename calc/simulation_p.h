// Private to calc/: the pieces of the year loop that the savings simulation
// and the net view share, so that both walk the depot's path with the same
// operations in the same order.
#pragma once

#include "calc/number_text.h"
#include "calc/number_text_p.h"
#include "calc/simulation.h"

#include <string>
#include <vector>

namespace fundorix::calc::detail {

// Every formula is evaluated in extended precision; the first operand is
// widened so that the whole expression is, and the result is stored into a
// double with store() (which fails on overflow).
using Extended = long double;

enum class Mode { None, Monthly, Quarterly, HalfYearly, Yearly };

inline Mode modeOf(const std::string& text)
{
    if (text == kModeMonthly)
        return Mode::Monthly;
    if (text == kModeQuarterly)
        return Mode::Quarterly;
    if (text == kModeHalfYearly)
        return Mode::HalfYearly;
    if (text == kModeYearly)
        return Mode::Yearly;
    return Mode::None;
}

// The running value from the year's start value, month by month.
inline double growYear(Mode mode, double laufwert, double monatsrate, double zinssatz)
{
    double l = laufwert;
    const double m = monatsrate;
    const double z = zinssatz;
    switch (mode) {
    case Mode::Monthly:
        for (int j = 1; j <= 12; ++j) {
            l = store(Extended(l) + m);
            l = store(Extended(l) * z / 12 + l);
        }
        break;
    case Mode::Quarterly:
        for (int j = 3; j <= 12; j += 3) {
            l = store((Extended(m) * 1.5L + l) * z / 4 + l);
            l = store(Extended(m) * 3 + l);
        }
        break;
    case Mode::HalfYearly:
        for (int j = 6; j <= 12; j += 6) {
            l = store((Extended(m) * 3 + l) * z / 2 + l);
            l = store(Extended(m) * 6 + l);
        }
        break;
    case Mode::Yearly:
        l = store((Extended(m) * 6 + l) * z + l);
        l = store(Extended(m) * 12 + l);
        break;
    case Mode::None:
        break;
    }
    return l;
}

// The grid columns as the year loop visits them. Every year visits all
// columns 1..99 in order and parses each non-empty year cell; a cell that is
// not a whole number therefore fails the run in year 1, at that column. The
// columns are sorted once per run by (year, column) so that a year visits
// only its own columns.
struct GridPlan {
    struct Entry {
        int year;
        int column;
    };
    std::vector<Entry> entries; // years 1..n only, sorted by year, then column
    int firstBadColumn = 0; // 0: every non-empty year cell is a whole number
};

GridPlan planGrid(const GridCells& grid, int years);

// One extra payment: its month and amount as parsed (not stored).
struct ExtraPayment {
    Extended month;
    Extended amount;
};

inline ExtraPayment extraPaymentAt(const GridCells& grid, int column)
{
    const auto c = static_cast<std::size_t>(column);
    return { parseDecimal(grid[1][c]), parseDecimal(grid[2][c]) };
}

// The depot value after one extra payment that earns simple interest for
// 13 - m twelfths of the year.
inline double depotAfterPayment(const ExtraPayment& p, double zinssatz, double depotwert)
{
    return store((13 - p.month) * (p.amount * zinssatz) / 12 + (p.amount + depotwert));
}

// Walks the columns of year i in column order, stopping at the first column
// whose year cell is not a whole number (which then fails the run).
template <typename Visit>
void forEachPaymentOfYear(const GridCells& grid, const GridPlan& plan,
    std::vector<GridPlan::Entry>::const_iterator& next, int year, Visit&& visit)
{
    for (; next != plan.entries.end() && next->year == year; ++next) {
        if (plan.firstBadColumn != 0 && next->column > plan.firstBadColumn)
            break;
        visit(extraPaymentAt(grid, next->column));
    }
    if (plan.firstBadColumn != 0)
        parseWholeNumber(grid[0][static_cast<std::size_t>(plan.firstBadColumn)]); // throws
}

} // namespace fundorix::calc::detail
