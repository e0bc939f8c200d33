#include "calc/simulation.h"

#include "calc/number_text.h"
#include "calc/number_text_p.h"
#include "calc/simulation_p.h"

#include <cmath>
#include <cstdint>

namespace fundorix::calc {

namespace {

    using detail::Extended;

    std::string yearLabel(int year)
    {
        return std::to_string(year); // the general number format of a whole number
    }

    // What every year of the loop reads and none changes.
    struct YearLoop {
        detail::Mode mode;
        double monatsrate;
        double jahresbetrag;
        const GridCells& grid;
        const detail::GridPlan& plan;
    };

    using EntryIterator = std::vector<detail::GridPlan::Entry>::const_iterator;

    // Step 8 for year i on the state s: the year's formulas in their order,
    // then its point appended to `years`.
    template <typename Store>
    void runYear(const YearLoop& loop, int i, EntryIterator& next, SimulationState& s, std::vector<YearValues>& years)
    {
        const Store store;
        const double laufwert = detail::growYear<Store>(loop.mode, s.jahresstart, loop.monatsrate, s.zinssatz);
        s.depotwert = store(Extended(laufwert) * s.dividendensatz + laufwert + loop.jahresbetrag);
        s.dividendensumme = store(Extended(s.jahresstart) * s.dividendensatz + s.dividendensumme);
        detail::forEachPaymentOfYear<Store>(loop.grid, loop.plan, next, i, [&s, store](const detail::ExtraPayment& p) {
            s.depotwert = detail::depotAfterPayment<Store>(p, s.zinssatz, s.depotwert);
            s.kapitalsumme = store(p.amount + s.kapitalsumme);
            s.sonderzahlungen = store(p.amount + s.sonderzahlungen);
        });
        s.kapitalsumme = store(Extended(loop.monatsrate) * 12 + s.kapitalsumme);
        s.jahresstart = s.depotwert;

        YearValues& y = years.emplace_back();
        y.label = yearLabel(i);
        y.seriesAppended = 0;
        y.kapitaleinsatz = store(Extended(s.kapitalsumme) - s.sonderzahlungen);
        y.seriesAppended = 1;
        y.rendite = store(Extended(s.depotwert) - s.kapitalsumme - s.dividendensumme);
        y.seriesAppended = 2;
        y.dividente = s.dividendensumme;
        y.sonderzahlung = s.sonderzahlungen;
        y.seriesAppended = 4;
    }

    // Year i without the checks, on the running state t. Returns whether the
    // year is good: it ends finite. An infinity or NaN stays one through
    // every later formula of the year (none divides by a running value or
    // compares one), and every value the year stores or reads from a cell
    // flows into the Kapitaleinsatz or the Rendite of its point, so both
    // finite means that no formula overflowed and every cell read. Otherwise
    // `years` and `next` are as before and t is spoilt.
    bool runYearUnchecked(
        const YearLoop& loop, int i, EntryIterator& next, SimulationState& t, std::vector<YearValues>& years)
    {
        if (loop.plan.firstBadColumn != 0)
            return false; // the year cell fails the first year
        EntryIterator after = next;
        runYear<detail::UncheckedStore>(loop, i, after, t, years);
        const YearValues& y = years.back();
        if (!(std::isfinite(y.kapitaleinsatz) && std::isfinite(y.rendite))) {
            years.pop_back();
            return false;
        }
        next = after;
        return true;
    }

    // Step 8, years 1 to n. The years run unchecked on a running copy of the
    // state; the state follows each good year, and a year that is not good
    // runs again, checked, from the state at its start.
    void runYears(const YearLoop& loop, int n, SimulationResult& r)
    {
        SimulationState& s = r.state;
        EntryIterator next = loop.plan.entries.begin();
        if (n > 0)
            r.years.reserve(static_cast<std::size_t>(n));
        SimulationState running = s;
        for (int i = 1; i <= n; ++i) {
            r.failedYear = i;
            if (runYearUnchecked(loop, i, next, running, r.years)) {
                s = running;
                continue;
            }
            runYear<detail::CheckedStore>(loop, i, next, s, r.years); // fails where the year fails
            running = s;
        }
    }

    // Step 9: the sum function adds the four sources in their order. Returns
    // whether every sum is finite.
    template <typename Store> bool addSumLine(std::vector<YearValues>& years)
    {
        const Store store;
        bool finite = true;
        for (YearValues& y : years) {
            double sum = y.kapitaleinsatz;
            sum = store(Extended(sum) + y.rendite);
            sum = store(Extended(sum) + y.dividente);
            y.wertentwicklung = store(Extended(sum) + y.sonderzahlung);
            finite &= std::isfinite(y.wertentwicklung);
        }
        return finite;
    }

} // namespace

namespace detail {

