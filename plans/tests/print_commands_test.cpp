#include "calc/errors.h"
#include "fake_plan_source.h"
#include "plans/plan_texts.h"
#include "plans/print_commands.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString euro = QStringLiteral("€");

struct Fixture {
    FakePlanSource source;
    FakePlanDefinition entwicklung { qEntwicklungLayout() };
    FakePlanDefinition tilgungsplan { tTilgungsplanLayout() };
    RecordingOutput output;
    PrintCommands commands { source, entwicklung, tilgungsplan, output, euro };
};

// The loan of the worked example: 10000 credit, 200 a month, 5 % yearly, 3 years.
void enterLoan(FakePlanSource& source)
{
    source.setInputs({ { PlanField::AnlageSumme, "10000" }, { PlanField::Sparen, "-200" }, { PlanField::Edit1, "0" },
        { PlanField::Rendite, "5" }, { PlanField::ComboBox1, "jährlich" }, { PlanField::Dividente, "0" },
        { PlanField::Jahre, "3" } });
}

struct GridColumn {
    int column;
    const char* year;
    const char* month;
    const char* amount;
};

struct MemoCase {
    const char* name;
    std::vector<GridColumn> columns;
    QStringList lines;
};

class ExtraPaymentsMemo : public testing::TestWithParam<MemoCase> { };

