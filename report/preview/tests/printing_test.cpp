#include "pdf_text.h"
#include "report/engine/report.h"
#include "report/engine/tests/paged_memo_report.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/print_dialog.h"
#include "report/preview/printer_setup.h"
#include "report/preview/report_preview.h"
#include "report/preview/standard_preview.h"
#include "report/preview/tests/scripted_dialogs.h"
#include "report/preview/thumb_grid.h"
#include "report/store/printer.h"
#include "report/store/tests/scripted_printers.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A report whose memo of lines "<word> n" continues over several pages.
struct PagedReport : PagedMemoReport {
    PagedReport(int lines, const QString& word)
        : PagedMemoReport(lines, "Sparplan", "Sparplan", word)
    {
    }
};

// What the user does in the system's print dialog, one answer per dialog:
// a page range, or all pages (the numbers Qt then reports are 0).
struct DialogAnswer {
    bool ok = true;
    int from = 0;
    int to = 0;
    int copies = 1;
    int sourceCode = 7;
};

class PreviewPrinting : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QPrinter pdf { QPrinter::HighResolution };
    std::deque<DialogAnswer> answers;
    std::vector<TBVPrintDialog> shownDialogs;
    ScriptedDialogs* dialogs = nullptr;

    void SetUp() override { pdf.setOutputFormat(QPrinter::PdfFormat); }

    QString printTo(const QString& name)
    {
        const QString path = dir.filePath(name);
        pdf.setOutputFileName(path);
        return path;
    }

    // Shows the report's preview and runs `steps` on its window once the
    // pages are made; the window closes afterwards.
    void inPreview(TBVReport& report, const std::function<void(TBVStandardPreview&)>& steps)
    {
        ReportPreview preview(report);
        preview.setPrinterObject(&pdf);
        preview.setPrintDialogRunner([this](TBVPrintDialog& dialog) { return answer(dialog); });
        preview.setWindowCreated([&](TBVStandardPreview& window) {
            auto owned = std::make_unique<ScriptedDialogs>();
            dialogs = owned.get();
            window.setDialogs(std::move(owned));
            auto* poll = new QTimer(&window);
            QObject::connect(poll, &QTimer::timeout, &window, [&report, &window, poll, steps] {
                if (!report.Idle())
                    return;
                poll->stop();
                steps(window);
                window.close();
            });
            poll->start(5);
        });
        preview.Preview();
    }

    bool answer(TBVPrintDialog& dialog)
    {
        shownDialogs.push_back(dialog);
        const DialogAnswer next = answers.front();
        answers.pop_front();
        if (!next.ok)
            return false;
        dialog.PrintRange = next.from > 0 ? TBVPrintRange::prPageNums : TBVPrintRange::prAllPages;
        dialog.FromPage = next.from;
        dialog.ToPage = next.to;
        dialog.Copies = next.copies;
        dialog.OutputBin = next.sourceCode;
        return true;
    }
};

TEST_F(PreviewPrinting, SetupRangeFourToSixThenAllPagesAgain)
{
    PagedReport plan(70, "Rate");
    answers = { { true, 4, 6 }, { true, 0, 0 } };
    QStringList ranged;
    QStringList all;
    inPreview(plan.report, [&](TBVStandardPreview& window) {
        window.PrintSetupClick();
        const QString rangedPath = printTo("ranged.pdf");
        window.PrintClick();
        ranged = pdfPageTexts(rangedPath);
        window.PrintSetupClick();
        const QString allPath = printTo("all.pdf");
        window.PrintClick();
        all = pdfPageTexts(allPath);
    });
    ASSERT_EQ(shownDialogs.size(), 2u);
    EXPECT_EQ(shownDialogs[0].MinPage, 1);
    EXPECT_EQ(shownDialogs[0].MaxPage, 5);
    EXPECT_EQ(shownDialogs[0].FromPage, 1);
    EXPECT_EQ(shownDialogs[0].ToPage, 5);
    EXPECT_TRUE(shownDialogs[0].hasOption(TBVPrintDialogOption::poPageNums));
    EXPECT_FALSE(shownDialogs[0].hasOption(TBVPrintDialogOption::poPrintToFile));
    EXPECT_EQ(plan.report.Tag, 0);
    // The report has five pages: 4 to 6 prints 4 and 5.
    ASSERT_EQ(ranged.size(), 2);
    EXPECT_FALSE(ranged[0].contains("Sparplan"));
    EXPECT_TRUE(ranged[1].contains("Rate 70")) << ranged[1].toStdString();
    ASSERT_EQ(all.size(), 5);
    EXPECT_TRUE(all[0].contains("Sparplan"));
    EXPECT_EQ(plan.report.PrinterSettings.FirstPage, 0);
    EXPECT_EQ(plan.report.PrinterSettings.LastPage, 0);
}

