#include "calc/number_text.h"
#include "fake_plan_source.h"
#include "generated_pages.h"
#include "plans/net_plan_command.h"
#include "plans/net_plan_texts.h"
#include "plans/report_plan_definition.h"
#include "report/emf/emf_player.h"
#include "report/engine/label.h"
#include "report/store/printer.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

namespace calc = fundorix::calc;

QString amount(double value) { return QString::fromStdString(calc::formatAmount(value)); }

QString memoName(size_t column) { return QString::fromLatin1(netplantexts::tableColumns[column].memo); }

struct FakeNetPlan {
    FakePlanSource source;
    FakePlanDefinition definition { tNettoEntwicklungLayout() };
    RecordingOutput output;
    NetPlanCommand command { source, definition, output, QStringLiteral("€") };
};

TEST(NetPlan, YearTableHoldsTheNetViewOfEveryYearInTheAmountFormat)
{
    FakeNetPlan p;
    p.source.setFieldText(PlanField::Sparen, "100");
    p.source.setFieldText(PlanField::Jahre, "4");
    p.source.netOptions.dynamik = 10;
    p.source.netOptions.tax = calc::NetTax::Kirche9;
    p.source.netOptions.freibetrag = 0;
    ASSERT_EQ(p.command.NettoAnlageentwicklung1Click(), PlanOutcome::Shown);
    ASSERT_EQ(p.output.shots.size(), 1u);

    // Paid in: 1200 growing by 10 % a year.
    EXPECT_EQ(p.definition.lines(memoName(0)), QStringList({ "1", "2", "3", "4" }));
    EXPECT_EQ(p.definition.lines(memoName(1)), QStringList({ "1200,00", "1320,00", "1452,00", "1597,20" }));

    const calc::NetResult net = calc::computeNet(
        { "10000", "10", "jährlich", "100", "0", "1,5", 4 }, calc::GridCells {}, p.source.netOptions);
    ASSERT_TRUE(net.ok);
    ASSERT_EQ(net.years.size(), 4u);
    for (size_t i = 0; i < net.years.size(); ++i) {
        const calc::NetYear& y = net.years[i];
        const QStringList expected { amount(y.einzahlungen), amount(y.dividende), amount(y.vorabpauschale),
            amount(y.steuer), amount(y.depotwert), amount(y.kaufkraft) };
        for (size_t column = 1; column < 7; ++column)
            EXPECT_EQ(p.definition.lines(memoName(column)).at(static_cast<int>(i)), expected.at(int(column - 1)))
                << "year " << i + 1 << " column " << column;
    }
    EXPECT_NE(p.definition.lines(memoName(4)).at(3), "0,00") << "the tax of a taxed year shows";
}

TEST(NetPlan, BlocksShowTheOptionsAsTypedAndTheSevenResults)
{
    FakeNetPlan p;
    p.source.netOptions.fund = calc::FundType::ImmobilienAusland;
    p.source.netOptions.basiszins = -0.45;
    ASSERT_EQ(p.command.NettoAnlageentwicklung1Click(), PlanOutcome::Shown);
    const QMap<QString, QString> captions = p.output.shots.at(0).captions;
    const QStringList options { "Abgeltungsteuer", "1000 €", "Auslands-Immobilienfonds (80 %)", "-0,45 %", "0,2 % p.a.",
        "2 %", "0 %" };
    for (qsizetype row = 0; row < options.size(); ++row)
        EXPECT_EQ(captions.value(netplantexts::optionRows[std::size_t(row)].valueLabel), options.at(row));
    EXPECT_EQ(captions.value("QAnlagesumme"), "10000 €");
    EXPECT_EQ(captions.value("QJahre"), "10 Jahre");

    const calc::NetResult net = p.source.netView().result;
    const QStringList captionsOnPage { "Depotwert", "Fondskosten", "Steuern laufend", "Steuer bei Verkauf", "Netto",
        "Nettogewinn", "Kaufkraft heute" };
    for (size_t row = 0; row < netplantexts::resultRows.size(); ++row) {
        EXPECT_EQ(captions.value(netplantexts::resultRows[row].captionLabel), captionsOnPage.at(int(row)));
        EXPECT_EQ(captions.value(netplantexts::resultRows[row].valueLabel),
            QString::fromStdString(net.text(static_cast<calc::NetItem>(row))) + " €");
    }
    EXPECT_EQ(captions.value("QErgDepotwert"), amount(net.years.back().depotwert) + " €");
}

TEST(NetPlan, FailedPlanPrintsZeroResultsAndAnEmptyTable)
{
    FakeNetPlan p;
    p.source.setFieldText(PlanField::Rendite, "zehn");
    ASSERT_EQ(p.command.NettoAnlageentwicklung1Click(), PlanOutcome::Shown);
    EXPECT_EQ(p.output.shots.at(0).captions.value("QErgNetto"), "0,00 €");
    EXPECT_TRUE(p.definition.lines(memoName(0)).isEmpty());
}

TEST(NetPlan, DoesNotStartWhileAnotherCommandHoldsTheForm)
{
    FakeNetPlan p;
    const CommandGuard::Hold busy(p.source.guard);
    EXPECT_EQ(p.command.NettoAnlageentwicklung1Click(), PlanOutcome::Busy);
    EXPECT_TRUE(p.output.shots.empty());
}

struct PrintedText {
    int page;
    EmfText text;
};

std::vector<PrintedText> printedTexts(const TBVPrinter& printer)
{
    std::vector<PrintedText> texts;
    for (int page = 1; page <= printer.PageCount(); ++page) {
        const std::unique_ptr<EmfPage> picture = printer.GetPage(page);
        for (const EmfText& text : EmfPlayer(*picture).texts())
            texts.push_back({ page, text });
    }
    return texts;
}

