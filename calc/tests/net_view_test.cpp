// The net view against hand-computed cases and against an independent
// reference written straight from the rules (numbers instead of texts, one
// loop, long double), for many random plans; and the identity with the
// savings simulation when neither costs nor tax nor dynamics apply.
#include "calc/net_view.h"
#include "calc/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace fundorix::calc;

namespace {

using LD = long double;

struct Payment {
    int year;
    int month;
    long cents;
};

// A plan as numbers in cents and hundredths of a percent; its texts are
// written from them, the reference reads the numbers.
struct Plan {
    long anlageCents = 1000000;
    long renditeBp = 1000; // hundredths of a percent
    std::string mode = "jährlich";
    long sparenCents = 5000;
    long edit1Cents = 0;
    long dividenteBp = 150;
    int years = 10;
    std::vector<Payment> payments;
};

std::string centsText(long cents)
{
    const long a = std::labs(cents);
    std::string s = std::to_string(a / 100) + "," + (a % 100 < 10 ? "0" : "") + std::to_string(a % 100);
    return cents < 0 ? "-" + s : s;
}

SimulationInputs inputsOf(const Plan& p)
{
    SimulationInputs in;
    in.anlageSumme = centsText(p.anlageCents);
    in.rendite = centsText(p.renditeBp);
    in.comboBox1 = p.mode;
    in.sparen = centsText(p.sparenCents);
    in.edit1 = centsText(p.edit1Cents);
    in.dividente = centsText(p.dividenteBp);
    in.years = p.years;
    return in;
}

GridCells gridOf(const Plan& p)
{
    GridCells g {};
    for (std::size_t c = 0; c < p.payments.size(); ++c) {
        g[0][c + 1] = std::to_string(p.payments[c].year);
        g[1][c + 1] = std::to_string(p.payments[c].month);
        g[2][c + 1] = centsText(p.payments[c].cents);
    }
    return g;
}

double st(LD v) { return static_cast<double>(v); }
LD cents(LD v) { return std::nearbyintl(v * 100) / 100; }
LD hundredth(long v) { return LD(v) / 100; }

struct Reference {
    LD depot = 0, costs = 0, taxes = 0, saleTax = 0, netto = 0, gain = 0, kaufkraft = 0;
};

// The depot's path: the plan's compounding table, the dividend on the
// year-end value, the yearly amount after it, the extra payments with simple
// interest for 13 − m twelfths. Returns W_n; `year` sees A, D, W, E, base.
template <typename Year> double path(const Plan& p, double z, double div, double d, Year&& year)
{
    double w = st(hundredth(p.anlageCents));
    double m = st(hundredth(p.sparenCents));
    double y = st(hundredth(p.edit1Cents));
    for (int i = 1; i <= p.years; ++i) {
        if (i > 1) {
            m = st(m * (1 + LD(d)));
            y = st(y * (1 + LD(d)));
        }
        const double a = w;
        double l = w;
        int period = p.mode == "monatlich" ? 1
            : p.mode == "vierteljährlich"  ? 3
            : p.mode == "halbjährlich"     ? 6
            : p.mode == "jährlich"         ? 12
                                           : 0;
        if (period == 1)
            for (int j = 0; j < 12; ++j) {
                l = st(LD(l) + m);
                l = st(LD(l) * z / 12 + l);
            }
        else if (period > 1)
            for (int j = 0; j < 12 / period; ++j) {
                l = st((LD(m) * (period / 2.0L) + l) * z / (12 / period) + l);
                l = st(LD(m) * period + l);
            }
        const double dividend = st(LD(l) * div);
        w = st(LD(l) * div + l + y);
        LD extras = 0, weighted = 0;
        for (const Payment& pay : p.payments)
            if (pay.year == i) {
                const LD amount = hundredth(pay.cents);
                w = st((13 - LD(pay.month)) * (amount * z) / 12 + (amount + w));
                extras += amount;
                weighted += amount * (13 - pay.month) / 12;
            }
        const LD paidIn = 12 * LD(m) + y + extras;
        year(a, dividend, w, paidIn, a + 6.5L * m + LD(y) / 12 + weighted);
    }
    return w;
}

Reference reference(const Plan& p, const NetOptions& o)
{
    const LD k = o.tax == NetTax::Kirche8 ? 0.08L : 0.09L;
    const LD t = o.tax == NetTax::None ? 0 : o.tax == NetTax::Abgeltung ? 0.26375L : st((1.055L + k) / (4 + k));
    const LD f = std::array<double, 5> { 0.3, 0.15, 0.6, 0.8, 0 }[static_cast<int>(o.fund)];
    const double zins = st(hundredth(p.renditeBp) / 100), div = st(hundredth(p.dividenteBp) / 100);
    const double c = st(LD(o.fondskosten) / 100), b = st(LD(o.basiszins) / 100), d = st(LD(o.dynamik) / 100);
    const double infl = st(LD(o.inflation) / 100);
    LD sumE = 0, sumDplus = 0, sumVP = 0, sumT = 0, used = 0;
    const double wn = path(p, st(LD(zins) - c), div, d, [&](LD a, LD dv, LD w, LD e, LD base) {
        const LD dplus = std::max(LD(0), dv);
        const LD bb = 0.7L * b * std::max(LD(0), base);
        const LD vp = std::max(LD(0), std::min(bb, w - a - e) - dplus);
        const LD s = (dplus + vp) * (1 - f);
        used = std::min(LD(o.freibetrag), s);
        sumT += st(cents((s - used) * t));
        sumE += e;
        sumDplus += dplus;
        sumVP += vp;
    });
    Reference r;
    r.depot = wn;
    r.costs = st(path(p, zins, div, d, [](LD, LD, LD, LD, LD) {}) - LD(wn));
    r.taxes = st(sumT);
    const LD gain = wn - (hundredth(p.anlageCents) + sumE + sumDplus) - sumVP;
    const LD taxable = std::max(LD(0), gain * (1 - f));
    r.saleTax = st(cents(std::max(LD(0), taxable - (o.freibetrag - used)) * t));
    r.netto = st(wn - r.saleTax);
    r.gain = st(r.netto - (hundredth(p.anlageCents) + sumE) - sumT);
    LD q = 1;
    for (int i = 0; i < p.years; ++i)
        q *= 1 + LD(infl);
    r.kaufkraft = st(r.netto / q);
    return r;
}

void expectSameCents(const NetResult& r, const Reference& ref, const std::string& where)
{
    const std::array<LD, netItemCount> expected { ref.depot, ref.costs, ref.taxes, ref.saleTax, ref.netto, ref.gain,
        ref.kaufkraft };
    for (std::size_t i = 0; i < netItemCount; ++i) {
        const auto item = static_cast<NetItem>(i);
        EXPECT_EQ(std::nearbyintl(LD(r.value(item)) * 100), std::nearbyintl(expected[i] * 100))
            << netItemInfo(item).key << " of " << where;
    }
}

std::array<std::string, netItemCount> texts(const NetResult& r) { return r.texts; }

NetOptions options(
    NetTax tax, double freibetrag, FundType fund, double basiszins, double kosten, double inflation, double dynamik = 0)
{
    return { tax, freibetrag, fund, basiszins, kosten, inflation, dynamik };
}

Plan oneYearYearly(long dividenteBp)
{
    Plan p;
    p.sparenCents = 10000;
    p.dividenteBp = dividenteBp;
    p.years = 1;
    return p;
}

// Worked by hand: 10000 at 10 % less 0,2 % costs, 100 a month, "jährlich",
// one year, 2 % dividend. Laufwert (10000 + 600) · 0,098 + 10000 + 1200 =
// 12238,80; D = 244,776; W = 12483,576; B = 0,7 · 0,032 · 10650 = 238,56 is
// less than D, so no Vorabpauschale; S = 171,3432, T = (171,3432 − 100) ·
// 0,26375 = 18,82. Selling: K = 11444,776, G = 1038,80, S = 727,16, no
// allowance left: 191,79. Without costs W = 12505,20.
TEST(NetView, OneYearWithDividendWorkedByHand)
{
    const Plan p = oneYearYearly(200);
    const NetResult r
        = computeNet(inputsOf(p), gridOf(p), options(NetTax::Abgeltung, 100, FundType::Aktien, 3.2, 0.2, 2));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(texts(r),
        (std::array<std::string, netItemCount> {
            "12483,58", "21,62", "18,82", "191,79", "12291,79", "1072,97", "12050,77" }));
    ASSERT_EQ(r.years.size(), 1u);
    EXPECT_DOUBLE_EQ(r.years[0].einzahlungen, 1200);
    EXPECT_DOUBLE_EQ(r.years[0].dividende, 244.776);
    EXPECT_EQ(r.years[0].vorabpauschale, 0);
    EXPECT_EQ(r.years[0].steuer, 18.82);
    EXPECT_DOUBLE_EQ(r.years[0].depotwert, 12483.576);
    EXPECT_NEAR(r.years[0].kaufkraft, 12483.576 / 1.02, 1e-9);
}

// Without a dividend the Basisertrag 238,56 is the Vorabpauschale: S =
// 166,992, T = 66,992 · 0,26375 = 17,67. Selling deducts it: G = 12238,80 −
// 11200 − 238,56 = 800,24, S = 560,168, T = 147,74.
TEST(NetView, OneYearVorabpauschaleWorkedByHand)
{
    const Plan p = oneYearYearly(0);
    const NetResult r
        = computeNet(inputsOf(p), gridOf(p), options(NetTax::Abgeltung, 100, FundType::Aktien, 3.2, 0.2, 2));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(texts(r),
        (std::array<std::string, netItemCount> {
            "12238,80", "21,20", "17,67", "147,74", "12091,06", "873,39", "11853,98" }));
    EXPECT_DOUBLE_EQ(r.years[0].vorabpauschale, 238.56);
}

// The allowance left in the last year covers the sale: 1000 − 171,3432 =
// 828,6568 > 727,16.
TEST(NetView, AllowanceLeftInTheLastYearReducesTheSaleTax)
{
    const Plan p = oneYearYearly(200);
    const NetResult r
        = computeNet(inputsOf(p), gridOf(p), options(NetTax::Abgeltung, 1000, FundType::Aktien, 3.2, 0.2, 2));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text(NetItem::SteuernLaufend), "0,00");
    EXPECT_EQ(r.text(NetItem::SteuerVerkauf), "0,00");
    EXPECT_EQ(r.text(NetItem::Netto), "12483,58");
}