    GridPlan planGrid(const GridCells& grid, int years)
    {
        GridPlan plan;
        const auto& yearRow = grid[0];
        plan.entries.reserve(yearRow.size() - 1);
        for (int c = 1; c < static_cast<int>(yearRow.size()); ++c) {
            const std::string& cell = yearRow[static_cast<std::size_t>(c)];
            if (cell.empty())
                continue;
            const auto year = tryParseWholeNumber(cell);
            if (!year) {
                plan.firstBadColumn = c;
                break; // the run fails here in year 1; later columns are never seen
            }
            if (*year >= 1 && *year <= years)
                plan.entries.push_back({ *year, c });
        }
        // Stable insertion sort: the entries come in column order and are
        // mostly sorted by year already.
        auto& e = plan.entries;
        for (std::size_t i = 1; i < e.size(); ++i) {
            const GridPlan::Entry v = e[i];
            std::size_t k = i;
            for (; k > 0 && e[k - 1].year > v.year; --k)
                e[k] = e[k - 1];
            e[k] = v;
        }
        return plan;
    }

} // namespace detail

SimulationResult simulate(const SimulationInputs& inputs, const GridCells& grid, const SimulationState& previous)
{
    SimulationResult r;
    r.state = previous;
    SimulationState& s = r.state;
    FailureStep step = FailureStep::Rates;
    try {
        // 3. n := position of UpDown2 (a signed 16-bit value).
        const int n = static_cast<std::int16_t>(inputs.years);

        // 4.
        step = FailureStep::Rates;
        s.zinssatz = detail::store(parseDecimal(inputs.rendite) / 100);
        s.dividendensatz = detail::store(parseDecimal(inputs.dividente) / 100);

        // 5.
        step = FailureStep::StartValues;
        s.jahresstart = detail::store(parseDecimal(inputs.anlageSumme));
        s.kapitalsumme = detail::store(parseDecimal(inputs.anlageSumme));
        s.dividendensumme = 0;

        // 6.
        r.seriesCleared = true;

        // 7.
        step = FailureStep::Amounts;
        r.monatsrate = detail::store(parseDecimal(inputs.sparen));
        s.sonderzahlungen = 0;
        r.jahresbetrag = detail::store(parseDecimal(inputs.edit1));
        const double monatsrate = r.monatsrate;
        const double jahresbetrag = r.jahresbetrag;

        // 8.
        step = FailureStep::Year;
        const detail::GridPlan plan = detail::planGrid(grid, n);
        runYears({ detail::modeOf(inputs.comboBox1), monatsrate, jahresbetrag, grid, plan }, n, r);
        r.failedYear = 0;

        // 9.
        step = FailureStep::SumLine;
        if (!addSumLine<detail::UncheckedStore>(r.years)) {
            for (YearValues& y : r.years)
                y.wertentwicklung = 0; // what the failing run leaves beyond the failing year
            addSumLine<detail::CheckedStore>(r.years); // fails where the sum overflows
        }
        r.sumLineRecomputed = true;

        // 10.
        step = FailureStep::ResultLabels;
        ResultTexts& t = r.texts;
        t.anlageWunsch = formatAmount(s.depotwert);
        t.kapitaleinsatz = formatAmount(s.kapitalsumme);
        t.dividenteWiederanlage = formatAmount(s.dividendensumme);
        t.anlageGewinn = formatAmount(Extended(s.depotwert) - s.kapitalsumme);
        if (s.kapitalsumme != 0) {
            // The percentage is no stored quantity: it stays the exact cent
            // value in extended precision. A double copy of 0,15 lies below
            // 0,15, and half of it would then show 0,07 instead of 0,08.
            const Extended p = roundToCents(Extended(s.depotwert) * 100 / s.kapitalsumme - 100);
            t.anlageProzent = formatAmount(p) + kPercentSuffix;
            if (n == 0)
                throw ArithmeticError(
                    p == 0 ? ArithmeticError::Kind::InvalidOperation : ArithmeticError::Kind::ZeroDivide);
            t.anlageProzentHint = formatFixed2(p / n) + kAnlageProzentHintSuffix;
        } else {
            t.anlageProzent = std::string(kZeroAmount) + kPercentSuffix;
        }

        // 11.
        step = FailureStep::SparenHint;
        // Twelve times the typed amount, not its double copy Monatsrate: for
        // 0,01125 the double lies below the half cent of 0,135 and would
        // round to 0,13 instead of 0,14.
        t.sparenHint = formatGeneralCents(parseDecimal(inputs.sparen) * 12) + kSparenHintSuffix;
        step = FailureStep::None;
    } catch (const ConversionError& e) {
        r.failureMessage = e.what();
    } catch (const ArithmeticError& e) {
        r.failureMessage = e.what();
    }
    if (step != FailureStep::None) {
        r.ok = false;
        r.failedStep = step;
        if (step != FailureStep::Year)
            r.failedYear = 0;
        r.texts.anlageWunsch = kZeroAmount;
        r.texts.kapitaleinsatz = kZeroAmount;
    }
    return r;
}

} // namespace fundorix::calc