TEST_F(PreviewPrinting, CancelledSetupChangesNothingButTheTag)
{
    PagedReport plan(3, "Rate");
    answers = { { true, 1, 1, 3, 14 }, { false } };
    TBVReportPrinterSettings afterOk;
    TBVSetupPrinterSettings secondAfterOk;
    inPreview(plan.report, [&](TBVStandardPreview& window) {
        window.PrintSetupClick();
        afterOk = plan.report.PrinterSettings;
        secondAfterOk = plan.report.SetupPrinterSettings;
        window.PrintSetupClick();
    });
    EXPECT_EQ(plan.report.Tag, 1);
    EXPECT_EQ(afterOk.Copies, 3);
    EXPECT_TRUE(afterOk.UseCustomBinCode);
    EXPECT_EQ(afterOk.CustomBinCode, 14);
    // The second set keeps what the OK dialog returned.
    EXPECT_EQ(plan.report.SetupPrinterSettings.Copies, 3);
    EXPECT_EQ(plan.report.SetupPrinterSettings.OutputBin, TBVBin::Cassette);
    EXPECT_EQ(plan.report.SetupPrinterSettings.CustomBinCode, 14);
    EXPECT_EQ(plan.report.PrinterSettings.Copies, afterOk.Copies);
    EXPECT_EQ(plan.report.PrinterSettings.FirstPage, 1);
    // The cancelled dialog was offered the report's copies.
    EXPECT_EQ(shownDialogs.at(1).Copies, 3);
}

TEST_F(PreviewPrinting, LoadedStoredReportPrintsItsStoredPages)
{
    PagedReport other(20, "Auszahlung");
    TBVPrinter store;
    other.report.generate(store);
    const QString stored = dir.filePath("auszahlung.bvp");
    store.Save(stored);

    PagedReport plan(3, "Rate");
    QStringList printed;
    inPreview(plan.report, [&](TBVStandardPreview& window) {
        dialogs->openFile = stored;
        window.LoadReportClick();
        const QString path = printTo("geladen.pdf");
        window.PrintClick();
        printed = pdfPageTexts(path);
    });
    ASSERT_EQ(printed.size(), store.PageCount());
    EXPECT_TRUE(printed[0].contains("Auszahlung 1"));
    EXPECT_FALSE(printed.join("").contains("Rate 1"));
}

TEST_F(PreviewPrinting, PrinterFailureIsShownWithItsReasonAndThePagesStay)
{
    PagedReport plan(3, "Rate");
    int pagesAfter = 0;
    inPreview(plan.report, [&](TBVStandardPreview& window) {
        printTo("fehlt/druck.pdf");
        window.PrintClick();
        pagesAfter = window.thumbGrid()->count();
    });
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].startsWith("Printing failed: ")) << dialogs->messages[0].toStdString();
    EXPECT_TRUE(dialogs->messages[0].contains("fehlt/druck.pdf"));
    EXPECT_EQ(pagesAfter, 1);
    EXPECT_TRUE(plan.report.Idle());
}

