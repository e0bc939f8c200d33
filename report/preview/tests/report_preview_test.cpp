#include "export/document_writer.h"
#include "export/export_file.h"
#include "export/filter.h"
#include "export/filter_library.h"
#include "export/html/html_document_filter.h"
#include "export/pdf/pdf_document_filter.h"
#include "export/rtf/rtf_export_filter.h"
#include "export/xls/xls_filter.h"
#include "report/engine/report.h"
#include "report/engine/tests/paged_memo_report.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/progress_form.h"
#include "report/preview/report_preview.h"
#include "report/preview/standard_preview.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A report of a heading and a memo that continues over as many pages as
// its lines need.
struct MemoReport : PagedMemoReport {
    explicit MemoReport(int lines)
        : PagedMemoReport(lines, "Anlageentwicklung", "Entwicklung", "Zeile")
    {
    }
};

// Runs `step` on the preview window once the report has been generated.
void onceGenerated(ReportPreview& preview, const TBVReport& report, std::function<void(TBVStandardPreview&)> step)
{
    preview.setWindowCreated([&report, step](TBVStandardPreview& window) {
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [&report, &window, poll, step] {
            if (!report.Idle())
                return;
            poll->stop();
            step(window);
        });
        poll->start(5);
    });
}

class CountingFilter : public TBVExportFilter {
public:
    CountingFilter()
        : TBVExportFilter("counted.txt")
    {
    }
    void BeginPage() override { ++pages; }
    void ExportText(
        const TBVReportPoint&, const TBVExportFont&, const QColor&, TBVExportAlignment, const QString& text) override
    {
        texts << text;
    }
    int pages = 0;
    QStringList texts;
};

TEST(ReportPreview, ShowsTheGeneratedPagesAndReturnsWhenTheWindowCloses)
{
    MemoReport plan(300);
    ReportPreview preview(plan.report);
    int pagesSeen = 0;
    QString caption;
    QString status;
    bool pictureShown = false;
    onceGenerated(preview, plan.report, [&](TBVStandardPreview& window) {
        pagesSeen = preview.printer()->PageCount();
        caption = window.windowTitle();
        status = window.statusPanel(1)->text();
        pictureShown = window.preview()->hasPagePicture();
        window.close();
    });
    preview.Preview();

    EXPECT_GT(pagesSeen, 1);
    EXPECT_EQ(caption, "Report Preview : Anlageentwicklung");
    EXPECT_EQ(status, QString("Page 1 of %1").arg(pagesSeen));
    EXPECT_TRUE(pictureShown);
    // The page printer goes with its window.
    EXPECT_EQ(preview.printer(), nullptr);
    EXPECT_TRUE(plan.report.Idle());
}

TEST(ReportPreview, ExportFromTheWindowGeneratesAgainWithoutTouchingThePagesOnShow)
{
    MemoReport plan(300);
    ReportPreview preview(plan.report);
    CountingFilter filter;
    int pagesBefore = 0;
    int pagesAfter = 0;
    onceGenerated(preview, plan.report, [&](TBVStandardPreview& window) {
        pagesBefore = preview.printer()->PageCount();
        preview.ExportToFilter(filter);
        pagesAfter = preview.printer()->PageCount();
        window.close();
    });
    preview.Preview();

    EXPECT_EQ(filter.pages, pagesBefore);
    EXPECT_EQ(pagesAfter, pagesBefore);
    EXPECT_TRUE(filter.texts.contains("Zeile 300"));
}

// Presses "Cancel" in the progress window when the second page begins, and
// writes its file at the end as a format would.
class CancellingFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;
    void BeginPage() override
    {
        if (++pages != 2)
            return;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<TBVProgressForm*>(widget); form && form->isVisible()) {
                caption = form->windowTitle();
                form->cancelButton()->click();
            }
        }
    }
    void EndExport() override
    {
        TDocumentWriter(TDocumentEncoding::Ascii).write({ QStringLiteral("half a report") }, OutputFileName());
        TBVExportFilter::EndExport();
    }
    int pages = 0;
    QString caption;
};

