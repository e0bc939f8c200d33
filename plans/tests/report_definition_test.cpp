#include "chart/savings_chart.h"
#include "fake_plan_source.h"
#include "generated_pages.h"
#include "plans/plan_texts.h"
#include "plans/print_commands.h"
#include "plans/report_plan_definition.h"
#include "report/emf/emf_player.h"
#include "report/engine/image.h"
#include "report/engine/label.h"
#include "report/store/printer.h"

#include <QDir>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Draws the program's real chart for the plan, as the form does.
class ChartingPlanSource : public FakePlanSource {
public:
    QImage renderChart(const QSize& size) const override
    {
        TChart chart;
        const SavingsChartSeries series = buildSavingsChart(chart);
        std::vector<SavingsChartYear> years;
        for (const fundorix::calc::YearValues& year : yearValues())
            years.push_back({ year.kapitaleinsatz, year.rendite, year.dividente, year.sonderzahlung });
        fillSavingsChart(series, years);
        return renderPlanChart(chart, size);
    }
};

template <typename Source = FakePlanSource> struct Plans {
    Source source;
    TQEntwicklung entwicklung;
    TTilgungsplan tilgungsplan;
    GeneratingOutput output;
    PrintCommands commands { source, entwicklung, tilgungsplan, output, QStringLiteral("€") };
};

long double mm(const TBVPrintable& printable, TBVPrintableSize::Index index) { return printable.native(index) / 10; }

TEST(ReportDefinitions, EveryPrintableOfTheTablesExistsWhereTheTableSaysAfterFilling)
{
    Plans<> p;
    p.source.setGridCell(PlanSource::yearRow, 1, "5");
    p.commands.Anlageentwicklung1Click();
    p.commands.Tilgungsplan1Click();
    for (ReportPlanDefinition* definition :
        { static_cast<ReportPlanDefinition*>(&p.entwicklung), static_cast<ReportPlanDefinition*>(&p.tilgungsplan) }) {
        for (const PlanBandLayout& band : definition->layout().bands) {
            for (const PlanPrintableLayout& row : band.printables) {
                SCOPED_TRACE((definition->name() + " " + row.name).toStdString());
                const TBVPrintable& printable = definition->printable(row.name);
                EXPECT_EQ(printable.band()->Name(), band.name);
                EXPECT_NEAR(mm(printable, TBVPrintableSize::Top), row.topMm, 1e-9);
                const long double x = row.alignment == PlanAlignment::Right
                    ? mm(printable, TBVPrintableSize::Left) + mm(printable, TBVPrintableSize::Width)
                    : mm(printable, TBVPrintableSize::Left);
                // Sizing to a text works in whole screen pixels.
                EXPECT_NEAR(x, row.xMm, 25.4 / 96);
                EXPECT_GE(mm(printable, TBVPrintableSize::Height), row.heightMm - 1e-9);
            }
        }
    }
}

TEST(ReportDefinitions, PageSetupAndBands)
{
    TTilgungsplan tilgungsplan;
    TBVReport& report = tilgungsplan.BVReport1();
    EXPECT_EQ(report.ReportTitle, "Kreditrechnung");
    EXPECT_TRUE(report.Description.isEmpty());
    EXPECT_TRUE(report.PrintIfEmpty);
    EXPECT_EQ(report.Page().PaperSize(), TBVPaperSize::A4);
    for (TBVPage::Index margin :
        { TBVPage::TopMargin, TBVPage::BottomMargin, TBVPage::LeftMargin, TBVPage::RightMargin })
        EXPECT_NEAR(static_cast<double>(report.Page().native(margin)), 100.0, 1e-9);
    ASSERT_EQ(report.bandList().size(), 2u);
    const TBVCustomBand& detail = *report.bandList()[0];
    const TBVCustomBand& child = *report.bandList()[1];
    EXPECT_EQ(detail.Name(), "DetailBand1");
    EXPECT_EQ(child.Name(), "ChildBand1");
    EXPECT_EQ(child.BandType(), TBVBandType::rbChild);
    EXPECT_TRUE(detail.AlignToBottom && child.AlignToBottom);
    EXPECT_NEAR(static_cast<double>(detail.heightNative()), 2439.46, 1e-9);
    EXPECT_NEAR(static_cast<double>(child.heightNative()), 105.83, 1e-9);
    EXPECT_EQ(tilgungsplan.caption("BVLabel15"), "Der Fundorix  ist eine Software von  https://www.wendlich.example");
}

