#include "pdf_text.h"
#include "report/store/bv_error.h"
#include "report/store/print_failure.h"
#include "report/store/printer.h"
#include "sample_report.h"
#include "scripted_printers.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StoredPagesPrint : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QPrinter pdf { QPrinter::HighResolution };
    TBVPrinter printer;

    void SetUp() override
    {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath(QStringLiteral("druck.pdf")));
        printer.SetPlatformPrinter(&pdf);
    }

    // A stored report file of five pages, loaded as the preview loads one.
    void loadFivePages()
    {
        TBVPrinter writer;
        makeSampleJob(writer, 5);
        writer.Save(dir.filePath(QStringLiteral("plan.bvp")));
        printer.Load(dir.filePath(QStringLiteral("plan.bvp")));
    }
};

TEST_F(StoredPagesPrint, LoadedFilePrintsItsStoredPagesInRange)
{
    loadFivePages();
    printer.PrinterSettings().firstPage = 2;
    printer.PrinterSettings().lastPage = 3;
    std::vector<int> progress;
    int afterPrint = 0;
    QObject::connect(&printer, &TBVPrinter::progress, [&](int percent) { progress.push_back(percent); });
    QObject::connect(&printer, &TBVPrinter::afterPrint, [&] { ++afterPrint; });
    printer.PrintStoredPages();
    const QStringList pages = pdfPageTexts(pdf.outputFileName());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Anlageentwicklung Seite 2"));
    EXPECT_TRUE(pages[1].contains("Anlageentwicklung Seite 3"));
    EXPECT_EQ(progress, (std::vector<int> { 50, 100 }));
    EXPECT_EQ(afterPrint, 1);
}

TEST_F(StoredPagesPrint, WholeFileWhenNoRangeIsSetAndLastPageBeyondTheFileIsCut)
{
    loadFivePages();
    printer.PrinterSettings().lastPage = 9;
    printer.PrintStoredPages();
    EXPECT_EQ(pdfPageTexts(pdf.outputFileName()).size(), 5);
}

TEST_F(StoredPagesPrint, RangeBeyondTheFilePrintsNoSheetButStillEndsThePrint)
{
    loadFivePages();
    printer.PrinterSettings().firstPage = 7;
    int afterPrint = 0;
    QObject::connect(&printer, &TBVPrinter::afterPrint, [&] { ++afterPrint; });
    printer.PrintStoredPages();
    EXPECT_FALSE(QFile::exists(pdf.outputFileName()));
    EXPECT_EQ(afterPrint, 1);
}

TEST_F(StoredPagesPrint, CancelStopsAfterThePageBeingPrinted)
{
    loadFivePages();
    printer.PrintStoredPages([this] { printer.Cancel(); });
    EXPECT_LE(pdfPageTexts(pdf.outputFileName()).size(), 1);
}

TEST_F(StoredPagesPrint, PrinterThatCannotStartReportsTheSystemsReason)
{
    loadFivePages();
    pdf.setOutputFileName(dir.filePath(QStringLiteral("fehlt/druck.pdf")));
    int afterPrint = 0;
    QObject::connect(&printer, &TBVPrinter::afterPrint, [&] { ++afterPrint; });
    try {
        printer.PrintStoredPages();
        FAIL() << "no error";
    } catch (const EBVError& error) {
        EXPECT_TRUE(error.message().startsWith("Printing failed: ")) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("fehlt/druck.pdf")) << error.message().toStdString();
    }
    EXPECT_EQ(afterPrint, 0);
}

// Finding out why a print to a file failed must not leave a file behind.
TEST(PrintFailure, NamesTheFilesReasonWithoutMakingTheFile)
{
    QTemporaryDir dir;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("druck.pdf"));
    EXPECT_EQ(printFailure(pdf).message(), "Printing failed: the printing system reported an error");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("druck.pdf")));

    pdf.setOutputFileName(dir.filePath("fehlt/druck.pdf"));
    EXPECT_EQ(printFailure(pdf).message(),
        QString("Printing failed: %1: No such file or directory").arg(dir.filePath("fehlt/druck.pdf")));
}

// Without a printer object of its own making, the page printer takes the
// system's default printer, or the one chosen by its place in the list.
TEST(InstalledPrinters, StoredPagesGoToTheDefaultPrinterOrTheChosenOne)
{
    QTemporaryDir dir;
    const ScriptedPrinters printers({ "Buero", "Keller" }, "Keller", dir.path());
    TBVPrinter printer;
    makeSampleJob(printer, 2);
    EXPECT_TRUE(printer.PrintersAvailable());
    printer.PrintStoredPages();
    EXPECT_EQ(printer.PrinterIndex(), 1);
    EXPECT_EQ(pdfPageTexts(printers.outputOf("Keller")).size(), 2);

    printer.SelectPrinter(0);
    printer.PrintStoredPages();
    const QStringList pages = pdfPageTexts(printers.outputOf("Buero"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains("Anlageentwicklung Seite 2"));
}

TEST(NoPrinter, PrintingStoredPagesSaysSoAndThePagesStay)
{
    const ScriptedPrinters none;
    TBVPrinter printer;
    makeSampleJob(printer, 2);
    EXPECT_FALSE(printer.PrintersAvailable());
    try {
        printer.PrintStoredPages();
        FAIL() << "no error";
    } catch (const EBVError& error) {
        EXPECT_EQ(error.message(), "No printer is installed");
    }
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_TRUE(printer.GetPage(2));
}

}
