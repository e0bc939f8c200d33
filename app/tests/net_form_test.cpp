// The net page's model follows the plan: every recompute of the form and
// every option change recomputes the net results; bad input shows "0,00".
// Expected texts come from an independent computation of the net rules.
#include "form_model.h"
#include "net_form.h"
#include "scripted_services.h"

#include <gtest/gtest.h>

using namespace fundorix::calc;

namespace {

class NetFormTest : public ::testing::Test {
protected:
    ScriptedServices services;
    FormModel form { services };
    NetForm net { form };

    void SetUp() override { form.recompute(); }
    QString shown(NetItem item) const { return net.resultText(item); }
    QStringList allShown() const
    {
        QStringList texts;
        for (std::size_t i = 0; i < netItemCount; ++i)
            texts << shown(static_cast<NetItem>(i));
        return texts;
    }
};

const QStringList zeros { "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00" };

TEST_F(NetFormTest, DefaultsOfBothPages)
{
    EXPECT_EQ(allShown(), QStringList({ "40473,98", "660,83", "0,00", "3520,31", "36953,67", "20953,67", "30314,88" }));
    EXPECT_EQ(net.fieldText(NetField::Basiszins), "3,2");
    EXPECT_EQ(net.tax(), NetTax::Abgeltung);
    EXPECT_EQ(net.fund(), FundType::Aktien);
}

TEST_F(NetFormTest, EveryOptionChangeRecomputesAtOnce)
{
    int shownResults = 0;
    QObject::connect(&net, &NetForm::resultsChanged, [&] { ++shownResults; });
    net.setTax(NetTax::None);
    EXPECT_EQ(shown(NetItem::SteuerVerkauf), "0,00");
    net.setFieldText(NetField::Fondskosten, "0");
    EXPECT_EQ(shown(NetItem::Netto), "41134,80"); // the plan's depot value
    net.setFund(FundType::Ohne);
    net.setFieldText(NetField::Inflation, "0");
    EXPECT_EQ(shown(NetItem::Kaufkraft), "41134,80");
    EXPECT_EQ(shownResults, 4);
    net.setFieldText(NetField::Inflation, "0");
    EXPECT_EQ(shownResults, 4); // the same text changes nothing
}

TEST_F(NetFormTest, EveryRecomputeOfThePlanRecomputesTheNetView)
{
    net.setTax(NetTax::None);
    net.setFieldText(NetField::Fondskosten, "0");
    form.setFieldText(Field::Rendite, "5");
    EXPECT_EQ(shown(NetItem::Depotwert), form.resultText(ResultLabel::AnlageWunsch));
    const QString before = shown(NetItem::Depotwert);
    form.setGridCell(0, 1, "2");
    form.setGridCell(1, 1, "7");
    form.setGridCell(2, 1, "1000");
    EXPECT_EQ(shown(NetItem::Depotwert), before); // the grid waits for the next change, as the plan does
    form.setFieldText(Field::ComboBox1, "monatlich");
    EXPECT_NE(shown(NetItem::Depotwert), before);
    EXPECT_EQ(shown(NetItem::Depotwert), form.resultText(ResultLabel::AnlageWunsch));
}

TEST_F(NetFormTest, BadFieldShowsZeroEverywhereAndKeepsItsText)
{
    net.setFieldText(NetField::Freibetrag, "1.000,5");
    EXPECT_EQ(allShown(), zeros);
    EXPECT_EQ(net.fieldText(NetField::Freibetrag), "1.000,5");
    EXPECT_FALSE(net.netOptions());
    net.setFieldText(NetField::Freibetrag, "801");
    EXPECT_EQ(net.netOptions()->freibetrag, 801);
    EXPECT_NE(shown(NetItem::Depotwert), "0,00");
    net.setFieldText(NetField::Inflation, "-100");
    EXPECT_EQ(allShown(), zeros);
}

TEST_F(NetFormTest, FailedPlanShowsZeroEverywhere)
{
    form.setFieldText(Field::AnlageSumme, "1.000,50"); // becomes 1,000,50, which does not parse
    EXPECT_EQ(form.resultText(ResultLabel::AnlageWunsch), "0,00");
    EXPECT_EQ(allShown(), zeros);
    form.setFieldText(Field::AnlageSumme, "10000");
    EXPECT_EQ(shown(NetItem::Depotwert), "40473,98");
}

TEST(NetFormPlan, TheNetViewChangesNothingThePlanShows)
{
    ScriptedServices services;
    FormModel alone(services);
    FormModel followed(services);
    NetForm net(followed);
    for (FormModel* form : { &alone, &followed }) {
        form->setFieldText(Field::Sparen, "-25,5");
        form->setFieldText(Field::Rendite, "7.25");
    }
    for (ResultLabel label : allResultLabels)
        EXPECT_EQ(alone.resultText(label), followed.resultText(label));
    EXPECT_EQ(alone.fieldText(Field::Rendite), followed.fieldText(Field::Rendite));
    EXPECT_EQ(alone.depotwert(), followed.depotwert());
    EXPECT_EQ(alone.sumLine(), followed.sumLine());
}

}
