// The print commands driven through the real form model, as the window and
// the command-line tool drive them: field writes nest the form's own
// recompute with its corrections, the payout search runs on the form, and
// the chart picture is the form's Chart1.
#include "chart_binding.h"
#include "form_model.h"
#include "form_plan_source.h"
#include "plans/plan_output.h"
#include "plans/print_commands.h"
#include "plans/report_plan_definition.h"
#include "scripted_services.h"

#include <QMap>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Keeps the captions a report had when it was handed on.
class CaptionOutput : public PlanOutput {
public:
    void preview(PlanDefinition& definition) override
    {
        const PlanReportLayout& layout = dynamic_cast<ReportPlanDefinition&>(definition).layout();
        QMap<QString, QString> captions;
        for (const char* name : { "QKapital", "QEinsatz", "QTilgung", "QErtrag", "QGDividenten", "QZuwach" }) {
            if (layout.findPrintable(name))
                captions[name] = definition.caption(name);
        }
        shots.push_back(captions);
    }
    std::vector<QMap<QString, QString>> shots;
};

struct FormPlans {
    ScriptedServices services;
    ChartBinding chart;
    FormModel form { services };
    FormPlanSource source { form, chart };
    TQEntwicklung entwicklung;
    TTilgungsplan tilgungsplan;
    CaptionOutput output;
    PrintCommands commands { source, entwicklung, tilgungsplan, output, QStringLiteral("€") };

    FormPlans()
    {
        form.setYearSeriesListener(&chart);
        form.recompute();
    }
};

TEST(FormPlanSource, SavingsThenPayoutOnTheDefaultForm)
{
    FormPlans p;
    ASSERT_EQ(p.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Shown);
    ASSERT_EQ(p.output.shots.size(), 2u);
    EXPECT_EQ(p.output.shots[0].value("QKapital"), "41134,80 €");
    EXPECT_EQ(p.form.fieldText(Field::AnlageSumme), "41134,80");
    EXPECT_EQ(p.form.fieldText(Field::Jahre), "30");
    EXPECT_EQ(p.form.years(), 30);
    EXPECT_EQ(p.form.fieldText(Field::Sparen), "-388,97");
    EXPECT_EQ(p.form.fieldHint(Field::Sparen), "-4667,69 im Jahr");
    const auto& payout = p.output.shots[1];
    EXPECT_EQ(payout.value("QKapital"), "12,32 €");
    EXPECT_EQ(payout.value("QEinsatz"), "140029,20 €");
    EXPECT_EQ(payout.value("QTilgung"), "41122,48 €");
    EXPECT_EQ(payout.value("QErtrag"), "98906,72 €");
    EXPECT_EQ(payout.value("QGDividenten"), "13920,21 €");
    EXPECT_TRUE(p.services.errors.isEmpty());
}

TEST(FormPlanSource, LoanExampleOnTheForm)
{
    FormPlans p;
    p.form.setFieldText(Field::Sparen, "-200");
    p.form.setFieldText(Field::Rendite, "5");
    p.form.setFieldText(Field::Dividente, "0");
    p.form.setYears(3);
    ASSERT_EQ(p.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const auto& loan = p.output.shots.at(0);
    EXPECT_EQ(loan.value("QEinsatz"), "7200,00 €");
    EXPECT_EQ(loan.value("QTilgung"), "6178,90 €");
    EXPECT_EQ(loan.value("QKapital"), "3821,10 €");
    EXPECT_EQ(loan.value("QErtrag"), "1021,10 €");
    EXPECT_EQ(loan.value("QZuwach"), "Damit haben Sie Ihren Kredit zu 61,79 % getilgt. ");
}

TEST(FormPlanSource, ChecksAndFailuresReachTheFormsDialogs)
{
    FormPlans p;
    EXPECT_EQ(p.commands.RentenplanAuszahlungsphase1Click(), PlanOutcome::Refused);
    EXPECT_EQ(p.services.messages.join('|'),
        "Die mtl.Rate oder jährliche Anlage sollte negativ sein, da dies für Auszahlung steht!");

    p.form.setFieldText(Field::Sparen, "abc");
    p.services.errors.clear(); // the recompute's own report of the text
    EXPECT_EQ(p.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    EXPECT_EQ(p.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Failed);
    EXPECT_EQ(p.services.errors.join('|'), "'abc' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(p.output.shots.size(), 1u);
}

}
