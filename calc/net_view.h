// The net view of a plan: what is left of the depot after the fund's running
// costs, the tax on investment income and inflation. A second pass over the
// same field texts and grid as the savings simulation, plus the user's own
// net options; it writes nothing the simulation writes.
//
// The rules (German law as of 2026):
//
// Options. Tax rate t: none 0; Abgeltungsteuer 25 % plus 5,5 %
// Solidaritätszuschlag of it, 0,26375 (§ 32d Abs. 1 EStG, § 4 SolZG); with
// Kirchensteuer k = 0,08 or 0,09 the church tax is deductible from its own
// base, t = (1,055 + k) / (4 + k) (§ 32d Abs. 1 Satz 3 EStG). Teilfreistellung
// f = 0,30 equity funds, 0,15 mixed funds, 0,60 real-estate funds, 0,80
// foreign real-estate funds, 0 without (§ 20 InvStG). b = Basiszins / 100
// (§ 18 Abs. 4 InvStG, published yearly), c = fund costs / 100,
// p = inflation / 100, d = dynamics / 100, F = Sparerpauschbetrag per year
// (§ 20 Abs. 9 EStG: 1000, 2000 for a couple assessed jointly).
//
// Per year i = 1 … n the plan is simulated exactly as the savings simulation
// does, except that
//   1. M_1 = Sparen, Y_1 = Edit1, and for i ≥ 2 M_i = M_{i−1}·(1 + d),
//      Y_i = Y_{i−1}·(1 + d);
//   2. the growth rate is z = Zinssatz − c (month loop and extra payments);
//      the dividend rate stays.
// The year records A_{i−1} (the value at its start), D_i = Laufwert ·
// Dividendensatz and D⁺_i = max(0, D_i) (a negative "dividend" is a fee),
// W_i (the value at its end, after the extra payments) and E_i = 12·M_i + Y_i
// + the year's extra payments (all money paid in).
//   Vorabpauschale (§ 18 InvStG): Basisertrag B_i = 0,7 · b · max(0, A_{i−1}
//   + 6,5·M_i + Y_i/12 + Σ a·(13 − m)/12 over the extra payments a in month
//   m); Mehrbetrag G_i = W_i − A_{i−1} − E_i; VP_i = max(0, min(B_i, G_i) −
//   D⁺_i).
//   Tax (§ 20 InvStG, § 20 Abs. 9 EStG): S_i = (D⁺_i + VP_i)·(1 − f),
//   U_i = min(F, S_i), T_i = (S_i − U_i)·t rounded to cents. The bank debits
//   it from the clearing account, so the depot's path is not touched.
// After year n: cost basis K = AnlageSumme + Σ E_i + Σ D⁺_i (a reinvested
// distribution buys new units). Tax on selling (§ 19 Abs. 1 InvStG deducts
// the Vorabpauschalen already taxed): G = W_n − K − Σ VP_i, S = max(0,
// G·(1 − f)), T = max(0, S − (F − U_n))·t rounded to cents.
// Results: Depotwert W_n; Fondskosten = W_n of the same run with c = 0 minus
// W_n; Steuern laufend Σ T_i; Steuer bei Verkauf T; Netto W_n − T;
// Nettogewinn Netto − (AnlageSumme + Σ E_i) − Σ T_i; Kaufkraft heute
// Netto / (1 + p)ⁿ.
//
// Precision: the options, z, M_i, Y_i, every value of the depot's path, D_i,
// each tax and each result are stored as double; the year's tax arithmetic
// and the sums over the years stay in extended precision; (1 + p)ⁿ is the
// extended product of n factors. A tax is rounded when it is computed (the
// extended amount × 100 rounded half to even, divided by 100). With no tax,
// c = 0 and d = 0 the depot's path is the simulation's to the bit.
//
// For a loan (negative amounts) the Basisertrag and every gain are negative,
// so no tax arises and no tax is refunded; fund costs lower the interest like
// any other growth.
#pragma once

#include "calc/simulation.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fundorix::calc {

enum class NetTax { None, Abgeltung, Kirche8, Kirche9 };
enum class FundType { Aktien, Misch, Immobilien, ImmobilienAusland, Ohne };

inline constexpr std::size_t netTaxCount = 4;
inline constexpr std::size_t fundTypeCount = 5;

/// The captions of the choices, in the order of the enums (the combo boxes'
/// items), and the keys the command line takes for them.
inline constexpr std::array<const char*, netTaxCount> kNetTaxCaptions
    = { "keine", "Abgeltungsteuer", "mit 8 % Kirchensteuer", "mit 9 % Kirchensteuer" };
inline constexpr std::array<const char*, netTaxCount> kNetTaxKeys = { "keine", "abgeltung", "kirche8", "kirche9" };
inline constexpr std::array<const char*, fundTypeCount> kFundTypeCaptions = { "Aktienfonds (30 %)", "Mischfonds (15 %)",
    "Immobilienfonds (60 %)", "Auslands-Immobilienfonds (80 %)", "ohne Teilfreistellung" };
