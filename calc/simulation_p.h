// Private to calc/: the pieces of the year loop that the savings simulation
// and the net view share, so that both walk the depot's path with the same
// operations in the same order.
#pragma once

#include "calc/number_text.h"
#include "calc/number_text_p.h"
#include "calc/simulation.h"

#include <array>
#include <cstddef>
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

// The two ways of evaluating the year's formulas. Checked is the
// calculation's own: store() after every formula (which fails on a value
// beyond the range of double) and parseDecimal for a grid cell (which fails
// on a text that is not a number). Unchecked stores in the same way but lets
// an infinity or NaN through, and reads a cell in the short form only, as
// NaN otherwise: every failure becomes a value that is not finite. A year
// run unchecked is checked once at its end and, when anything is not
// finite, run again checked, so that it fails where the calculation fails.
struct CheckedStore {
    double operator()(Extended value) const { return store(value); }
    static Extended cell(const std::string& text) { return parseDecimal(text); }
};
struct UncheckedStore {
    double operator()(Extended value) const { return static_cast<double>(value); }
    static Extended cell(const std::string& text) { return shortDecimalValue(text); }
};

// The running values from the year's start values, month by month, for N
// depots that differ only in their growth rate. The lanes are stepped side
// by side, so that their chains of dependent operations overlap; each lane
// gets exactly the operations of a depot of its own.
template <std::size_t N, typename Store = CheckedStore>
inline void growYears(Mode mode, std::array<double, N>& l, double monatsrate, const std::array<double, N>& zinssatz)
{
    const Store store;
    const double m = monatsrate;
    const auto& z = zinssatz;
    switch (mode) {
    case Mode::Monthly:
        for (int j = 1; j <= 12; ++j) {
            for (std::size_t k = 0; k < N; ++k)
                l[k] = store(Extended(l[k]) + m);
            for (std::size_t k = 0; k < N; ++k)
                l[k] = store(Extended(l[k]) * z[k] / 12 + l[k]);
        }
        break;
    case Mode::Quarterly:
        for (int j = 3; j <= 12; j += 3) {
            for (std::size_t k = 0; k < N; ++k)
                l[k] = store((Extended(m) * 1.5L + l[k]) * z[k] / 4 + l[k]);
            for (std::size_t k = 0; k < N; ++k)
                l[k] = store(Extended(m) * 3 + l[k]);
        }
        break;
    case Mode::HalfYearly:
        for (int j = 6; j <= 12; j += 6) {
            for (std::size_t k = 0; k < N; ++k)
                l[k] = store((Extended(m) * 3 + l[k]) * z[k] / 2 + l[k]);
            for (std::size_t k = 0; k < N; ++k)
                l[k] = store(Extended(m) * 6 + l[k]);
        }
        break;
    case Mode::Yearly:
        for (std::size_t k = 0; k < N; ++k) {
            l[k] = store((Extended(m) * 6 + l[k]) * z[k] + l[k]);
            l[k] = store(Extended(m) * 12 + l[k]);
        }
        break;
    case Mode::None:
        break;
    }
}

template <typename Store = CheckedStore>
inline double growYear(Mode mode, double laufwert, double monatsrate, double zinssatz)
{
    std::array<double, 1> l { laufwert };
    growYears<1, Store>(mode, l, monatsrate, { zinssatz });
    return l[0];
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

template <typename Store = CheckedStore> inline ExtraPayment extraPaymentAt(const GridCells& grid, int column)
{
    const auto c = static_cast<std::size_t>(column);
    return { Store::cell(grid[1][c]), Store::cell(grid[2][c]) };
}

// The depot value after one extra payment that earns simple interest for
// 13 - m twelfths of the year.
template <typename Store = CheckedStore>
inline double depotAfterPayment(const ExtraPayment& p, double zinssatz, double depotwert)
{
    return Store {}((13 - p.month) * (p.amount * zinssatz) / 12 + (p.amount + depotwert));
}

// Walks the columns of year i in column order, stopping at the first column
// whose year cell is not a whole number (which then fails the run).
template <typename Store = CheckedStore, typename Visit>
void forEachPaymentOfYear(const GridCells& grid, const GridPlan& plan,
    std::vector<GridPlan::Entry>::const_iterator& next, int year, Visit&& visit)
{
    for (; next != plan.entries.end() && next->year == year; ++next) {
        if (plan.firstBadColumn != 0 && next->column > plan.firstBadColumn)
            break;
        visit(extraPaymentAt<Store>(grid, next->column));
    }
    if (plan.firstBadColumn != 0)
        parseWholeNumber(grid[0][static_cast<std::size_t>(plan.firstBadColumn)]); // throws
}

} // namespace fundorix::calc::detail
