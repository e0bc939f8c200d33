// The common search of the target solvers, driven by a callback.
//
// The caller owns the dialog (input box), the busy cursor and the field
// writes; this module owns the arithmetic: the first trial base, the step that
// reverses and shrinks tenfold on overshoot, the stop condition, the bound and
// the final texts. The three operations of the main window map to it:
//
//   AnlageWunschDblClick:  t = parseTargetText(inputBoxText); if (!t) return;
//                          searchTarget({SolverOperation::MonthlyAmount, *t, ...}, writeSparen)
//   ANLAGEGEWINNDblClick:  likewise with SolverOperation::Rate and writeRendite
//   Label15DblClick:       AnlageSumme := AnlageWunsch text (runs the recompute), then
//                          searchTarget({SolverOperation::Payout, 0, ...}, writeSparen)
//
// then write result.fieldText into the searched field (Sparen or Rendite), and
// for Sparen searches then the hint of Sparen := *result.sparenHint (after the
// write, whose recompute has set the hint to its own value). If result.bounded,
// fieldText is the text from before the search and kSearchBoundMessage goes to
// an information box (fundorix-cli solve: on standard error, exit status 1).
// Any exception (ConversionError, ArithmeticError) goes to the standard error
// box; the caller then writes back the searched field's text from before the
// search if trials have been made through the callback.
#pragma once

#include "calc/simulation.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace fundorix::calc {

/// The three goal-seeking operations of the main window.
enum class SolverOperation {
    MonthlyAmount, ///< AnlageWunschDblClick: searches Sparen, first base (T − A) / n, step 1000
    Rate, ///< ANLAGEGEWINNDblClick: searches Rendite, first base = current Rendite, step 0.1
    Payout, ///< Label15DblClick: searches Sparen for T = 0, first base (T − A) / n, step 1000
};

/// Texts of the input box of the first two operations (the caller shows it).
inline constexpr const char* kSearchInputCaption = "Berechnung des jährl.Anlagebetrags";
inline constexpr const char* kSearchInputPrompt = "Welcher Depotwert soll erreicht werden?";
/// Shown in an information box when the bound ended a search.
inline constexpr const char* kSearchBoundMessage
    = "Der gewünschte Wert kann mit diesen Eingaben nicht erreicht werden.";

/// Step 2 of the common search: the first '.' of the text (only the first)
/// becomes ','; an empty text gives std::nullopt (the operation ends without
/// any change); otherwise the parsed target T as a double.
/// Throws ConversionError (for example for "1.000.000") and
/// ArithmeticError(Overflow) for a value beyond the range of double.
std::optional<double> parseTargetText(std::string text);

/// The situation when the search starts.
struct SearchSetup {
    SolverOperation operation = SolverOperation::MonthlyAmount;
    double target = 0; ///< T (0 for SolverOperation::Payout)
    /// Text of AnlageSumme when the search starts (for Payout: after the depot
    /// value has been moved into it). Parsed for MonthlyAmount and Payout only.
    std::string anlageSumme;
    /// Current text of the searched field (Sparen, or Rendite for Rate). Parsed
    /// when the search sets up; it is x when the depot value already matches.
    std::string fieldText;
    int years = 10; ///< n, the position of UpDown2
    double depotwert = 0; ///< Depotwert now (after the last recompute)

    /// Optional, for the Sparen searches: the form's current inputs (texts as
    /// the recompute reads them, years) and grid, valid during the call. With
    /// them the search evaluates long stretches of trials with simulate()
    /// instead of writing each one: where the depot value provably rises (or
    /// falls) steadily with the monthly amount (rate and dividend not
    /// negative), it finds the first trial that reaches the target by
    /// bisection and writes only from there on. The outcome (x, trials,
    /// the texts, and everything the form shows afterwards) is the same as
    /// with every trial written, as long as the work lasts; a search of
    /// 500 000 trials takes milliseconds. Without them every trial goes through the callback.
    const SimulationInputs* inputs = nullptr;
    const GridCells* grid = nullptr;
};

/// One trial: write `text` (general number format) into the searched field,
/// which runs the recompute when the text differs from the field's current
/// text (the same text runs nothing), and return Depotwert afterwards.
using TrialFunction = std::function<double(const std::string& text)>;

/// The bound of the search, counted in work rather than in time or trials, so
/// that a search ends with the same outcome on any machine and under any load.
/// One unit of work is one simulated year: every trial written through the
/// callback costs the years of its recompute, and so does every trial the
/// fast-forward evaluates without writing it. The search ends when it hits the
/// target, when it is provably stuck (its whole state repeats, so it could
/// never reach the target), or when the work is used up.
struct SearchLimits {
    /// About 2 s of searching on the window's recompute: 100 000 trials of a
    /// 10-year plan or 10 000 of a 100-year plan.
    std::int64_t maxWork = 1000000;
};

struct SearchResult {
    std::int64_t trials = 0; ///< number of trial values, written or skipped by the fast-forward
    std::int64_t work = 0; ///< work spent, in simulated years (see SearchLimits)
    /// The search gave up (the work was used up, or it was stuck). The
    /// caller tells the user; fieldText then is the searched field's text
    /// from before the search, so the form returns to what it showed.
    bool bounded = false;
    double x = 0; ///< the final value of the searched input before rounding
    /// Text to write into the searched field at the end:
    /// round(x · 100) / 100 in the general number format ("90,17", "12,42", "-561,12").
    std::string fieldText;
    /// For solved Sparen searches (MonthlyAmount, Payout): the hint of Sparen to set
    /// after writing fieldText: round(x · 12 · 100) / 100 in the general format
    /// followed by " im Jahr" ("1082,09 im Jahr"). Disengaged for Rate and
    /// when the search gave up (the restoring write's recompute sets the hint).
    std::optional<std::string> sparenHint;
};

/// Runs the common search, steps 3 to 5 (the final field writes are
/// the caller's, see above). Throws ConversionError when AnlageSumme (where it
/// is used) or the searched field does not parse at set-up (no trial made), and
/// ArithmeticError when a value is too large to round to cents (the stop
/// condition, the final rounding) or beyond the range of double.
SearchResult searchTarget(const SearchSetup& setup, const TrialFunction& trial, const SearchLimits& limits = {});

} // namespace fundorix::calc
