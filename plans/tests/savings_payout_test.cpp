#include "calc/target_search.h"
#include "fake_plan_source.h"
#include "plans/plan_texts.h"
#include "plans/print_commands.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    FakePlanSource source;
    FakePlanDefinition entwicklung { qEntwicklungLayout() };
    FakePlanDefinition tilgungsplan { tTilgungsplanLayout() };
    RecordingOutput output;
    PrintCommands commands { source, entwicklung, tilgungsplan, output, QStringLiteral("€") };
};

TEST(SavingsThenPayout, DefaultPlanTurnsIntoThirtyYearPayout)
{
    Fixture f;
    ASSERT_EQ(f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Shown);
    ASSERT_EQ(f.output.shots.size(), 2u);

    const PreviewShot& savings = f.output.shots[0];
    EXPECT_EQ(savings.definition, "TQEntwicklung");
    EXPECT_EQ(savings.captions.value("QKapital"), "41134,80 €");

    EXPECT_EQ(f.source.fieldText(PlanField::AnlageSumme), "41134,80");
    EXPECT_EQ(f.source.fieldText(PlanField::Jahre), "30");
    EXPECT_EQ(f.source.years(), 30);
    EXPECT_EQ(f.source.fieldText(PlanField::Sparen), "-388,97");
    EXPECT_EQ(f.source.sparenHint(), "-4667,69 im Jahr");

    const PreviewShot& payout = f.output.shots[1];
    EXPECT_EQ(payout.definition, "TTilgungsplan");
    EXPECT_EQ(payout.captions.value("QKapital"), "12,32 €");
    EXPECT_EQ(payout.captions.value("QEinsatz"), "140029,20 €");
    EXPECT_EQ(payout.captions.value("QTilgung"), "41122,48 €");
    EXPECT_EQ(payout.captions.value("QErtrag"), "98906,72 €");
    EXPECT_EQ(payout.captions.value("QGDividenten"), "13920,21 €");
    EXPECT_EQ(payout.captions.value("QAnlagesumme"), "41134,80 €");
    EXPECT_EQ(payout.captions.value("QSparen"), "-388,97 €");
    EXPECT_EQ(payout.captions.value("QJahre"), "30 Jahre");
    EXPECT_EQ(payout.captions.value("BVLabel12"), "Entwicklung Ihres Kapitals in der Auszahlungsphase:");

    EXPECT_TRUE(f.source.messages.isEmpty());
    EXPECT_TRUE(f.source.errors.isEmpty());
}

TEST(SavingsThenPayout, SecondReportWaitsForTheFirstToClose)
{
    Fixture f;
    QString sparenWhileFirstOpen;
    f.output.onPreview = [&] {
        if (sparenWhileFirstOpen.isEmpty())
            sparenWhileFirstOpen = f.source.fieldText(PlanField::Sparen);
    };
    f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click();
    EXPECT_EQ(sparenWhileFirstOpen, "50");
}

struct SavingsCheckCase {
    const char* name;
    const char* sparen;
    const char* edit1;
    const char* anlageSumme;
    PlanOutcome outcome;
};

class SavingsCheck : public testing::TestWithParam<SavingsCheckCase> { };

TEST_P(SavingsCheck, NeedsSomethingToSave)
{
    const SavingsCheckCase& c = GetParam();
    Fixture f;
    f.source.setInputs(
        { { PlanField::Sparen, c.sparen }, { PlanField::Edit1, c.edit1 }, { PlanField::AnlageSumme, c.anlageSumme } });
    EXPECT_EQ(f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), c.outcome);
    if (c.outcome == PlanOutcome::Shown) {
        EXPECT_GE(f.output.shots.size(), 1u);
        return;
    }
    EXPECT_TRUE(f.output.shots.empty());
    EXPECT_EQ(f.source.fieldText(PlanField::Sparen), c.sparen);
    EXPECT_EQ(f.source.fieldText(PlanField::AnlageSumme), c.anlageSumme);
    if (c.outcome == PlanOutcome::Refused)
        EXPECT_EQ(f.source.messages, QStringList { plantexts::savingsCheckMessage });
    else
        EXPECT_EQ(f.source.errors.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Plans, SavingsCheck,
    testing::Values(SavingsCheckCase { "LumpSum", "0", "0", "5000", PlanOutcome::Shown },
        SavingsCheckCase { "YearlyPaysIn", "-100", "500", "10000", PlanOutcome::Shown },
        SavingsCheckCase { "NothingAtAll", "0", "0", "0", PlanOutcome::Refused },
        // The initial sum does not matter once the monthly amount is negative.
        SavingsCheckCase { "NegativeMonthlySkipsInitialSum", "-100", "0", "x", PlanOutcome::Refused },
        SavingsCheckCase { "YearlyNoNumber", "-100", "x", "1", PlanOutcome::Failed },
        SavingsCheckCase { "InitialSumNoNumber", "0", "0", "1.000", PlanOutcome::Failed }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavingsThenPayout, NonNegativePayoutStopsBeforeTheSecondReport)
{
    Fixture f;
    // A withdrawal larger than the savings leaves a debt, and emptying a
    // debt takes a positive monthly amount: no payout phase to print.
    f.source.setGridCell(PlanSource::yearRow, 1, "1");
    f.source.setGridCell(PlanSource::monthRow, 1, "1");
    f.source.setGridCell(PlanSource::amountRow, 1, "-1000");
    f.source.setInputs({ { PlanField::AnlageSumme, "0" }, { PlanField::Rendite, "0" }, { PlanField::Jahre, "1" } });
    EXPECT_EQ(f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Refused);
    EXPECT_EQ(f.output.shots.size(), 1u);
    EXPECT_EQ(f.source.messages, QStringList { plantexts::payoutCheckMessage });
    EXPECT_EQ(f.source.fieldText(PlanField::Jahre), "30");
}

TEST(SavingsThenPayout, UnsolvablePayoutEndsWithTheBoundMessage)
{
    Fixture f;
    // At 150 % a year over 30 years the smallest change of a 15-digit monthly
    // amount moves the final value by far more than a cent.
    f.source.setInputs({ { PlanField::Rendite, "150" }, { PlanField::Sparen, "0" }, { PlanField::Dividente, "0" },
        { PlanField::Jahre, "1" } });
    EXPECT_EQ(f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Failed);
    EXPECT_EQ(f.output.shots.size(), 1u);
    EXPECT_EQ(f.source.messages, QStringList { QString::fromUtf8(fundorix::calc::kSearchBoundMessage) });
    EXPECT_EQ(f.source.fieldText(PlanField::Sparen), "0");
}

}
