#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/engine/image.h"
#include "report/engine/label.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A plan-like report: a heading, a chart picture, a memo of extra payments that
// continues over pages, and a bottom-aligned child band with a note.
struct StoredPlan {
    TBVReport report;
    TBVMemo* memo = nullptr;

    explicit StoredPlan(int memoLines)
    {
        report.setUnits(TBVUnit::MM);
        report.Page().setPaperSize(TBVPaperSize::A4);
        report.PrintIfEmpty = true;
        report.ReportTitle = "Anlageentwicklung";
        TBVBand& detail = report.addBand(TBVBandType::rbDetail);
        detail.Size().setValue(TBVBandSize::Height, 216.694L);
        detail.AlignToBottom = true;
        auto& heading = detail.add<TBVLabel>("Titel");
        PageFont big = report.Font();
        big.pointSize = 14;
        big.bold = true;
        heading.setFont(big);
        heading.Size().setValue(TBVPrintableSize::Left, 10);
        heading.setCaption("Anlageentwicklung");
        auto& amount = detail.add<TBVLabel>("Depotwert");
        amount.setAlignment(TAlignment::taRightJustify);
        amount.Size().setValue(TBVPrintableSize::Left, 150);
        amount.Size().setValue(TBVPrintableSize::Top, 12);
        amount.setCaption("Depotwert: 123.456,78 €");
        auto& chart = detail.add<TBVImage>("Chart");
        chart.Size().setValue(TBVPrintableSize::Top, 25);
        chart.Size().setValue(TBVPrintableSize::Width, 160);
        chart.Size().setValue(TBVPrintableSize::Height, 106);
        QImage picture(600, 400, QImage::Format_RGB32);
        picture.fill(QColor(230, 240, 255));
        QPainter painter(&picture);
        for (int year = 0; year < 10; ++year)
            painter.fillRect(30 + year * 55, 380 - year * 30, 40, year * 30 + 10, QColor(40, 90, 200));
        painter.end();
        chart.setPicture(picture);
        memo = &detail.add<TBVMemo>("BVMemo1");
        memo->Size().setValue(TBVPrintableSize::Left, 10);
        memo->Size().setValue(TBVPrintableSize::Top, 140);
        memo->Size().setValue(TBVPrintableSize::Height, 4.5L);
        memo->AutoStretch = true;
        memo->Frame.DrawLeft = true;
        QStringList lines;
        for (int i = 1; i <= memoLines; ++i)
            lines << QString("Jahr %1, Monat %2: Sonderzahlung %3,00 €").arg(i / 12 + 1).arg(i % 12 + 1).arg(i * 10);
        memo->setLines(lines);
        detail.setHasChild(true);
        TBVChildBand* child = detail.FindChildBand();
        child->Size().setValue(TBVBandSize::Height, 10.583L);
        child->AlignToBottom = true;
        child->Frame.DrawTop = true;
        child->add<TBVLabel>("Hinweis").setCaption("Alle Angaben ohne Gewähr.");
    }
};

std::vector<QString> pageTexts(const TBVPrinter& printer, int n)
{
    const auto page = printer.GetPage(n);
    std::vector<QString> texts;
    for (const EmfText& text : EmfPlayer(*page).texts())
        texts.push_back(text.text);
    return texts;
}

bool contains(const std::vector<QString>& texts, const QString& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(PageStore, GeneratedPagesLandInThePageStoreWithTheirTexts)
{
    StoredPlan plan(200);
    TBVPrinter printer;
    plan.report.generate(printer);
    ASSERT_EQ(printer.Status(), TBVPrinterStatus::Finished);
    ASSERT_GE(printer.PageCount(), 3);
    int found = 0;
    for (int n = 1; n <= printer.PageCount(); ++n) {
        const auto texts = pageTexts(printer, n);
        EXPECT_EQ(contains(texts, "Anlageentwicklung"), n == 1) << "page " << n;
        for (const QString& text : texts)
            found += text.startsWith("Jahr ");
    }
    EXPECT_EQ(found, 200);
    EXPECT_TRUE(contains(pageTexts(printer, printer.PageCount()), "Alle Angaben ohne Gewähr."));
    EXPECT_EQ(printer.GetPage(1)->sizePx(), QSize(794, 1123));

    // Pages as a reader sees them; set FUNDORIX_ENGINE_PNG_DIR to look at them.
    const QString folder = qEnvironmentVariable("FUNDORIX_ENGINE_PNG_DIR");
    for (int n : { 1, printer.PageCount() }) {
        const auto page = printer.GetPage(n);
        QImage image(page->sizePx(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(painter, 96, 96);
        EmfPlayer(*page).play(canvas);
        painter.end();
        // The chart is on page 1 only; continuation pages hold nothing but the memo.
        EXPECT_EQ(image.pixelColor(300, 200) != QColor(Qt::white), n == 1) << "page " << n;
        if (!folder.isEmpty())
            image.save(QString("%1/page%2.png").arg(folder).arg(n));
    }
}

// The page printer adapter of a run lives only as long as the run: the
// report must not hand it out afterwards, whichever way the run ended.
TEST(PageStore, TheReportHandsOutNoPrinterAfterARunEvenAFailedOne)
{
    StoredPlan plan(3);
    TBVPrinter printer;
    const ReportPrinter* during = nullptr;
    plan.report.OnStartPage = [&](TBVReport& report) { during = report.printer(); };
    plan.report.generate(printer);
    EXPECT_NE(during, nullptr);
    EXPECT_EQ(plan.report.printer(), nullptr);
    EXPECT_THROW(plan.report.generate(printer), EBVError);
    EXPECT_EQ(plan.report.printer(), nullptr);
    EXPECT_EQ(plan.report.activeRun(), nullptr);
}

TEST(PageStore, ASecondRunIntoTheSamePrinterIsRefused)
{
    StoredPlan plan(3);
    TBVPrinter printer;
    plan.report.generate(printer);
    const int pages = printer.PageCount();
    EXPECT_THROW(plan.report.generate(printer), EBVError);
    EXPECT_TRUE(plan.report.Idle());
    EXPECT_EQ(printer.PageCount(), pages);
}

} // namespace
