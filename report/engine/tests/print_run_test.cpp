#include "pdf_text.h"
#include "report/emf/emf_player.h"
#include "report/engine/report.h"
#include "report/engine/tests/paged_memo_report.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A report whose memo of numbered lines continues over several pages.
struct LinesReport : PagedMemoReport {
    explicit LinesReport(int lines)
        : PagedMemoReport(lines, "Tilgungsplan", "Tilgungsplan", "Zeile")
    {
    }
};

// The first memo line of every page, as the page store records the pages.
QStringList firstLines(TBVReport& report)
{
    TBVPrinter store;
    report.generate(store);
    QStringList lines;
    for (int n = 1; n <= store.PageCount(); ++n) {
        for (const EmfText& text : EmfPlayer(*store.GetPage(n)).texts()) {
            if (text.text.startsWith("Zeile")) {
                lines << text.text;
                break;
            }
        }
    }
    return lines;
}

class PrintRun : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QPrinter pdf { QPrinter::HighResolution };

    void SetUp() override
    {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
    }
};

TEST_F(PrintRun, PagesTwoAndThreeOfFiveReachThePrinter)
{
    LinesReport plan(70);
    const QStringList first = firstLines(plan.report);
    ASSERT_EQ(first.size(), 5);
    plan.report.PrinterSettings.FirstPage = 2;
    plan.report.PrinterSettings.LastPage = 3;
    int afterPrint = 0;
    plan.report.AfterPrint = [&](TBVReport&) { ++afterPrint; };
    plan.report.Print(&pdf);
    const QStringList pages = pdfPageTexts(pdf.outputFileName());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(first[1])) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(first[2])) << pages[1].toStdString();
    EXPECT_FALSE(pages[1].contains(first[3]));
    EXPECT_EQ(afterPrint, 1);
    EXPECT_TRUE(plan.report.Idle());
}

TEST_F(PrintRun, WholeReportWithoutARange)
{
    LinesReport plan(70);
    plan.report.Print(&pdf);
    const QStringList pages = pdfPageTexts(pdf.outputFileName());
    ASSERT_EQ(pages.size(), 5);
    EXPECT_TRUE(pages[0].contains("Tilgungsplan"));
    EXPECT_TRUE(pages[0].contains("Zeile 1\n"));
    EXPECT_TRUE(pages[4].contains("Zeile 70"));
}

TEST_F(PrintRun, DeviceSettingsComeFromTheReportsSettingsAndPage)
{
    LinesReport plan(3);
    plan.report.Page().setOrientation(TBVOrientation::Landscape);
    plan.report.Page().setPaperSize(TBVPaperSize::Custom);
    plan.report.Page().setNative(TBVPage::Width, 2500);
    plan.report.Page().setNative(TBVPage::Length, 1500.4L);
    plan.report.PrinterSettings.Duplex = true;
    plan.report.PrinterSettings.OutputBin = TBVBin::Cassette;
    plan.report.PrinterSettings.Copies = 2;
    TDeviceMode written;
    plan.report.PrinterSettings.OnApplyPrinterSettings
        = [&](TPrinterSettings&, bool&, TDeviceMode& mode) { written = mode; };
    plan.report.Print(&pdf);
    // Custom paper in landscape: the page's length is the paper's width.
    EXPECT_EQ(written.paperSize, 256);
    EXPECT_EQ(written.paperWidth, 1500);
    EXPECT_EQ(written.paperLength, 2500);
    EXPECT_EQ(written.orientation, 2);
    EXPECT_EQ(written.duplex, 3);
    EXPECT_EQ(written.defaultSource, 14);
    EXPECT_EQ(written.copies, 2);
    EXPECT_EQ(pdf.paperSource(), QPrinter::Cassette);
    EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintRun, PrinterFailureIsReportedAndTheReportIsIdleAgain)
{
    LinesReport plan(3);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("fehlt/druck.pdf")));
    try {
        plan.report.Print(&pdf);
        FAIL() << "no error";
    } catch (const EBVError& error) {
        EXPECT_TRUE(error.message().startsWith("Printing failed: ")) << error.message().toStdString();
    }
    EXPECT_TRUE(plan.report.Idle());
    // The report prints again once the printer works.
    pdf.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
    plan.report.Print(&pdf);
    EXPECT_EQ(pdfPageTexts(pdf.outputFileName()).size(), 1);
}

// The progress window of a print moves page by page, as an export's does.
class RecordedProgress : public TBVRunProgress {
public:
    explicit RecordedProgress(std::vector<int>& percents)
        : m_percents(percents)
    {
    }
    void setPercent(int percent) override { m_percents.push_back(percent); }
    void setCaption(const QString&) override { }

private:
    std::vector<int>& m_percents;
};

TEST_F(PrintRun, TheProgressWindowMovesWithEveryPagePrinted)
{
    LinesReport plan(70);
    std::vector<int> percents;
    plan.report.setProgressFactory([&](TBVReportRun&) { return std::make_unique<RecordedProgress>(percents); });
    plan.report.Print(&pdf, {}, 5);
    EXPECT_EQ(percents, std::vector<int>({ 0, 20, 40, 60, 80 }));

    // Three pages move it at 30 and 65, the steps of 5 below a third and two.
    LinesReport shorter(40);
    ASSERT_EQ(firstLines(shorter.report).size(), 3);
    percents.clear();
    shorter.report.setProgressFactory([&](TBVReportRun&) { return std::make_unique<RecordedProgress>(percents); });
    shorter.report.Print(&pdf, {}, 3);
    EXPECT_EQ(percents, std::vector<int>({ 0, 30, 65 }));
}

TEST_F(PrintRun, ACancelledPrintStillAnnouncesItsEnd)
{
    LinesReport plan(70);
    int afterPrint = 0;
    plan.report.AfterPrint = [&](TBVReport&) { ++afterPrint; };
    plan.report.OnStartPage = [](TBVReport& report) {
        if (report.PageNumber() == 2)
            report.Cancel();
    };
    plan.report.Print(&pdf);
    EXPECT_EQ(afterPrint, 1);
    EXPECT_TRUE(plan.report.Idle());
}

}
