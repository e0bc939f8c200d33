#include "form_model.h"
#include "scripted_services.h"
#include "target_solvers.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class TargetSolversTest : public ::testing::Test {
protected:
    ScriptedServices services;
    FormModel form { services };
    TargetSolvers solvers { form };

    void SetUp() override { form.recompute(); }
    QString depot() const { return form.resultText(ResultLabel::AnlageWunsch); }
};

TEST_F(TargetSolversTest, MonthlyAmountForATargetDepotValue)
{
    services.answers = QStringList { "50000" };
    const TargetSolvers::Outcome outcome = solvers.AnlageWunschDblClick();
    EXPECT_EQ(outcome.status, TargetSolvers::Status::Solved);
    EXPECT_GT(outcome.trials, 0);
    EXPECT_EQ(form.fieldText(Field::Sparen), "90,17");
    EXPECT_EQ(form.fieldHint(Field::Sparen), "1082,09 im Jahr");
    EXPECT_EQ(depot(), "49999,00");
    EXPECT_EQ(services.inputPresets, QStringList { "41134,80" });
    EXPECT_FALSE(services.busy);
    EXPECT_EQ(services.busyCount, 1);
}

TEST_F(TargetSolversTest, ASearchHoldsTheCommandGuardWhileItRuns)
{
    std::vector<bool> busyChanges;
    form.commandGuard().setBusyChanged([&](bool busy) { busyChanges.push_back(busy); });
    solvers.payoutSearch();
    form.commandGuard().setBusyChanged({});
    EXPECT_EQ(busyChanges, (std::vector<bool> { true, false }));
    EXPECT_FALSE(form.commandGuard().busy());
}

TEST_F(TargetSolversTest, RateForATargetDepotValue)
{
    services.answers = QStringList { "50000" };
    solvers.ANLAGEGEWINNDblClick();
    EXPECT_EQ(form.fieldText(Field::Rendite), "12,42");
    EXPECT_EQ(depot(), "49992,00");
}

TEST_F(TargetSolversTest, PayoutEmptiesTheDepot)
{
    solvers.Label15DblClick();
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "41134,80");
    EXPECT_EQ(form.fieldText(Field::Sparen), "-561,12");
    EXPECT_EQ(form.fieldHint(Field::Sparen), "-6733,49 im Jahr");
    EXPECT_EQ(depot(), "0,88");
    EXPECT_TRUE(services.inputPresets.isEmpty());
}

TEST_F(TargetSolversTest, PayoutSearchKeepsTheInitialSum)
{
    solvers.payoutSearch();
    EXPECT_EQ(form.fieldText(Field::AnlageSumme), "10000");
    EXPECT_TRUE(form.fieldText(Field::Sparen).startsWith(QLatin1Char('-')));
    EXPECT_EQ(depot().size(), 4); // a few cents at most: "0,xx"
}

TEST_F(TargetSolversTest, CancelOnlyRoundsTheSearchedField)
{
    form.setFieldText(Field::Sparen, "50,123");
    solvers.AnlageWunschDblClick();
    EXPECT_EQ(form.fieldText(Field::Sparen), "50,12");
    form.setFieldText(Field::Rendite, "10,456");
    solvers.ANLAGEGEWINNDblClick();
    EXPECT_EQ(form.fieldText(Field::Rendite), "10,46");
    EXPECT_TRUE(services.errors.isEmpty());
}

TEST_F(TargetSolversTest, EmptyTargetChangesNothing)
{
    services.answers = QStringList { "" };
    EXPECT_EQ(solvers.AnlageWunschDblClick().status, TargetSolvers::Status::Unchanged);
    EXPECT_EQ(form.fieldText(Field::Sparen), "50");
    EXPECT_EQ(depot(), "41134,80");
}

TEST_F(TargetSolversTest, ThousandsPointInTheTargetIsAnError)
{
    services.answers = QStringList { "12.345,67" };
    EXPECT_EQ(solvers.AnlageWunschDblClick().status, TargetSolvers::Status::Failed);
    ASSERT_EQ(services.errors.size(), 1);
    EXPECT_EQ(services.errors[0], "'12,345,67' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(form.fieldText(Field::Sparen), "50");
    EXPECT_FALSE(services.busy);
}

TEST_F(TargetSolversTest, DecimalPointInTheTargetIsAComma)
{
    services.answers = QStringList { "12345.67" };
    EXPECT_EQ(solvers.AnlageWunschDblClick().status, TargetSolvers::Status::Solved);
    EXPECT_TRUE(services.errors.isEmpty());
}

TEST_F(TargetSolversTest, UnparsableInitialSumIsAnError)
{
    form.setFieldText(Field::AnlageSumme, "x");
    services.answers = QStringList { "50000" };
    EXPECT_EQ(solvers.AnlageWunschDblClick().status, TargetSolvers::Status::Failed);
    EXPECT_EQ(services.errors.value(0), "'x' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(form.fieldText(Field::Sparen), "50");
}

TEST_F(TargetSolversTest, UnreachableTargetGivesUpWithAMessageAndTheFieldFromBefore)
{
    form.setFieldText(Field::AnlageSumme, "0");
    form.setFieldText(Field::Sparen, "0");
    const QString depotBefore = depot();
    services.answers = QStringList { "50000" };
    solvers.setLimits({ 2000 * 10 });
    const TargetSolvers::Outcome outcome = solvers.ANLAGEGEWINNDblClick();
    EXPECT_EQ(outcome.status, TargetSolvers::Status::Bounded);
    EXPECT_EQ(
        services.informations, QStringList { "Der gewünschte Wert kann mit diesen Eingaben nicht erreicht werden." });
    EXPECT_FALSE(services.busy);
    EXPECT_EQ(form.fieldText(Field::Rendite), "10");
    EXPECT_EQ(depot(), depotBefore);
}

TEST_F(TargetSolversTest, ModeWithoutGrowthGivesUpAndRestoresTheMonthlyAmount)
{
    form.setFieldText(Field::ComboBox1, "xyz");
    services.answers = QStringList { "50000" };
    const TargetSolvers::Outcome outcome = solvers.AnlageWunschDblClick();
    EXPECT_EQ(outcome.status, TargetSolvers::Status::Bounded);
    EXPECT_EQ(form.fieldText(Field::Sparen), "50");
    EXPECT_EQ(form.fieldHint(Field::Sparen), "600 im Jahr");
    EXPECT_EQ(depot(), "11605,41");
    EXPECT_EQ(services.informations.size(), 1);
}

}
