#include "calc/net_view.h"

#include "calc/number_text.h"
#include "calc/number_text_p.h"
#include "calc/simulation_p.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace fundorix::calc {

namespace {

    using detail::Extended;

    constexpr std::array<NetFieldInfo, netFieldCount> kFieldInfos { {
        { "Freibetrag €", "Freibetrag", "1000", "Sparerpauschbetrag pro Jahr (2000 bei Zusammenveranlagung)",
            "at least 0" },
        { "Basiszins %", "Basiszins", "3,2",
            "Basiszins für die Vorabpauschale (3,20 % für 2026, 2,53 % für 2025, 2,29 % für 2024, 2,55 % für 2023)",
            "" },
        { "Fondskosten % p.a.", "Fondskosten", "0,2", "Laufende Kosten des Fonds im Jahr (TER)", "at least 0" },
        { "Inflation %", "Inflation", "2", "Die jährliche Inflation", "greater than -100" },
        { "Dynamik %", "Dynamik", "0", "Jährliche Erhöhung des monatlichen und des jährlichen Betrags", "" },
    } };

    constexpr std::array<NetItemInfo, netItemCount> kItemInfos { {
        { "Depotwert", "Depotwert", "Der Depotwert am Ende nach Abzug der Fondskosten, vor der Steuer beim Verkauf" },
        { "Fondskosten", "Fondskosten",
            "Der Depotwert ohne Fondskosten minus der Depotwert mit Fondskosten (Fondskosten betreffen Fonds, nicht "
            "Darlehen)" },
        { "Steuern laufend", "SteuernLaufend",
            "Die Summe der jährlichen Steuern auf Ausschüttungen und Vorabpauschalen nach Teilfreistellung und "
            "Freibetrag" },
        { "Steuer bei Verkauf", "SteuerVerkauf",
            "Die Steuer auf den Gewinn beim Verkauf am Ende, abzüglich der schon versteuerten Vorabpauschalen und "
            "des restlichen Freibetrags" },
        { "Netto", "Netto", "Der Depotwert minus der Steuer bei Verkauf" },
        { "Nettogewinn", "Nettogewinn", "Netto minus alle Einzahlungen minus die laufend gezahlten Steuern" },
        { "Kaufkraft heute", "Kaufkraft", "Netto geteilt durch die Teuerung aller Jahre, also in heutigem Geld" },
    } };

    template <typename Enum, std::size_t N>
    std::optional<Enum> enumFromKey(const std::array<const char*, N>& keys, std::string_view key)
    {
        for (std::size_t i = 0; i < N; ++i)
            if (key == keys[i])
                return static_cast<Enum>(i);
        return std::nullopt;
    }

    bool inRange(NetField field, double value)
    {
        switch (field) {
        case NetField::Freibetrag:
        case NetField::Fondskosten:
            return value >= 0;
        case NetField::Inflation:
            return value > -100;
        case NetField::Basiszins:
        case NetField::Dynamik:
            break;
        }
        return true;
    }

    bool optionsValid(const NetOptions& o)
    {
        for (std::size_t i = 0; i < netFieldCount; ++i) {
            const auto field = static_cast<NetField>(i);
            if (!inRange(field, netFieldValue(o, field)))
                return false;
        }
        return true;
    }

    double fraction(double percent) { return detail::store(Extended(percent) / 100); }

    Extended roundedTax(Extended amount) { return detail::store(roundToCents(amount)); }

    // What the plan's fields and grid give the depot's path, parsed once.
    struct PathSetup {
        struct Payment {
            int year;
            detail::ExtraPayment payment;
        };
        detail::Mode mode;
        int years;
        double anlageSumme;
        double zinssatz;
        double dividendensatz;
        double monatsrate;
        double jahresbetrag;
        Extended growth; // 1 + d
        std::vector<Payment> payments; // years 1..n, by year, then column
    };

    // The payments of the simulated years, in the order the year loop takes
    // them. A cell the plan cannot read fails the net view as it fails the
    // plan (the plan reads every one of them).
    std::vector<PathSetup::Payment> paymentsOf(const GridCells& grid, int years)
    {
        const detail::GridPlan plan = detail::planGrid(grid, years);
        if (plan.firstBadColumn != 0 && years >= 1)
            parseWholeNumber(grid[0][static_cast<std::size_t>(plan.firstBadColumn)]); // throws
        std::vector<PathSetup::Payment> payments;
        payments.reserve(plan.entries.size());
        for (const detail::GridPlan::Entry& e : plan.entries)
            payments.push_back({ e.year, detail::extraPaymentAt(grid, e.column) });
        return payments;
    }

    PathSetup setupPath(const SimulationInputs& in, const GridCells& grid, double dynamik)
    {
        const double zinssatz = detail::store(parseDecimal(in.rendite) / 100);
        const double dividendensatz = detail::store(parseDecimal(in.dividente) / 100);
        const double anlageSumme = detail::store(parseDecimal(in.anlageSumme));
        const double monatsrate = detail::store(parseDecimal(in.sparen));
        const double jahresbetrag = detail::store(parseDecimal(in.edit1));
        const int n = static_cast<std::int16_t>(in.years);
        return { detail::modeOf(in.comboBox1), n, anlageSumme, zinssatz, dividendensatz, monatsrate, jahresbetrag,
            1 + Extended(fraction(dynamik)), paymentsOf(grid, n) };
    }