inline constexpr std::array<const char*, fundTypeCount> kFundTypeKeys
    = { "aktien", "misch", "immobilien", "immobilien-ausland", "ohne" };

/// The captions, object names and hints of the two choice fields.
inline constexpr const char* kNetTaxFieldCaption = "Steuer";
inline constexpr const char* kNetTaxFieldName = "NettoSteuer";
inline constexpr const char* kNetTaxFieldHint
    = "Abgeltungsteuer mit Solidaritätszuschlag, auf Wunsch mit Kirchensteuer (§ 32d EStG)";
inline constexpr const char* kFundTypeFieldCaption = "Fondsart";
inline constexpr const char* kFundTypeFieldName = "Teilfreistellung";
inline constexpr const char* kFundTypeFieldHint = "Der steuerfreie Teil der Erträge nach Fondsart (§ 20 InvStG)";

std::optional<NetTax> netTaxFromKey(std::string_view key);
std::optional<FundType> fundTypeFromKey(std::string_view key);
/// The tax rate t of a choice (stored as double).
double taxRate(NetTax tax);
/// The Teilfreistellung f of a fund type.
double teilfreistellung(FundType fund);

/// The net options. The five numbers are the values as the user types them:
/// euros for the allowance, percent for the others (3,2 means 3,2 %).
struct NetOptions {
    NetTax tax = NetTax::Abgeltung;
    double freibetrag = 1000; ///< Sparerpauschbetrag per year, euros, ≥ 0
    FundType fund = FundType::Aktien;
    double basiszins = 3.2; ///< percent, any sign
    double fondskosten = 0.2; ///< percent p.a., ≥ 0
    double inflation = 2; ///< percent p.a., > −100
    double dynamik = 0; ///< percent p.a., any sign
};

/// The five numeric options, in the order of the page's fields.
enum class NetField { Freibetrag, Basiszins, Fondskosten, Inflation, Dynamik };
inline constexpr std::size_t netFieldCount = 5;

struct NetFieldInfo {
    const char* caption; ///< the caption on the page
    const char* name; ///< the field's object name
    const char* defaultText; ///< the text the field starts with
    const char* hint; ///< the field's tooltip
    const char* range; ///< what the range check demands, for the command line's messages ("" when any value is allowed)
};
const NetFieldInfo& netFieldInfo(NetField field);

/// Parses a field text in the program's number format (decimal comma; one
/// decimal point is accepted as well) and checks the field's range. Nullopt:
/// the text does not parse or lies outside the range; the page then shows
/// "0,00" in every result, the command line reports a usage error.
std::optional<double> parseNetField(NetField field, std::string_view text);

/// The value of one numeric option, and setting it.
double netFieldValue(const NetOptions& options, NetField field);
void setNetFieldValue(NetOptions& options, NetField field, double value);

/// The seven results, in the order of the page.
enum class NetItem { Depotwert, Fondskosten, SteuernLaufend, SteuerVerkauf, Netto, Nettogewinn, Kaufkraft };
inline constexpr std::size_t netItemCount = 7;

struct NetItemInfo {
    const char* caption; ///< the caption on the page: "Steuern laufend"
    const char* key; ///< the name in the command line's output: "SteuernLaufend"
    const char* hint; ///< one sentence on how it is computed
};
const NetItemInfo& netItemInfo(NetItem item);

/// One year of the net view (the command line's --json years).
struct NetYear {
    int year = 0;
    double einzahlungen = 0; ///< E_i
    double dividende = 0; ///< D_i
    double vorabpauschale = 0; ///< VP_i
    double steuer = 0; ///< T_i
    double depotwert = 0; ///< W_i
    double kaufkraft = 0; ///< W_i / (1 + p)^i
};

struct NetResult {
    /// false: the plan's recompute fails, or the net computation overflows;
    /// every text is then "0,00" and the numbers are 0.
    bool ok = false;
    double depotwert = 0;
    double fondskosten = 0;
    double steuernLaufend = 0;
    double steuerVerkauf = 0;
    double netto = 0;
    double nettogewinn = 0;
    double kaufkraft = 0;
    std::vector<NetYear> years;
    /// The results in the amount format, in NetItem order.
    std::array<std::string, netItemCount> texts { kZeroAmount, kZeroAmount, kZeroAmount, kZeroAmount, kZeroAmount,
        kZeroAmount, kZeroAmount };

    double value(NetItem item) const;
    const std::string& text(NetItem item) const { return texts[static_cast<std::size_t>(item)]; }
};

/// The net view of the plan given by the field texts (after the recompute's
/// corrections) and the grid. Runs the savings simulation first to learn
/// whether the plan's recompute fails.
NetResult computeNet(const SimulationInputs& inputs, const GridCells& grid, const NetOptions& options);

/// As above, for a caller that has just run the savings simulation on the
/// same inputs and knows whether it succeeded.
NetResult computeNet(const SimulationInputs& inputs, const GridCells& grid, const NetOptions& options, bool planOk);

/// The result of a failed computation: "0,00" everywhere.
NetResult failedNet();

} // namespace fundorix::calc