TEST_P(ExtraPaymentsMemo, ListsEveryColumnWithAYear)
{
    Fixture f;
    for (const GridColumn& c : GetParam().columns) {
        f.source.setGridCell(PlanSource::yearRow, c.column, c.year);
        f.source.setGridCell(PlanSource::monthRow, c.column, c.month);
        f.source.setGridCell(PlanSource::amountRow, c.column, c.amount);
    }
    ASSERT_EQ(f.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    EXPECT_EQ(f.output.shots.at(0).memo, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Plans, ExtraPaymentsMemo,
    testing::Values(MemoCase { "EmptyGrid", {}, { "keine" } },
        MemoCase { "OneDigitMonth", { { 1, "5", "3", "1000" } }, { "5. Jahr   3. Monat     1000 €" } },
        MemoCase { "TwoDigitMonth", { { 1, "5", "12", "1000" } }, { "5. Jahr 12. Monat     1000 €" } },
        MemoCase { "EmptyMonth", { { 1, "5", "", "100" } }, { "5. Jahr   . Monat     100 €" } },
        MemoCase { "NoYear", { { 1, "", "3", "100" } }, { "keine" } },
        MemoCase { "RowTitlesNeverListed", { { 0, "Jahr", "Monat", "Betrag" } }, { "keine" } },
        MemoCase { "AscendingWithGaps", { { 99, "30", "1", "-5" }, { 2, "1", "1", "100" }, { 40, "2", "11", "x.y" } },
            { "1. Jahr   1. Monat     100 €", "2. Jahr 11. Monat     x.y €", "30. Jahr   1. Monat     -5 €" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DevelopmentReport, CopiesInputsAndResultsOfTheDefaultPlan)
{
    Fixture f;
    f.source.setInputs({ { PlanField::AnlageSumme, "10.000x" } });
    f.source.setInputs({ { PlanField::AnlageSumme, "10000" } });
    ASSERT_EQ(f.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    const PreviewShot& shot = f.output.shots.at(0);
    EXPECT_EQ(shot.definition, "TQEntwicklung");
    const std::map<QString, QString> expected {
        { "QAnlagesumme", "10000 €" },
        { "QSparen", "50 €" },
        { "QJSparen", "0 €" },
        { "QRendite", "10 %" },
        { "QVerrechnung", "jährlich" },
        { "QDividente", "1,5 %" },
        { "QJahre", "10 Jahre" },
        { "QEinsatz", "16000,00 €" },
        { "QErtrag", "25134,80 €" },
        { "QKapital", "41134,80 €" },
        { "QGDividenten", "3185,45 €" },
        { "QZuwach", "157,09 %" },
        { "BVLabel13", "Ihr Kapitaleinsatz:  " },
    };
    for (const auto& [label, text] : expected)
        EXPECT_EQ(shot.captions.value(label), text) << label.toStdString();
    EXPECT_EQ(shot.pictureSize, QSize(600, 400));
}

TEST(DevelopmentReport, PrintsUnparsableInputsAsTyped)
{
    Fixture f;
    f.source.setInputs({ { PlanField::AnlageSumme, "1.000.000" }, { PlanField::Rendite, "zehn" } });
    ASSERT_EQ(f.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    EXPECT_EQ(f.output.shots.at(0).captions.value("QAnlagesumme"), "1.000.000 €");
    EXPECT_EQ(f.output.shots.at(0).captions.value("QRendite"), "zehn %");
    EXPECT_EQ(f.output.shots.at(0).captions.value("QKapital"), "0,00 €");
}

TEST(DevelopmentReport, RunningTwiceDoesNotCollectMemoLines)
{
    Fixture f;
    f.source.setGridCell(PlanSource::yearRow, 1, "2");
    f.commands.Anlageentwicklung1Click();
    f.commands.Anlageentwicklung1Click();
    EXPECT_EQ(f.output.shots.at(1).memo, f.output.shots.at(0).memo);
    EXPECT_EQ(f.output.shots.at(1).memo.size(), 1);
}

TEST(DevelopmentReport, FailingMemoKeepsLinesMadeAndOmitsKeine)
{
    Fixture f;
    for (int column = 1; column <= 3; ++column)
        f.source.setGridCell(PlanSource::yearRow, column, QString::number(column));
    f.entwicklung.beforeAddLine = [](const QString& line) {
        if (line.startsWith("3"))
            throw fundorix::calc::ConversionError("3");
    };
    ASSERT_EQ(f.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    EXPECT_EQ(f.output.shots.at(0).memo.size(), 2);
    EXPECT_EQ(f.output.shots.at(0).captions.value("QKapital"), "41134,80 €");
}

// Only a conversion ends the list quietly; any other failure is a fault the
// user must hear of.
TEST(DevelopmentReport, OtherMemoFailureReachesTheErrorBox)
{
    Fixture f;
    f.source.setGridCell(PlanSource::yearRow, 1, "1");
    f.entwicklung.beforeAddLine = [](const QString&) { throw std::logic_error("memo index out of range"); };
    EXPECT_EQ(f.commands.Anlageentwicklung1Click(), PlanOutcome::Failed);
    EXPECT_EQ(f.source.errors, QStringList { "memo index out of range" });
    EXPECT_TRUE(f.output.shots.empty());
}

TEST(DevelopmentReport, EngineFailureReachesTheErrorBox)
{
    Fixture f;
    f.output.onPreview = [] { throw std::runtime_error("BVPrinter not ready"); };
    EXPECT_EQ(f.commands.Anlageentwicklung1Click(), PlanOutcome::Failed);
    EXPECT_EQ(f.source.errors, QStringList { "BVPrinter not ready" });
}

TEST(LoanPlan, WorkedExampleGivesSummaryAndShares)
{
    Fixture f;
    enterLoan(f.source);
    ASSERT_EQ(f.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const PreviewShot& shot = f.output.shots.at(0);
    EXPECT_EQ(shot.definition, "TTilgungsplan");
    EXPECT_EQ(shot.captions.value("QEinsatz"), "7200,00 €");
    EXPECT_EQ(shot.captions.value("QTilgung"), "6178,90 €");
    EXPECT_EQ(shot.captions.value("QKapital"), "3821,10 €");
    EXPECT_EQ(shot.captions.value("QErtrag"), "1021,10 €");
    EXPECT_EQ(shot.captions.value("QZuwach"), "Damit haben Sie Ihren Kredit zu 61,79 % getilgt. ");
    EXPECT_EQ(shot.captions.value("BVLabel16"),
        "In 3 Jahren werden 10,21 % des ursprünglichen Kredites als Zinsen gezahlt. ");
    EXPECT_EQ(shot.captions.value("BVLabel7"), "Restschuld am Ende des Berechnungszeitraums:");
    EXPECT_EQ(shot.captions.value("QSparen"), "-200 €");
}

struct SummaryCase {
    const char* name;
    const char* credit;
    const char* remaining;
    const char* interest;
    const char* repaid; // QTilgung, or nullptr when the block stops before it
    const char* repaidSentence; // QZuwach, or nullptr when it keeps its text
    const char* interestSentence; // BVLabel16, or nullptr when it keeps its text
};

class LoanSummary : public testing::TestWithParam<SummaryCase> { };

TEST_P(LoanSummary, StopsWhereATextIsNoNumber)
{
    const SummaryCase& c = GetParam();
    Fixture f;
    f.source.setInputs({ { PlanField::AnlageSumme, c.credit }, { PlanField::Jahre, "10" } });
    f.source.pinCaption(PlanCaption::Kapitaleinsatz, "2800,00");
    f.source.pinCaption(PlanCaption::AnlageWunsch, c.remaining);
    f.source.pinCaption(PlanCaption::ANLAGEGEWINN, c.interest);
    ASSERT_EQ(f.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const auto& captions = f.output.shots.at(0).captions;
    EXPECT_EQ(captions.value("QTilgung"), c.repaid ? QString(c.repaid) + " €" : QString("QZinsen"));
    EXPECT_EQ(
        captions.value("QZuwach"), c.repaidSentence ? plantexts::repaidShareSentence(c.repaidSentence) : "QZuwachs");
    EXPECT_EQ(captions.value("BVLabel16"),
        c.interestSentence ? plantexts::interestShareSentence("10", c.interestSentence)
                           : "Die Zinses belaufen sich auf");
}

INSTANTIATE_TEST_SUITE_P(Plans, LoanSummary,
    testing::Values(SummaryCase { "SharesOfTenYears", "10000", "7250,00", "1800,00", "2750,00", "27,50", "18,00" },
        SummaryCase { "FullyRepaid", "10000", "0,00", "1800,00", "10000,00", "100,00", "18,00" },
        SummaryCase { "Overpaid", "10000", "-500,00", "1800,00", "10500,00", "105,00", "18,00" },
        SummaryCase { "ThousandsPointInCredit", "10.000", "7250,00", "1800,00", nullptr, nullptr, nullptr },
        SummaryCase { "ZeroCreditKeepsSentences", "0", "7250,00", "1800,00", "-7250,00", nullptr, nullptr },
        SummaryCase { "BrokenInterestCaption", "10000", "7250,00", "n/a", "2750,00", "27,50", nullptr }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoanPlan, ThousandsPointLeavesAllSummaryLabelsAlone)
{
    Fixture f;
    f.source.setInputs({ { PlanField::AnlageSumme, "10.000" } });
    f.commands.Tilgungsplan1Click();
    const auto& captions = f.output.shots.at(0).captions;
    for (const char* label : { "QEinsatz", "QErtrag", "QTilgung", "QKapital", "QGDividenten" })
        EXPECT_EQ(captions.value(label), tTilgungsplanLayout().findPrintable(label)->designText) << label;
}

TEST(PayoutPlan, SwitchesHeadingsBackAndForthWithTheLoanPlan)
{
    Fixture f;
    enterLoan(f.source);
    f.commands.Tilgungsplan1Click();
    ASSERT_EQ(f.commands.RentenplanAuszahlungsphase1Click(), PlanOutcome::Shown);
    f.commands.Tilgungsplan1Click();
    const auto& payout = f.output.shots.at(1).captions;
    for (const auto& heading : plantexts::payoutHeadings())
        EXPECT_EQ(payout.value(heading.label), heading.text);
    EXPECT_EQ(payout.value("BVLabel2"), "Anfangskapital:");
    EXPECT_EQ(payout.value("QZuwach"), "");
    EXPECT_EQ(payout.value("BVLabel16"), "");
    const auto& loanAgain = f.output.shots.at(2).captions;
    EXPECT_EQ(loanAgain, f.output.shots.at(0).captions);
}

struct CheckCase {
    const char* name;
    const char* sparen;
    const char* edit1;
    PlanOutcome outcome;
};

class PayoutCheck : public testing::TestWithParam<CheckCase> { };

TEST_P(PayoutCheck, NeedsANegativeAmount)
{
    const CheckCase& c = GetParam();
    Fixture f;
    f.source.setInputs({ { PlanField::Sparen, c.sparen }, { PlanField::Edit1, c.edit1 } });
    const auto before = f.tilgungsplan.captions();
    EXPECT_EQ(f.commands.RentenplanAuszahlungsphase1Click(), c.outcome);
    if (c.outcome == PlanOutcome::Shown) {
        EXPECT_EQ(f.output.shots.size(), 1u);
        return;
    }
    EXPECT_TRUE(f.output.shots.empty());
    EXPECT_EQ(f.tilgungsplan.captions(), before);
    if (c.outcome == PlanOutcome::Refused)
        EXPECT_EQ(f.source.messages, QStringList { plantexts::payoutCheckMessage });
    else
        EXPECT_EQ(f.source.errors.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Plans, PayoutCheck,
    testing::Values(CheckCase { "StartupDefaults", "50", "0", PlanOutcome::Refused },
        CheckCase { "YearlyPayout", "0", "-1000", PlanOutcome::Shown },
        // The yearly text is no number, but the monthly amount decides first.
        CheckCase { "MonthlyPayoutSkipsYearly", "-500", "abc", PlanOutcome::Shown },
        CheckCase { "MonthlyNoNumber", "abc", "-1000", PlanOutcome::Failed },
        CheckCase { "YearlyNoNumber", "0", "x", PlanOutcome::Failed }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PayoutCheck, NamesTheOffendingText)
{
    Fixture f;
    f.source.setInputs({ { PlanField::Sparen, "12.345,67" } });
    f.commands.RentenplanAuszahlungsphase1Click();
    EXPECT_EQ(f.source.errors, QStringList { "'12.345,67' ist kein gültiger Gleitkommawert" });
}

}

// A command chosen while another one waits in its preview (the preview
// handles events) finds the form busy: it neither reads nor writes it, and
// the menu hears when the form is free again.
TEST(CommandGuard, NoCommandStartsWhileAnotherIsInProgress)
{
    Fixture f;
    std::vector<bool> busyChanges;
    f.source.guard.setBusyChanged([&](bool busy) { busyChanges.push_back(busy); });
    std::vector<PlanOutcome> nested;
    f.output.onPreview = [&] {
        if (!nested.empty())
            return;
        nested.push_back(f.commands.Tilgungsplan1Click());
        nested.push_back(f.commands.RentenplanAuszahlungsphase1Click());
        nested.push_back(f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click());
        nested.push_back(f.commands.Anlageentwicklung1Click());
    };
    const QString capital = f.source.fieldText(PlanField::AnlageSumme);
    EXPECT_EQ(f.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Shown);
    EXPECT_EQ(nested, std::vector<PlanOutcome>(4, PlanOutcome::Busy));
    // The savings plan ran its own payout search and second report under its one hold.
    ASSERT_EQ(f.output.shots.size(), 2u);
    EXPECT_NE(f.source.fieldText(PlanField::AnlageSumme), capital);
    EXPECT_EQ(busyChanges, (std::vector<bool> { true, false }));
    EXPECT_FALSE(f.source.guard.busy());
}