    // One year of the depot's path, as the tax needs it.
    struct YearPath {
        int year;
        double start; // A_{i-1}
        double laufwert; // before the dividend
        double monthly; // M_i
        double yearly; // Y_i
        double end; // W_i
        Extended extras; // the year's extra payments
        Extended weightedExtras; // sum of a * (13 - m) / 12
    };

    // Lane 0 grows at the net rate z, lane 1 without fund costs; the
    // operations on each lane's value are those of the savings simulation.
    using Lanes = std::array<double, 2>;

    template <typename PerYear> Lanes walkPaths(const PathSetup& s, const Lanes& z, PerYear&& perYear)
    {
        Lanes start { s.anlageSumme, s.anlageSumme };
        double monthly = s.monatsrate;
        double yearly = s.jahresbetrag;
        auto next = s.payments.cbegin();
        for (int i = 1; i <= s.years; ++i) {
            if (i > 1) {
                monthly = detail::store(Extended(monthly) * s.growth);
                yearly = detail::store(Extended(yearly) * s.growth);
            }
            Lanes laufwert = start;
            detail::growYears<2>(s.mode, laufwert, monthly, z);
            Lanes end;
            for (std::size_t k = 0; k < end.size(); ++k)
                end[k] = detail::store(Extended(laufwert[k]) * s.dividendensatz + laufwert[k] + yearly);
            Extended extras = 0;
            Extended weighted = 0;
            for (; next != s.payments.cend() && next->year == i; ++next) {
                const detail::ExtraPayment& p = next->payment;
                for (std::size_t k = 0; k < end.size(); ++k)
                    end[k] = detail::depotAfterPayment(p, z[k], end[k]);
                extras += p.amount;
                weighted += p.amount * (13 - p.month) / 12;
            }
            perYear(YearPath { i, start[0], laufwert[0], monthly, yearly, end[0], extras, weighted });
            start = end;
        }
        return start;
    }

    struct TaxRates {
        Extended t;
        Extended f;
        Extended b;
        Extended freibetrag;
        Extended inflationFactor; // 1 + p
    };

    // The year's tax and the sums over the years.
    class TaxLedger {
    public:
        explicit TaxLedger(const TaxRates& r)
            : m_r(r)
        {
        }

        NetYear book(const PathSetup& s, const YearPath& y)
        {
            const double dividend = detail::store(Extended(y.laufwert) * s.dividendensatz);
            const Extended distributed = std::max(Extended(0), Extended(dividend));
            const Extended paidIn = Extended(y.monthly) * 12 + y.yearly + y.extras;
            const Extended base = std::max(
                Extended(0), Extended(y.start) + 6.5L * y.monthly + Extended(y.yearly) / 12 + y.weightedExtras);
            const Extended basisertrag = 0.7L * m_r.b * base;
            const Extended mehrbetrag = Extended(y.end) - y.start - paidIn;
            const Extended vorab = std::max(Extended(0), std::min(basisertrag, mehrbetrag) - distributed);
            const Extended taxable = (distributed + vorab) * (1 - m_r.f);
            m_allowanceUsed = std::min(m_r.freibetrag, taxable);
            const Extended tax = roundedTax((taxable - m_allowanceUsed) * m_r.t);
            m_paidIn += paidIn;
            m_distributed += distributed;
            m_vorab += vorab;
            m_taxes += tax;
            m_inflation *= m_r.inflationFactor;
            return { y.year, detail::store(paidIn), dividend, detail::store(vorab), detail::store(tax), y.end,
                detail::store(Extended(y.end) / m_inflation) };
        }

        Extended saleTax(double anlageSumme, double end) const
        {
            const Extended costBasis = Extended(anlageSumme) + m_paidIn + m_distributed;
            const Extended gain = Extended(end) - costBasis - m_vorab;
            const Extended taxable = std::max(Extended(0), gain * (1 - m_r.f));
            return roundedTax(std::max(Extended(0), taxable - (m_r.freibetrag - m_allowanceUsed)) * m_r.t);
        }

        Extended paidIn() const { return m_paidIn; }
        Extended taxes() const { return m_taxes; }
        Extended inflation() const { return m_inflation; }

    private:
        TaxRates m_r;
        Extended m_allowanceUsed = 0;
        Extended m_paidIn = 0;
        Extended m_distributed = 0;
        Extended m_vorab = 0;
        Extended m_taxes = 0;
        Extended m_inflation = 1;
    };

    TaxRates taxRatesOf(const NetOptions& o)
    {
        return { taxRate(o.tax), teilfreistellung(o.fund), fraction(o.basiszins), o.freibetrag,
            1 + Extended(fraction(o.inflation)) };
    }

