#include "fake_plan_source.h"
#include "plans/plan_texts.h"
#include "plans/print_commands.h"
#include "plans/report_plan_definition.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/engine/image.h"
#include "report/engine/label.h"
#include "report/store/printer.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Generates every report it is handed into the page store, as the preview
// does before it shows page 1.
class GeneratingOutput : public PlanOutput {
public:
    void preview(PlanDefinition& definition) override
    {
        auto printer = std::make_unique<TBVPrinter>();
        definition.report()->generate(*printer);
        printers.push_back(std::move(printer));
    }
    std::vector<std::unique_ptr<TBVPrinter>> printers;
};

QStringList pageTexts(const TBVPrinter& printer, int page)
{
    QStringList texts;
    const std::unique_ptr<EmfPage> picture = printer.GetPage(page);
    for (const EmfText& text : EmfPlayer(*picture).texts())
        texts << text.text;
    return texts;
}

QImage renderPage(const TBVPrinter& printer, int page)
{
    const std::unique_ptr<EmfPage> picture = printer.GetPage(page);
    QImage image(picture->sizePx(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 96, 96);
    EmfPlayer(*picture).play(canvas);
    return image;
}

struct Plans {
    FakePlanSource source;
    TQEntwicklung entwicklung;
    TTilgungsplan tilgungsplan;
    GeneratingOutput output;
    PrintCommands commands { source, entwicklung, tilgungsplan, output, QStringLiteral("€") };
};

long double mm(const TBVPrintable& printable, TBVPrintableSize::Index index) { return printable.native(index) / 10; }

TEST(ReportDefinitions, EveryPrintableOfTheTablesExistsWhereTheTableSaysAfterFilling)
{
    Plans p;
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
    EXPECT_NEAR(static_cast<double>(detail.heightNative()), 2439.5, 1e-9);
    EXPECT_NEAR(static_cast<double>(child.heightNative()), 105.8, 1e-9);
    EXPECT_EQ(tilgungsplan.caption("BVLabel15"), "Der Fundorix  ist eine Software von  https://www.wendlich.example");
}

TEST(ReportDefinitions, DevelopmentReportPrintsOnePageWithChartAndResults)
{
    Plans p;
    ASSERT_EQ(p.commands.Anlageentwicklung1Click(), PlanOutcome::Shown);
    const TBVPrinter& printer = *p.output.printers.at(0);
    ASSERT_EQ(printer.PageCount(), 1);
    const QStringList texts = pageTexts(printer, 1);
    for (const char* expected :
        { "41134,80 €", "16000,00 €", "157,09 %", "keine", "jährlich", "10 Jahre",
            "Entwicklung Ihre Anlage in Zahlen:", "Der Fundorix  ist eine Software von  https://www.wendlich.example" })
        EXPECT_TRUE(texts.contains(expected)) << expected;

    const QImage page = renderPage(printer, 1);
    const QString file = QDir::temp().filePath("fundorix-plans-anlageentwicklung-1.png");
    ASSERT_TRUE(page.save(file));
    // The chart picture (a grey test bitmap) sits in the image's box.
    const QPoint insideChart(qRound((100 + 190.5 + 20) * 96 / 254.0), qRound((100 + 486.8 + 20) * 96 / 254.0));
    EXPECT_EQ(page.pixelColor(insideChart), QColor(Qt::lightGray));
}

TEST(ReportDefinitions, NinetyNinePaymentsContinueOnFurtherPagesEachLineOnce)
{
    Plans p;
    QStringList expected;
    for (int column = 1; column <= 99; ++column) {
        p.source.setGridCell(PlanSource::yearRow, column, QString::number(column % 10 + 1));
        p.source.setGridCell(PlanSource::monthRow, column, QString::number(column % 12 + 1));
        p.source.setGridCell(PlanSource::amountRow, column, QString::number(column * 10));
        expected << plantexts::extraPaymentLine(QString::number(column % 10 + 1), QString::number(column % 12 + 1),
            QString::number(column * 10), QStringLiteral("€"));
    }
    ASSERT_EQ(p.commands.Tilgungsplan1Click(), PlanOutcome::Shown);
    const TBVPrinter& printer = *p.output.printers.at(0);
    EXPECT_GE(printer.PageCount(), 2);
    QStringList printed;
    for (int page = 1; page <= printer.PageCount(); ++page) {
        for (const QString& text : pageTexts(printer, page)) {
            if (text.contains(". Monat"))
                printed << text;
        }
    }
    EXPECT_EQ(printed, expected);
}

}