struct GeneratedNetPlan {
    FakePlanSource source;
    TNettoEntwicklung definition;
    GeneratingOutput output;
    NetPlanCommand command { source, definition, output, QStringLiteral("€") };

    explicit GeneratedNetPlan(int years)
    {
        source.setFieldText(PlanField::Jahre, QString::number(years));
        EXPECT_EQ(command.NettoAnlageentwicklung1Click(), PlanOutcome::Shown);
    }
};

// Page pixels at 96 per inch of a distance from the paper's top edge in millimetres.
int px(double mm) { return qRound(mm * 96 / 25.4); }

TEST(NetPlan, HundredYearsRunOverFullPagesUnderRepeatedHeadingsWithoutLosingARow)
{
    GeneratedNetPlan plan(100);
    const TBVPrinter& printer = *plan.output.printers.at(0);
    const std::vector<PrintedText> texts = printedTexts(printer);
    const int pages = printer.PageCount();
    // 42 rows fit under the blocks of page 1; the other 58, the note and the
    // footer lines fill page 2.
    ASSERT_EQ(pages, 2);

    // Every page carries each column heading once, above the rows.
    for (int page = 1; page <= pages; ++page) {
        for (const netplantexts::TableColumn& column : netplantexts::tableColumns) {
            const auto count = std::count_if(texts.begin(), texts.end(), [&](const PrintedText& t) {
                return t.page == page && t.text.text == QString::fromUtf8(column.heading);
            });
            // "Depotwert" and "Kaufkraft" are also result captions on page 1.
            EXPECT_GE(count, 1) << column.heading << " on page " << page;
        }
    }

    // The years in order, once each, each row's cells on one line, inside the margins.
    const calc::NetResult net = plan.source.netView().result;
    int expectedYear = 1;
    int lastPageOfRows = 0;
    int lowestRowBottom = 0;
    for (const PrintedText& t : texts) {
        if (t.text.bounds.right > px(40) || t.text.text != QString::number(expectedYear))
            continue;
        const calc::NetYear& year = net.years.at(size_t(expectedYear - 1));
        for (const QString& cell : { amount(year.einzahlungen), amount(year.depotwert), amount(year.kaufkraft) }) {
            const bool onLine = std::any_of(texts.begin(), texts.end(), [&](const PrintedText& other) {
                return other.page == t.page && other.text.text == cell && other.text.bounds.top == t.text.bounds.top;
            });
            EXPECT_TRUE(onLine) << "year " << expectedYear << ": " << cell.toStdString();
        }
        EXPECT_LE(t.text.bounds.bottom, px(287)) << "year " << expectedYear;
        if (t.page != lastPageOfRows && lastPageOfRows > 0) {
            EXPECT_GT(lowestRowBottom, px(287 - 2 * 4.5)) << "page " << lastPageOfRows << " has room for more rows";
        }
        lastPageOfRows = t.page;
        lowestRowBottom = t.text.bounds.bottom;
        ++expectedYear;
    }
    EXPECT_EQ(expectedYear, 101);

    // Kept for a look at the pages as the preview shows them.
    for (int page = 1; page <= pages; ++page)
        ASSERT_TRUE(
            renderPage(printer, page).save(QDir::temp().filePath(QString("fundorix-plans-netto-%1.png").arg(page))));
}

TEST(NetPlan, ShortPlanFitsOnePageWithTheNoteAndTheFooter)
{
    GeneratedNetPlan plan(10);
    const TBVPrinter& printer = *plan.output.printers.at(0);
    ASSERT_EQ(printer.PageCount(), 1);
    QStringList texts;
    for (const PrintedText& t : printedTexts(printer))
        texts << t.text.text;
    for (const char* expected : { "Netto-Anlageentwicklung nach Kosten, Steuern und Inflation", "Steuer bei Verkauf",
             "Aktienfonds (30 %)", "Vorabpauschale", "Für die Richtigkeit der Angaben wird keine Gewähr übernommen" })
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const QString& t) { return t.contains("§ 18 InvStG"); }));
}

// Every label sized to its filled text stays inside its band, and no value
// runs into the caption beside it.
TEST(NetPlan, FilledBlocksStayInsideTheBandAndApartFromTheirCaptions)
{
    FakePlanSource source;
    source.netOptions.tax = calc::NetTax::Kirche9;
    source.netOptions.fund = calc::FundType::ImmobilienAusland;
    source.netOptions.fondskosten = 0.25;
    TNettoEntwicklung definition;
    GeneratingOutput output;
    NetPlanCommand command(source, definition, output, QStringLiteral("€"));
    ASSERT_EQ(command.NettoAnlageentwicklung1Click(), PlanOutcome::Shown);
    const auto right = [&](const char* name) {
        const TBVPrintable& p = definition.printable(QString::fromLatin1(name));
        return p.native(TBVPrintableSize::Left) + p.native(TBVPrintableSize::Width);
    };
    const auto left = [&](const char* name) {
        return definition.printable(QString::fromLatin1(name)).native(TBVPrintableSize::Left);
    };
    for (const netplantexts::BlockRow& row : netplantexts::optionRows) {
        EXPECT_LT(right(row.captionLabel), left(row.valueLabel)) << row.valueLabel;
        EXPECT_LE(right(row.valueLabel), 1899.7L) << row.valueLabel;
    }
    EXPECT_LT(right("QVerrechnung"), left("BVLabel11"));
    EXPECT_LE(right("BVLabel1"), 1899.7L);
    const auto* note = dynamic_cast<const TBVCustomLabel*>(&definition.printable("BVMemo1"));
    ASSERT_NE(note, nullptr);
    EXPECT_LE(note->native(TBVPrintableSize::Left) + note->native(TBVPrintableSize::Width), 1899.7L);
}

}