TEST(ReportDefinitions, DevelopmentReportPrintsOnePageWithChartAndResults)
{
    Plans<ChartingPlanSource> p;
    ASSERT_EQ(p.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    const TBVPrinter& printer = *p.output.printers.at(0);
    ASSERT_EQ(printer.PageCount(), 1);
    const QStringList texts = pageTexts(printer, 1);
    for (const char* expected :
        { "41134,80 €", "16000,00 €", "157,09 %", "keine", "jährlich", "10 Jahre",
            "Entwicklung Ihre Anlage in Zahlen:", "Der Fundorix  ist eine Software von  https://www.wendlich.example" })
        EXPECT_TRUE(texts.contains(expected)) << expected;

    // Kept for a look at the page as the preview shows it.
    ASSERT_TRUE(renderPage(printer, 1).save(QDir::temp().filePath("fundorix-plans-anlageentwicklung-1.png")));
}

TEST(ReportDefinitions, ChartPictureSitsInTheImageBox)
{
    Plans<> p;
    ASSERT_EQ(p.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const QImage page = renderPage(*p.output.printers.at(0), 1);
    // Page pixels at 96 dpi of a point given in millimetres from the paper's corner.
    const auto at = [](double xMm, double yMm) { return QPoint(qRound(xMm * 96 / 25.4), qRound(yMm * 96 / 25.4)); };
    const double left = 10 + 19.05;
    const double top = 10 + 50.80;
    EXPECT_EQ(page.pixelColor(at(left + 2, top + 2)), QColor(Qt::lightGray));
    EXPECT_EQ(page.pixelColor(at(left + 157, top + 104)), QColor(Qt::lightGray));
    EXPECT_EQ(page.pixelColor(at(left + 160, top + 50)), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(at(left + 50, top + 107.5)), QColor(Qt::white));
}

// The picture's box on page 1 in page pixels (96 per inch): the detail band
// starts at the 10 mm margins.
QRect pictureBoxPx(const ReportPlanDefinition& definition)
{
    const TBVPrintable& image = definition.printable(QStringLiteral("BVImage1"));
    const auto px = [](long double native) { return static_cast<int>(std::lround((native + 100) * 96 / 254)); };
    const int left = px(image.native(TBVPrintableSize::Left));
    const int top = px(image.native(TBVPrintableSize::Top));
    return QRect(QPoint(left, top),
        QPoint(px(image.native(TBVPrintableSize::Left) + image.native(TBVPrintableSize::Width)) - 1,
            px(image.native(TBVPrintableSize::Top) + image.native(TBVPrintableSize::Height)) - 1));
}

class NinetyNinePayments : public ::testing::TestWithParam<bool> { };

// Every payment line shows on paper exactly once: none lies under the chart
// picture of page 1 (which is drawn over it), the list goes on at the top of
// the next pages.
TEST_P(NinetyNinePayments, EveryLineVisibleOnceNoneUnderThePicture)
{
    const bool development = GetParam();
    Plans<> p;
    QStringList expected;
    for (int column = 1; column <= 99; ++column) {
        p.source.setGridCell(PlanSource::yearRow, column, QString::number(column % 10 + 1));
        p.source.setGridCell(PlanSource::monthRow, column, QString::number(column % 12 + 1));
        p.source.setGridCell(PlanSource::amountRow, column, QString::number(column * 10));
        expected << plantexts::extraPaymentLine(QString::number(column % 10 + 1), QString::number(column % 12 + 1),
            QString::number(column * 10), QStringLiteral("€"));
    }
    ASSERT_EQ(development ? p.commands.Anlageentwicklung1Click() : p.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const ReportPlanDefinition& definition
        = development ? static_cast<ReportPlanDefinition&>(p.entwicklung) : p.tilgungsplan;
    const QRect picture = pictureBoxPx(definition);
    const TBVPrinter& printer = *p.output.printers.at(0);
    EXPECT_GE(printer.PageCount(), 2);
    QStringList printed;
    int onPageOne = 0;
    for (int page = 1; page <= printer.PageCount(); ++page) {
        const std::unique_ptr<EmfPage> picturePage = printer.GetPage(page);
        for (const EmfText& text : EmfPlayer(*picturePage).texts()) {
            if (!text.text.contains(". Monat"))
                continue;
            printed << text.text;
            const QRect bounds(
                QPoint(text.bounds.left, text.bounds.top), QPoint(text.bounds.right - 1, text.bounds.bottom - 1));
            if (page == 1) {
                ++onPageOne;
                EXPECT_FALSE(bounds.intersects(picture)) << text.text.toStdString();
            }
        }
    }
    EXPECT_EQ(printed, expected);
    EXPECT_GE(onPageOne, 7); // the lines above the picture stay on page 1
}

INSTANTIATE_TEST_SUITE_P(Plans, NinetyNinePayments, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "Anlageentwicklung" : "Darlehnsberechnung");
});

struct PrintedCase {
    const char* name;
    std::map<PlanField, QString> inputs;
    PlanOutcome (PrintCommands::*command)();
    std::vector<QStringList> pageTexts; // per report handed on: texts its page 1 must carry
};

class PrintedPlans : public testing::TestWithParam<PrintedCase> { };

TEST_P(PrintedPlans, PagesCarryTheFilledTexts)
{
    const PrintedCase& c = GetParam();
    Plans<> p;
    p.source.setInputs(c.inputs);
    ASSERT_EQ((p.commands.*c.command)(), PlanOutcome::Shown);
    ASSERT_EQ(p.output.printers.size(), c.pageTexts.size());
    for (size_t report = 0; report < c.pageTexts.size(); ++report) {
        const QStringList texts = pageTexts(*p.output.printers[report], 1);
        for (const QString& expected : c.pageTexts[report])
            EXPECT_TRUE(texts.contains(expected)) << report << ": " << expected.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Plans, PrintedPlans,
    testing::Values(PrintedCase { "Loan",
                        { { PlanField::Sparen, "-200" }, { PlanField::Rendite, "5" }, { PlanField::Dividente, "0" },
                            { PlanField::Jahre, "3" } },
                        &PrintCommands::Tilgungsplan1Click,
                        { { "7200,00 €", "6178,90 €", "3821,10 €", "1021,10 €",
                            "Sondertilgungen:", "Damit haben Sie Ihren Kredit zu 61,79 % getilgt. ",
                            "In 3 Jahren werden 10,21 % des ursprünglichen Kredites als Zinsen gezahlt. " } } },
        PrintedCase { "Payout", { { PlanField::Sparen, "-100" } }, &PrintCommands::RentenplanAuszahlungsphase1Click,
            { { "Kapitalverzehr:", "Restkapital am Ende des Berechnungszeitraums:", "-100 €" } } },
        PrintedCase { "SavingsThenPayout", {}, &PrintCommands::SparplanmitanschlieenderAuszahlungber30Jahre1Click,
            { { "41134,80 €", "keine" },
                { "12,32 €", "140029,20 €", "41122,48 €", "98906,72 €", "13920,21 €", "-388,97 €", "30 Jahre" } } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportDefinitions, StoredReportFileKeepsThePlanTexts)
{
    Plans<> p;
    ASSERT_EQ(p.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    const QString file = QDir::temp().filePath("fundorix-plans-anlageentwicklung.bvp");
    p.output.printers.at(0)->Save(file);
    TBVPrinter loaded;
    loaded.Load(file);
    ASSERT_EQ(loaded.PageCount(), 1);
    const QStringList texts = pageTexts(loaded, 1);
    EXPECT_TRUE(texts.contains("41134,80 €"));
    EXPECT_TRUE(texts.contains("keine"));
    QFile::remove(file);
}

// A stand-in export format: the filter library asks it for its name and extension.
class ProbeFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;
    QString DisplayName() const override { return QStringLiteral("Probe document"); }
    QString FileExtension() const override { return QStringLiteral("PRB"); }
};

TEST(ReportDefinitions, FilterComponentsOfferKnownFormatsWhileTheyLive)
{
    // The catalog outlives the test: its entry must not refer to locals.
    static std::vector<TTextEncoding> applied;
    applied.clear();
    FilterComponentCatalog::add(QStringLiteral("TBVRTFFilter"),
        { TBVExportFilterClass::of<ProbeFilter>(QStringLiteral("TProbeFilter")),
            [](const PlanFilterComponentLayout& settings) { applied.push_back(settings.textEncoding); } });
    const auto offered = [] { return TBVExportFilterLibrary::instance().FilterForExtension("prb") != nullptr; };
    {
        TQEntwicklung entwicklung;
        EXPECT_FALSE(offered());
        TTilgungsplan tilgungsplan;
        EXPECT_TRUE(offered());
        EXPECT_EQ(applied, std::vector<TTextEncoding> { TTextEncoding::DefaultEncoding });
        ASSERT_EQ(tilgungsplan.filters().size(), 3u);
        EXPECT_TRUE(tilgungsplan.filters()[2]->registered());
        // The PDF format is built in.
        EXPECT_TRUE(tilgungsplan.filters()[0]->registered());
    }
    EXPECT_FALSE(offered());
}

}