    NetResult computeValid(const SimulationInputs& in, const GridCells& grid, const NetOptions& o)
    {
        const PathSetup setup = setupPath(in, grid, o.dynamik);
        const double z = detail::store(Extended(setup.zinssatz) - fraction(o.fondskosten));
        TaxLedger ledger(taxRatesOf(o));
        NetResult r;
        if (setup.years > 0)
            r.years.reserve(static_cast<std::size_t>(setup.years));
        const Lanes ends = walkPaths(
            setup, { z, setup.zinssatz }, [&](const YearPath& y) { r.years.push_back(ledger.book(setup, y)); });
        const double end = ends[0];
        const double endWithoutCosts = ends[1];
        r.depotwert = end;
        r.fondskosten = detail::store(Extended(endWithoutCosts) - end);
        r.steuernLaufend = detail::store(ledger.taxes());
        r.steuerVerkauf = detail::store(ledger.saleTax(setup.anlageSumme, end));
        r.netto = detail::store(Extended(end) - r.steuerVerkauf);
        r.nettogewinn
            = detail::store(Extended(r.netto) - (Extended(setup.anlageSumme) + ledger.paidIn()) - ledger.taxes());
        r.kaufkraft = detail::store(Extended(r.netto) / ledger.inflation());
        for (std::size_t i = 0; i < netItemCount; ++i)
            r.texts[i] = formatAmount(r.value(static_cast<NetItem>(i)));
        r.ok = true;
        return r;
    }

} // namespace

std::optional<NetTax> netTaxFromKey(std::string_view key) { return enumFromKey<NetTax>(kNetTaxKeys, key); }

std::optional<FundType> fundTypeFromKey(std::string_view key) { return enumFromKey<FundType>(kFundTypeKeys, key); }

double taxRate(NetTax tax)
{
    switch (tax) {
    case NetTax::None:
        return 0;
    case NetTax::Abgeltung:
        return 0.26375;
    case NetTax::Kirche8:
        return detail::store((1.055L + 0.08L) / (4 + 0.08L));
    case NetTax::Kirche9:
        return detail::store((1.055L + 0.09L) / (4 + 0.09L));
    }
    return 0;
}

double teilfreistellung(FundType fund)
{
    switch (fund) {
    case FundType::Aktien:
        return 0.30;
    case FundType::Misch:
        return 0.15;
    case FundType::Immobilien:
        return 0.60;
    case FundType::ImmobilienAusland:
        return 0.80;
    case FundType::Ohne:
        break;
    }
    return 0;
}

const NetFieldInfo& netFieldInfo(NetField field) { return kFieldInfos[static_cast<std::size_t>(field)]; }

const NetItemInfo& netItemInfo(NetItem item) { return kItemInfos[static_cast<std::size_t>(item)]; }

std::optional<double> parseNetField(NetField field, std::string_view text)
{
    const auto value = tryParseDecimal(replaceFirstPoint(std::string(text)));
    if (!value)
        return std::nullopt;
    const double stored = static_cast<double>(*value);
    if (!std::isfinite(stored) || !inRange(field, stored))
        return std::nullopt;
    return stored;
}

double netFieldValue(const NetOptions& o, NetField field)
{
    switch (field) {
    case NetField::Freibetrag:
        return o.freibetrag;
    case NetField::Basiszins:
        return o.basiszins;
    case NetField::Fondskosten:
        return o.fondskosten;
    case NetField::Inflation:
        return o.inflation;
    case NetField::Dynamik:
        break;
    }
    return o.dynamik;
}

void setNetFieldValue(NetOptions& o, NetField field, double value)
{
    switch (field) {
    case NetField::Freibetrag:
        o.freibetrag = value;
        return;
    case NetField::Basiszins:
        o.basiszins = value;
        return;
    case NetField::Fondskosten:
        o.fondskosten = value;
        return;
    case NetField::Inflation:
        o.inflation = value;
        return;
    case NetField::Dynamik:
        o.dynamik = value;
        return;
    }
}

double NetResult::value(NetItem item) const
{
    switch (item) {
    case NetItem::Depotwert:
        return depotwert;
    case NetItem::Fondskosten:
        return fondskosten;
    case NetItem::SteuernLaufend:
        return steuernLaufend;
    case NetItem::SteuerVerkauf:
        return steuerVerkauf;
    case NetItem::Netto:
        return netto;
    case NetItem::Nettogewinn:
        return nettogewinn;
    case NetItem::Kaufkraft:
        break;
    }
    return kaufkraft;
}

NetResult failedNet() { return NetResult {}; }

NetResult computeNet(const SimulationInputs& inputs, const GridCells& grid, const NetOptions& options)
{
    return computeNet(inputs, grid, options, simulate(inputs, grid).ok);
}

NetResult computeNet(const SimulationInputs& inputs, const GridCells& grid, const NetOptions& options, bool planOk)
{
    if (!planOk || !optionsValid(options))
        return failedNet();
    try {
        return computeValid(inputs, grid, options);
    } catch (const ConversionError&) {
    } catch (const ArithmeticError&) {
    }
    return failedNet();
}

} // namespace fundorix::calc