TEST(PrinterSetupChoices, SourceCodesBelowThirteenNameABinLargerOnesAreCustom)
{
    PagedReport plan(3, "Rate");
    TBVPrinter shown;
    TBVPrintDialog dialog;
    dialog.OutputBin = 2;
    dialog.DuplexCode = 2;
    dialog.Duplex = true;
    dialog.PrintRange = TBVPrintRange::prPageNums;
    dialog.FromPage = 2;
    dialog.ToPage = 3;
    applySetupChoices(plan.report, dialog, shown, false);
    EXPECT_EQ(shown.PrinterSettings().outputBin, TBVBin::Lower);
    EXPECT_FALSE(shown.PrinterSettings().useCustomBinCode);
    EXPECT_EQ(shown.PrinterSettings().extendedDuplex, 2);
    EXPECT_EQ(shown.PrinterSettings().firstPage, 2);
    EXPECT_EQ(plan.report.PrinterSettings.ExtendedDuplex, 2);
    EXPECT_EQ(plan.report.PrinterSettings.OutputBin, TBVBin::Lower);

    dialog.OutputBin = 259;
    applySetupChoices(plan.report, dialog, shown, false);
    EXPECT_TRUE(shown.PrinterSettings().useCustomBinCode);
    EXPECT_EQ(shown.PrinterSettings().customBinCode, 259);
    // No bin has that code: the second set keeps the report's bin.
    EXPECT_EQ(plan.report.SetupPrinterSettings.OutputBin, TBVBin::Lower);
}

TEST(PrinterSetupChoices, LoadedFileKeepsTheReportsOwnSettingsButTheRange)
{
    PagedReport plan(3, "Rate");
    plan.report.PrinterSettings.OutputBin = TBVBin::Manual;
    TBVPrinter shown;
    TBVPrintDialog dialog;
    dialog.Copies = 2;
    dialog.OutputBin = 14;
    dialog.Orientation = 2;
    dialog.PrintRange = TBVPrintRange::prPageNums;
    dialog.FromPage = 2;
    dialog.ToPage = 2;
    applySetupChoices(plan.report, dialog, shown, true);
    EXPECT_EQ(plan.report.PrinterSettings.Copies, 2);
    EXPECT_EQ(plan.report.PrinterSettings.FirstPage, 2);
    EXPECT_EQ(plan.report.PrinterSettings.OutputBin, TBVBin::Manual);
    EXPECT_FALSE(plan.report.PrinterSettings.UseCustomBinCode);
    EXPECT_EQ(plan.report.Page().Orientation(), TBVOrientation::Landscape);
    EXPECT_EQ(shown.PrinterSettings().customBinCode, 14);
}

TEST(PrinterSetupChoices, DialogOfAnUnfinishedReportAllowsAnyPage)
{
    PagedReport plan(3, "Rate");
    plan.report.PrinterSettings.Copies = 4;
    TBVPrinter shown;
    TBVPrintDialog dialog;
    prepareSetupDialog(dialog, plan.report, shown);
    EXPECT_EQ(dialog.MinPage, 0);
    EXPECT_EQ(dialog.MaxPage, 9999);
    EXPECT_EQ(dialog.Copies, 4);
    EXPECT_TRUE(dialog.hasOption(TBVPrintDialogOption::poWarning));
}

TEST(PrintDialogPlace, CentredAcrossWithTheTopAtAThirdOfTheRest)
{
    EXPECT_EQ(printDialogPosition(QSize(1920, 1080), QSize(600, 450)), QPoint(660, 210));
    EXPECT_EQ(printDialogPosition(QSize(800, 600), QSize(801, 600)), QPoint(0, 0));
}

TEST(NoPrinterInstalled, BothButtonsSaySoAndDoNothingElse)
{
    const ScriptedPrinters none;
    PagedReport plan(3, "Rate");
    ReportPreview preview(plan.report);
    int dialogsRun = 0;
    preview.setPrintDialogRunner([&](TBVPrintDialog&) { return ++dialogsRun > 0; });
    QStringList messages;
    preview.setWindowCreated([&](TBVStandardPreview& window) {
        auto owned = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs* scripted = owned.get();
        window.setDialogs(std::move(owned));
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [&, scripted, poll] {
            if (!plan.report.Idle())
                return;
            poll->stop();
            window.PrintSetupClick();
            window.PrintClick();
            messages = scripted->messages;
            window.close();
        });
        poll->start(5);
    });
    preview.Preview();
    EXPECT_EQ(messages, QStringList({ "No printer is installed", "No printer is installed" }));
    EXPECT_EQ(dialogsRun, 0);
    EXPECT_EQ(plan.report.Tag, 0);
}

}
