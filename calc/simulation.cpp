#include "calc/simulation.h"

#include "calc/number_text.h"
#include "calc/number_text_p.h"
#include "calc/simulation_p.h"

#include <cstdint>
#include <cstring>

namespace fundorix::calc {

namespace {

    using detail::Extended;

    std::string yearLabel(int year)
    {
        return std::to_string(year); // the general number format of a whole number
    }

} // namespace

namespace detail {

    GridPlan planGrid(const GridCells& grid, int years)
    {
        GridPlan plan;
        const auto& yearRow = grid[0];
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
        const detail::Mode mode = detail::modeOf(inputs.comboBox1);
        const detail::GridPlan plan = detail::planGrid(grid, n);
        auto next = plan.entries.begin();
        if (n > 0)
            r.years.reserve(static_cast<std::size_t>(n));
        for (int i = 1; i <= n; ++i) {
            r.failedYear = i;
            const double laufwert = detail::growYear(mode, s.jahresstart, monatsrate, s.zinssatz);
            s.depotwert = detail::store(Extended(laufwert) * s.dividendensatz + laufwert + jahresbetrag);
            s.dividendensumme = detail::store(Extended(s.jahresstart) * s.dividendensatz + s.dividendensumme);
            detail::forEachPaymentOfYear(grid, plan, next, i, [&s](const detail::ExtraPayment& p) {
                s.depotwert = detail::depotAfterPayment(p, s.zinssatz, s.depotwert);
                s.kapitalsumme = detail::store(p.amount + s.kapitalsumme);
                s.sonderzahlungen = detail::store(p.amount + s.sonderzahlungen);
            });
            s.kapitalsumme = detail::store(Extended(monatsrate) * 12 + s.kapitalsumme);
            s.jahresstart = s.depotwert;

            r.years.push_back(YearValues {});
            YearValues& y = r.years.back();
            y.label = yearLabel(i);
            y.seriesAppended = 0;
            y.kapitaleinsatz = detail::store(Extended(s.kapitalsumme) - s.sonderzahlungen);
            y.seriesAppended = 1;
            y.rendite = detail::store(Extended(s.depotwert) - s.kapitalsumme - s.dividendensumme);
            y.seriesAppended = 2;
            y.dividente = s.dividendensumme;
            y.sonderzahlung = s.sonderzahlungen;
            y.seriesAppended = 4;
        }
        r.failedYear = 0;

        // 9. The sum function adds the four sources in their order.
        step = FailureStep::SumLine;
        for (YearValues& y : r.years) {
            double sum = y.kapitaleinsatz;
            sum = detail::store(Extended(sum) + y.rendite);
            sum = detail::store(Extended(sum) + y.dividente);
            y.wertentwicklung = detail::store(Extended(sum) + y.sonderzahlung);
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
