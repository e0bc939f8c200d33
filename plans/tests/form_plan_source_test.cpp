// The print commands driven through the real form model, as the window and
// the command-line tool drive them: field writes nest the form's own
// recompute with its corrections, and the payout search runs on the form.
#include "app/form_model.h"
#include "app/form_services.h"
#include "fake_plan_source.h"
#include "plans/print_commands.h"

#include <gtest/gtest.h>

namespace {

class SilentServices : public FormServices {
public:
    QString inputBox(const QString&, const QString&, const QString& preset) override { return preset; }
    void showError(const QString& message) override { errors << message; }
    void showInformation(const QString& message) override { messages << message; }
    void showMessage(const QString& message) override { messages << message; }
    void setBusy(bool) override { }
    QStringList errors;
    QStringList messages;
};

class FormPlanSource : public PlanSource {
public:
    explicit FormPlanSource(FormModel& form)
        : m_form(form)
    {
    }
    QString fieldText(PlanField field) const override { return m_form.fieldText(toField(field)); }
    void setFieldText(PlanField field, const QString& text) override { m_form.setFieldText(toField(field), text); }
    void setSparenHint(const QString& hint) override { m_form.setSparenHint(hint); }
    QString caption(PlanCaption caption) const override
    {
        return m_form.resultText(static_cast<ResultLabel>(static_cast<int>(caption)));
    }
    QString gridCell(int row, int column) const override { return m_form.gridCell(row, column); }
    int years() const override { return m_form.years(); }
    void setYears(int years) override { m_form.setYears(years); }
    double depotwert() const override { return m_form.depotwert(); }
    QImage renderChart(const QSize& size) const override { return QImage(size, QImage::Format_RGB32); }
    void showMessage(const QString& message) override { m_form.services().showMessage(message); }
    void showError(const QString& message) override { m_form.services().showError(message); }
    void setBusy(bool busy) override { m_form.services().setBusy(busy); }

private:
    static Field toField(PlanField field) { return static_cast<Field>(static_cast<int>(field)); }
    FormModel& m_form;
};

struct FormPlans {
    SilentServices services;
    FormModel form { services };
    FormPlanSource source { form };
    FakePlanDefinition entwicklung { qEntwicklungLayout() };
    FakePlanDefinition tilgungsplan { tTilgungsplanLayout() };
    RecordingOutput output;
    PrintCommands commands { source, entwicklung, tilgungsplan, output, QStringLiteral("€") };

    FormPlans() { form.recompute(); }
};

TEST(FormModelPlans, SavingsThenPayoutOnTheDefaultForm)
{
    FormPlans p;
    ASSERT_EQ(p.commands.SparplanmitanschlieenderAuszahlungber30Jahre1Click(), PlanOutcome::Shown);
    ASSERT_EQ(p.output.shots.size(), 2u);
    EXPECT_EQ(p.output.shots[0].captions.value("QKapital"), "41134,80 €");
    EXPECT_EQ(p.form.fieldText(Field::AnlageSumme), "41134,80");
    EXPECT_EQ(p.form.fieldText(Field::Jahre), "30");
    EXPECT_EQ(p.form.fieldText(Field::Sparen), "-388,97");
    EXPECT_EQ(p.form.fieldHint(Field::Sparen), "-4667,69 im Jahr");
    const auto& payout = p.output.shots[1].captions;
    EXPECT_EQ(payout.value("QKapital"), "12,32 €");
    EXPECT_EQ(payout.value("QEinsatz"), "140029,20 €");
    EXPECT_EQ(payout.value("QTilgung"), "41122,48 €");
    EXPECT_EQ(payout.value("QErtrag"), "98906,72 €");
    EXPECT_EQ(payout.value("QGDividenten"), "13920,21 €");
    EXPECT_TRUE(p.services.errors.isEmpty());
}

TEST(FormModelPlans, LoanExampleOnTheForm)
{
    FormPlans p;
    p.form.setFieldText(Field::Sparen, "-200");
    p.form.setFieldText(Field::Rendite, "5");
    p.form.setFieldText(Field::Dividente, "0");
    p.form.setYears(3);
    ASSERT_EQ(p.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const auto& loan = p.output.shots.at(0).captions;
    EXPECT_EQ(loan.value("QEinsatz"), "7200,00 €");
    EXPECT_EQ(loan.value("QTilgung"), "6178,90 €");
    EXPECT_EQ(loan.value("QKapital"), "3821,10 €");
    EXPECT_EQ(loan.value("QErtrag"), "1021,10 €");
    EXPECT_EQ(loan.value("QZuwach"), "Damit haben Sie Ihren Kredit zu 61,79 % getilgt. ");
}

TEST(FormModelPlans, PayoutCheckOnTheStartupForm)
{
    FormPlans p;
    EXPECT_EQ(p.commands.RentenplanAuszahlungsphase1Click(), PlanOutcome::Refused);
    EXPECT_EQ(p.services.messages.size(), 1);
    EXPECT_TRUE(p.output.shots.empty());
}

}