TEST(ReportPreview, CancelInTheProgressWindowLeavesNoFile)
{
    MemoReport plan(300);
    ReportPreview preview(plan.report);
    QTemporaryDir dir;
    bool written = true;
    QString caption;
    onceGenerated(preview, plan.report, [&](TBVStandardPreview& window) {
        written = exportToFile(TBVExportFilterClass::of<CancellingFilter>("CancellingFilter"), dir.filePath("plan.txt"),
            [&](TBVExportFilter& filter) {
                const bool completed = preview.ExportToFilter(filter);
                caption = static_cast<CancellingFilter&>(filter).caption;
                return completed;
            });
        window.close();
    });
    preview.Preview();

    EXPECT_EQ(caption, "Exporting Progress");
    EXPECT_FALSE(written);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Answers the save dialog with the given file name and filter entry.
class SaveAnswers : public QtPreviewDialogs {
public:
    explicit SaveAnswers(std::vector<SaveAnswer> answers)
        : m_answers(std::move(answers))
    {
    }
    std::optional<SaveAnswer> askSaveFile(QWidget*, const QString&, const QString&, const QStringList&) override
    {
        if (m_answers.empty())
            return std::nullopt;
        const SaveAnswer answer = m_answers.front();
        m_answers.erase(m_answers.begin());
        return answer;
    }
    void showError(QWidget*, const QString& text) override { errors << text; }
    QStringList errors;

private:
    std::vector<SaveAnswer> m_answers;
};

TEST(ReportPreview, SavingAsPdfWritesTheRegeneratedReport)
{
    const auto pdf = TBVExportFilterClass::of<TBVPDFDocumentFilter>("TBVPDFDocumentFilter");
    TBVExportFilterLibrary::instance().AddFilterClass(pdf);
    MemoReport plan(300);
    ReportPreview preview(plan.report);
    QTemporaryDir dir;
    QStringList errors;
    int pages = 0;
    onceGenerated(preview, plan.report, [&](TBVStandardPreview& window) {
        pages = preview.printer()->PageCount();
        // A typed .pdf in any letter case, and a bare name with the PDF entry of the dialog.
        auto dialogs = std::make_unique<SaveAnswers>(std::vector<PreviewDialogs::SaveAnswer> {
            { dir.filePath("plan.Pdf"), 1 }, { dir.filePath("zweiter"), 3 } });
        SaveAnswers* answers = dialogs.get();
        window.setDialogs(std::move(dialogs));
        window.action("SaveReport")->trigger();
        window.action("SaveReport")->trigger();
        errors = answers->errors;
        window.close();
    });
    preview.Preview();
    TBVExportFilterLibrary::instance().RemoveFilterClass(pdf);

    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    for (const char* name : { "plan.Pdf", "zweiter.PDF" }) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF-1.3\r\n")) << name;
        EXPECT_TRUE(bytes.contains(QByteArray("/Count ") + QByteArray::number(pages) + "\r\n")) << name;
        EXPECT_TRUE(bytes.contains("(Zeile 300) Tj")) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// Saving from the window in the three text formats, by typed names and by a
// bare name with the dialog's entry: each file is written complete under its
// name, with the last memo line of the last page.
TEST(ReportPreview, SavingAsSpreadsheetHtmlAndRtfWritesEachFile)
{
    const std::vector<TBVExportFilterClass> formats { TBVExportFilterClass::of<TBVXLSFilter>("TBVXLSFilter"),
        TBVExportFilterClass::of<TBVGHTMLDocumentFilter>("TBVGHTMLDocumentFilter"),
        TBVExportFilterClass::of<TBVRTFExportFilter>("TBVRTFExportFilter") };
    for (const TBVExportFilterClass& format : formats)
        TBVExportFilterLibrary::instance().AddFilterClass(format);
    MemoReport plan(300);
    ReportPreview preview(plan.report);
    QTemporaryDir dir;
    QStringList errors;
    onceGenerated(preview, plan.report, [&](TBVStandardPreview& window) {
        // Dialog entries: 3 the spreadsheet, 4 HTML, 5 RTF.
        auto dialogs = std::make_unique<SaveAnswers>(std::vector<PreviewDialogs::SaveAnswer> {
            { dir.filePath("plan.xls"), 1 }, { dir.filePath("plan"), 4 }, { dir.filePath("plan.rtf"), 1 } });
        SaveAnswers* answers = dialogs.get();
        window.setDialogs(std::move(dialogs));
        for (int save = 0; save < 3; ++save)
            window.action("SaveReport")->trigger();
        errors = answers->errors;
        window.close();
    });
    preview.Preview();
    for (const TBVExportFilterClass& format : formats)
        TBVExportFilterLibrary::instance().RemoveFilterClass(format);

    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    for (const auto& [name, lastLine] : std::vector<std::pair<QString, QByteArray>> {
             { "plan.xls", "Zeile 300" }, { "plan.HTM", "Zeile&nbsp;300" }, { "plan.rtf", " Zeile 300{" } }) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(file.readAll().contains(lastLine)) << name.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(ReportPreview, RefusedRunStillEndsInTheWindowAndReturnsOnClose)
{
    MemoReport plan(3);
    plan.report.BeforePrint = [](TBVReport&, bool& printReport) { printReport = false; };
    ReportPreview preview(plan.report);
    int pages = -1;
    onceGenerated(preview, plan.report, [&](TBVStandardPreview& window) {
        pages = preview.printer()->PageCount();
        window.close();
    });
    preview.Preview();
    EXPECT_EQ(pages, 0);
    EXPECT_EQ(preview.printer(), nullptr);
}

TEST(ReportPreview, APreviewAskedForWhileTheReportGeneratesDoesNothing)
{
    MemoReport plan(3);
    ReportPreview preview(plan.report);
    int windowsMade = 0;
    plan.report.BeforePrint = [&](TBVReport&, bool&) { preview.Preview(); };
    preview.setWindowCreated([&](TBVStandardPreview& window) {
        ++windowsMade;
        QTimer::singleShot(0, &window, &QWidget::close);
    });
    preview.Preview();
    EXPECT_EQ(windowsMade, 1);
}

TEST(ReportPreview, WindowClosedBeforeThePagesBeginCancelsTheRun)
{
    MemoReport plan(3);
    ReportPreview preview(plan.report);
    TBVStandardPreview* shown = nullptr;
    preview.setWindowCreated([&](TBVStandardPreview& window) { shown = &window; });
    bool cancelled = false;
    plan.report.BeforePrint = [&](TBVReport& report, bool&) {
        shown->close();
        cancelled = report.activeRun()->cancelRequested();
    };
    preview.Preview();
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(preview.printer(), nullptr);
}

TEST(ReportPreview, ALoadedFileSetsTheReportsPageButNotACustomSize)
{
    MemoReport plan(3);
    ReportPreview preview(plan.report);
    preview.ApplyLoadedPageSetup(TBVOrientation::Landscape, static_cast<int>(TBVPaperSize::A5));
    EXPECT_EQ(plan.report.Page().Orientation(), TBVOrientation::Landscape);
    EXPECT_EQ(plan.report.Page().PaperSize(), TBVPaperSize::A5);
    preview.ApplyLoadedPageSetup(TBVOrientation::Portrait, static_cast<int>(TBVPaperSize::Custom));
    preview.ApplyLoadedPageSetup(TBVOrientation::Portrait, 4711);
    EXPECT_EQ(plan.report.Page().PaperSize(), TBVPaperSize::A5);
}

}

namespace {

// The page stream may keep only 1000 bytes in memory and cannot make its
// temporary file: storing the report's one page at the end fails.
TEST(ReportPreview, APageStoreThatCannotBeWrittenFailsTheRunAndTheWindowStillCloses)
{
    MemoReport plan(3);
    plan.report.PrinterSettings.MemoryLimit = 1000;
    ReportPreview preview(plan.report);
    QPointer<TBVStandardPreview> shown;
    preview.setWindowCreated([&](TBVStandardPreview& window) { shown = &window; });
    // A file where the temporary folder should be.
    QTemporaryDir dir;
    QFile notAFolder(dir.filePath("not-a-folder"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
    QString failure;
    try {
        preview.Preview();
    } catch (const EBVError& error) {
        failure = error.message();
    }
    qputenv("TMPDIR", savedTemp);

    EXPECT_EQ(failure, "Cannot create the temporary page file");
    ASSERT_TRUE(shown);
    EXPECT_TRUE(plan.report.Idle());
    EXPECT_TRUE(shown->action("SaveReport")->isEnabled());
    EXPECT_TRUE(shown->close());
    QApplication::processEvents();
    EXPECT_EQ(preview.printer(), nullptr);
}

}