TEST(NetView, ChurchTaxRatesAreDeductibleFromTheirOwnBase)
{
    EXPECT_NEAR(taxRate(NetTax::Kirche8), 0.2781862745098039, 1e-15);
    EXPECT_NEAR(taxRate(NetTax::Kirche9), 0.2799511002444988, 1e-15);
    EXPECT_EQ(taxRate(NetTax::Abgeltung), 0.26375);
    EXPECT_EQ(taxRate(NetTax::None), 0);
}

// A loan of 100000 at 6 % repaid with 500 a month: the debt stays, and
// neither the running nor the sale tax is negative.
TEST(NetView, LoanPaysNoTax)
{
    Plan p;
    p.anlageCents = -10000000;
    p.renditeBp = 600;
    p.mode = "monatlich";
    p.sparenCents = 50000;
    p.dividenteBp = 0;
    p.years = 10;
    const NetResult r = computeNet(inputsOf(p), gridOf(p), NetOptions {});
    ASSERT_TRUE(r.ok);
    EXPECT_LT(r.depotwert, 0);
    EXPECT_EQ(r.steuernLaufend, 0);
    EXPECT_EQ(r.steuerVerkauf, 0);
    EXPECT_LT(r.fondskosten, 0); // lower interest on a debt shows as negative costs
    EXPECT_EQ(r.netto, r.depotwert);
}

