// The savings simulation (the recompute `TrackBar1Change`),
// as a pure function: field texts and grid cells in, per-year chart values,
// state numbers and the texts of the result labels and hints out.
//
// The caller (the form model) first applies the recompute's corrections of
// steps 1 and 2 (empty field -> "0", '.' -> ',', each a field write that nests a
// recompute) and then calls simulate() with the corrected texts; simulate() runs
// steps 3 to 11 and reports exactly what the run writes, also when it fails
// part-way. Applying a SimulationResult means:
//   1. state := result.state (always, also on failure);
//   2. if result.seriesCleared: clear Series1..Series4, then append the points
//      of result.years (see YearValues::seriesAppended); otherwise the chart
//      keeps the previous run's points untouched;
//   3. if result.sumLineRecomputed: recompute the sum line (Series5);
//   4. every engaged std::optional in result.texts is written to its label or
//      hint; a disengaged one keeps the text it showed before.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace fundorix::calc {

/// The compounding modes, exactly as ComboBox1 lists them (UTF-8, as every
/// text of this module). The mode text is compared exactly; any other text
/// applies neither growth nor monthly amount.
inline constexpr const char* kModeMonthly = "monatlich";
inline constexpr const char* kModeQuarterly = "vierteljährlich";
inline constexpr const char* kModeHalfYearly = "halbjährlich";
inline constexpr const char* kModeYearly = "jährlich";

/// The texts of the input fields as they stand when the recompute reaches
/// step 3 (after the corrections of steps 1 and 2), and the years spinner.
struct SimulationInputs {
    std::string anlageSumme = "10000"; ///< AnlageSumme: initial sum
    std::string rendite = "10"; ///< Rendite: yearly rate in percent
    std::string comboBox1 = kModeYearly; ///< ComboBox1: compounding mode text
    std::string sparen = "50"; ///< Sparen: monthly amount
    std::string edit1 = "0"; ///< Edit1: yearly amount
    std::string dividente = "1,5"; ///< Dividente: dividend yield in percent
    int years = 10; ///< n: position of UpDown2 (the form keeps it in 1..100; any value is safe)
};

/// The extra-payments grid StringGrid1: cells[row][column], rows 0 "Jahr",
/// 1 "Monat", 2 "Betrag"; columns 0 (headings, never read) to 99.
using GridCells = std::array<std::array<std::string, 100>, 3>;

/// The numbers the main window keeps between runs (the state kept in the
/// window object), all IEEE double. A failed run leaves the ones it had not
/// reached yet at their previous values, so simulate() takes the previous
/// state as input.
struct SimulationState {
    double zinssatz = 0; ///< Rendite / 100
    double dividendensatz = 0; ///< Dividente / 100
    double jahresstart = 0; ///< depot value at the start of the year being simulated
    double depotwert = 0; ///< depot value at the end of the last simulated year (AnlageWunsch)
    double kapitalsumme = 0; ///< capital paid in (Kapitaleinsatz)
    double dividendensumme = 0; ///< dividends credited, on each year's start value
    double sonderzahlungen = 0; ///< extra payments of the years simulated so far (0 at step 7)
};

/// One year's point of the four bar series (step 8.8) and the sum line.
struct YearValues {
    std::string label; ///< the year i in the general number format: "1", "2", ...
    double kapitaleinsatz = 0; ///< Series1: Kapitalsumme − Sonderzahlungen
    double rendite = 0; ///< Series2: Depotwert − Kapitalsumme − Dividendensumme
    double dividente = 0; ///< Series3: Dividendensumme
    double sonderzahlung = 0; ///< Series4: Sonderzahlungen
    /// Series5 "Wertentwicklung": the sum function's value (Series1 + Series2 +
    /// Series3 + Series4 in double, in this order) = Depotwert at the year's end.
    /// Only meaningful when the run recomputed the sum line.
    double wertentwicklung = 0;
    /// How many of Series1, Series2, Series3, Series4 (in this order) received
    /// this point: 4, except for the last year of a run that failed while
    /// appending (a value beyond the range of double), where it is 0 to 3.
    int seriesAppended = 4;
};

/// The label and hint texts a run writes. Disengaged: the run does not write
/// it, the label or hint keeps its previous text.
struct ResultTexts {
    std::optional<std::string> anlageWunsch; ///< AnlageWunsch ("Depotwert")
    std::optional<std::string> kapitaleinsatz; ///< Kapitaleinsatz ("Kapital")
    std::optional<std::string> dividenteWiederanlage; ///< DividenteWiederanlage ("Dividende")
    std::optional<std::string> anlageGewinn; ///< ANLAGEGEWINN ("Zuwachs")
    std::optional<std::string> anlageProzent; ///< AnlageProzent ("Zuwachs in %"), with " %"
    std::optional<std::string> anlageProzentHint; ///< hint of AnlageProzent ("... % ohne Zinses Zins berechnet")
    std::optional<std::string> sparenHint; ///< hint of Sparen ("600 im Jahr")
};

/// Where a run failed: the step number of the recompute.
enum class FailureStep {
    None = 0, ///< the run completed
    Rates = 4, ///< Rendite or Dividente did not parse / overflowed: chart untouched
    StartValues = 5, ///< AnlageSumme did not parse / overflowed: chart untouched
    Amounts = 7, ///< Sparen or Edit1 (after the series were cleared)
    Year = 8, ///< inside year `failedYear` (grid cell, overflow, appending a point)
    SumLine = 9, ///< the sum line overflowed
    ResultLabels = 10, ///< rounding a result to cents (too large), P / n
    SparenHint = 11, ///< rounding Sparen · 12 to cents
};

/// What one run of the recompute (steps 3 to 11) produced.
struct SimulationResult {
    bool ok = true; ///< false: the run failed and ended at `failedStep`
    FailureStep failedStep = FailureStep::None;
    int failedYear = 0; ///< the year i for FailureStep::Year, else 0
    std::string failureMessage; ///< the failure's text (for diagnostics; never shown to the user)

    SimulationState state; ///< the state after the run (partly the previous one on failure)
    double monatsrate = 0; ///< the parsed monthly amount (valid from step 7 on)
    double jahresbetrag = 0; ///< the parsed yearly amount (valid from step 7 on)

    /// Step 6 was reached: the four bar series are cleared and receive
    /// exactly `years`. False (failure in steps 4 or 5): the chart keeps the
    /// previous run's points and `years` is empty.
    bool seriesCleared = false;
    std::vector<YearValues> years; ///< the points appended in this run, year 1 first
    /// Step 9 ran: the sum line is recomputed from the four bar series. False
    /// on a failure before it: the sum line keeps what it showed.
    bool sumLineRecomputed = false;

    /// Texts written by the run. On failure AnlageWunsch and Kapitaleinsatz
    /// hold "0,00"; the other texts are engaged only when the run wrote them
    /// before it failed.
    ResultTexts texts;
};

/// Runs steps 3 to 11 of the recompute. Never throws (every failure of the
/// run is reported in the result as the recompute's failure handling
/// prescribes) apart from std::bad_alloc.
SimulationResult simulate(
    const SimulationInputs& inputs, const GridCells& grid, const SimulationState& previous = SimulationState {});

/// The suffix texts of the hints written by the recompute.
inline constexpr const char* kSparenHintSuffix = " im Jahr";
inline constexpr const char* kAnlageProzentHintSuffix = " % ohne Zinses Zins berechnet";
inline constexpr const char* kPercentSuffix = " %";
inline constexpr const char* kZeroAmount = "0,00";

} // namespace fundorix::calc