TEST(NetView, FailureOfThePlanOrABadOptionShowsZeroEverywhere)
{
    Plan p;
    SimulationInputs in = inputsOf(p);
    in.rendite = "1.000,5";
    const std::array<std::string, netItemCount> zeros { "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00" };
    EXPECT_EQ(texts(computeNet(in, gridOf(p), NetOptions {})), zeros);
    GridCells grid = gridOf(p);
    grid[0][1] = "3"; // a payment without month and amount in a simulated year
    EXPECT_EQ(texts(computeNet(inputsOf(p), grid, NetOptions {})), zeros);
    NetOptions o;
    o.inflation = -100;
    EXPECT_FALSE(computeNet(inputsOf(p), gridOf(p), o).ok);
    o = NetOptions {};
    o.freibetrag = -1;
    EXPECT_EQ(texts(computeNet(inputsOf(p), gridOf(p), o)), zeros);
}

TEST(NetView, FieldTextsParseInTheProgramsFormatWithinTheirRanges)
{
    EXPECT_EQ(parseNetField(NetField::Basiszins, "3,2"), 3.2);
    EXPECT_EQ(parseNetField(NetField::Basiszins, "3.2"), 3.2);
    EXPECT_EQ(parseNetField(NetField::Basiszins, "-0,45"), -0.45);
    EXPECT_EQ(parseNetField(NetField::Dynamik, "-2"), -2);
    EXPECT_EQ(parseNetField(NetField::Inflation, "-99,9"), -99.9);
    EXPECT_EQ(parseNetField(NetField::Inflation, "-100"), std::nullopt);
    EXPECT_EQ(parseNetField(NetField::Freibetrag, "-1"), std::nullopt);
    EXPECT_EQ(parseNetField(NetField::Freibetrag, "0"), 0);
    EXPECT_EQ(parseNetField(NetField::Fondskosten, "-0,1"), std::nullopt);
    EXPECT_EQ(parseNetField(NetField::Fondskosten, "1.000,5"), std::nullopt);
    EXPECT_EQ(parseNetField(NetField::Fondskosten, ""), std::nullopt);
    EXPECT_EQ(parseNetField(NetField::Freibetrag, "1e999"), std::nullopt);
    EXPECT_EQ(netTaxFromKey("kirche9"), NetTax::Kirche9);
    EXPECT_EQ(fundTypeFromKey("immobilien-ausland"), FundType::ImmobilienAusland);
    EXPECT_EQ(fundTypeFromKey("Aktien"), std::nullopt);
}

// Random plans of every mode with dynamics, extra payments in and out, each
// tax and fund type, Basiszins 0 and negative, and loans.
class RandomPlans {
public:
    explicit RandomPlans(unsigned seed)
        : m_gen(seed)
    {
    }

    Plan plan()
    {
        static const char* modes[] = { "monatlich", "vierteljährlich", "halbjährlich", "jährlich", "xyz" };
        Plan p;
        p.mode = modes[pick(0, 4)];
        p.years = pick(0, 9) == 0 ? 100 : int(pick(1, 40));
        const bool loan = pick(0, 4) == 0;
        p.anlageCents = loan ? -pick(100000, 30000000) : pick(-100000, 20000000);
        p.renditeBp = pick(-300, 1500);
        p.sparenCents = loan ? pick(-100000, 200000) : pick(-20000, 150000);
        p.edit1Cents = pick(0, 2) == 0 ? pick(-200000, 500000) : 0;
        p.dividenteBp = pick(0, 3) == 0 ? pick(-100, 0) : pick(0, 400);
        for (int c = pick(0, 12); c > 0; --c)
            p.payments.push_back({ int(pick(-1, p.years + 2)), int(pick(1, 12)), pick(-1000000, 2000000) });
        return p;
    }

    NetOptions netOptions()
    {
        static const double basiszins[] = { 3.2, 2.53, 0, -0.45, 2.55 };
        static const double freibetrag[] = { 1000, 2000, 0, 801 };
        NetOptions o;
        o.tax = static_cast<NetTax>(pick(0, 3));
        o.fund = static_cast<FundType>(pick(0, 4));
        o.basiszins = basiszins[pick(0, 4)];
        o.freibetrag = freibetrag[pick(0, 3)];
        o.fondskosten = pick(0, 200) / 100.0;
        o.inflation = pick(-100, 600) / 100.0;
        o.dynamik = pick(0, 2) == 0 ? 0 : pick(-300, 500) / 100.0;
        return o;
    }

private:
    long pick(long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(m_gen); }
    std::mt19937 m_gen;
};

TEST(NetView, MatchesTheReferenceToTheCentForRandomPlans)
{
    RandomPlans random(20260417);
    int taxed = 0;
    for (int k = 0; k < 600; ++k) {
        const Plan p = random.plan();
        const NetOptions o = random.netOptions();
        const NetResult r = computeNet(inputsOf(p), gridOf(p), o);
        ASSERT_TRUE(r.ok) << "plan " << k;
        expectSameCents(r, reference(p, o), "plan " + std::to_string(k));
        EXPECT_GE(r.steuernLaufend, 0);
        EXPECT_GE(r.steuerVerkauf, 0);
        taxed += r.steuernLaufend > 0 && r.steuerVerkauf > 0;
    }
    EXPECT_GT(taxed, 100); // the cases do exercise both taxes
}

TEST(NetView, WithoutCostsTaxAndDynamicsTheDepotIsThePlansToTheBit)
{
    RandomPlans random(4711);
    for (int k = 0; k < 400; ++k) {
        const Plan p = random.plan();
        NetOptions o = random.netOptions();
        o.tax = NetTax::None;
        o.fondskosten = 0;
        o.dynamik = 0;
        const SimulationResult plan = simulate(inputsOf(p), gridOf(p));
        const NetResult r = computeNet(inputsOf(p), gridOf(p), o);
        ASSERT_EQ(r.ok, plan.ok) << "plan " << k;
        if (!plan.ok)
            continue;
        EXPECT_EQ(r.depotwert, plan.state.depotwert) << "plan " << k;
        EXPECT_EQ(r.netto, plan.state.depotwert) << "plan " << k;
        EXPECT_EQ(r.fondskosten, 0);
        EXPECT_EQ(r.text(NetItem::Netto), *plan.texts.anlageWunsch);
    }
}

} // namespace
