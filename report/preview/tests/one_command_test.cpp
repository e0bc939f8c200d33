#include "export/filter_library.h"
#include "export/pdf/pdf_document_filter.h"
#include "report/engine/report.h"
#include "report/engine/tests/paged_memo_report.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/print_dialog.h"
#include "report/preview/report_preview.h"
#include "report/preview/standard_preview.h"
#include "report/preview/tests/scripted_dialogs.h"
#include "report/store/printer.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

// An older plan the user kept under the name a second save would choose.
const QByteArray keptPlan = "%PDF-1.3 the plan of last year, kept.\r\n";

// A second command asked for while a first one runs: the window's commands
// that start runs or change its page printer are pressed in the middle of
// the first command, and none of them may start.
class OneCommandAtATime : public ::testing::Test {
protected:
    const TBVExportFilterClass pdfFormat = TBVExportFilterClass::of<TBVPDFDocumentFilter>("TBVPDFDocumentFilter");
    PagedMemoReport plan { 3, "Anlageentwicklung", "Entwicklung", "Zeile" };
    ReportPreview preview { plan.report };
    QTemporaryDir dir;
    QPrinter pdf { QPrinter::HighResolution };
    ScriptedDialogs* dialogs = nullptr;
    TBVStandardPreview* first = nullptr;
    int runsStarted = 0;
    int setupDialogs = 0;
    bool armed = false;
    bool pressed = false;
    QStringList enabledDuringCommand;
    QStringList enabledAfterCommand;

    void SetUp() override
    {
        TBVExportFilterLibrary::instance().AddFilterClass(pdfFormat);
        QFile kept(keptFile());
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write(keptPlan);
        kept.close();
        ASSERT_EQ(QFileInfo(keptFile()).size(), 39);

        PagedMemoReport other(20, "Auszahlung", "Auszahlung", "Rate");
        TBVPrinter store;
        other.report.generate(store);
        store.Save(storedFile());

        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath("druck.pdf"));
        preview.setPrinterObject(&pdf);
        preview.setPrintDialogRunner([this](TBVPrintDialog&) {
            ++setupDialogs;
            pressDuringCommand();
            return false;
        });
        plan.report.BeforePrint = [this](TBVReport&, bool&) { ++runsStarted; };
        plan.report.OnStartPage = [this](TBVReport&) { pressDuringCommand(); };
    }

    void TearDown() override { TBVExportFilterLibrary::instance().RemoveFilterClass(pdfFormat); }

    QString keptFile() const { return dir.filePath("alt.pdf"); }
    QString storedFile() const { return dir.filePath("auszahlung.bvp"); }

    // Runs `command` on the first preview window once its pages are made;
    // the window closes afterwards. Later windows close once made.
    void inPreview(const std::function<void(TBVStandardPreview&)>& command)
    {
        preview.setWindowCreated([this, command](TBVStandardPreview& window) {
            const bool isFirst = first == nullptr;
            if (isFirst) {
                first = &window;
                auto owned = std::make_unique<ScriptedDialogs>();
                dialogs = owned.get();
                window.setDialogs(std::move(owned));
            }
            auto* poll = new QTimer(&window);
            QObject::connect(poll, &QTimer::timeout, &window, [this, &window, poll, command, isFirst] {
                if (!plan.report.Idle())
                    return;
                poll->stop();
                if (isFirst) {
                    dialogs->openFile = storedFile();
                    dialogs->saveNames.push_back(keptFile());
                    armed = true;
                    command(window);
                    enabledAfterCommand = enabledCommands(window);
                }
                window.close();
            });
            poll->start(5);
        });
        preview.Preview();
    }

    static QStringList enabledCommands(const TBVStandardPreview& window)
    {
        QStringList enabled;
        for (const char* name : { "PrintSetup", "Print", "SaveReport", "LoadReport" }) {
            if (window.action(QString::fromLatin1(name))->isEnabled())
                enabled << name;
        }
        return enabled;
    }

    // The user presses every command of the first window, once, while the
    // armed command runs; the calls go past the disabled buttons on purpose.
    void pressDuringCommand()
    {
        if (!armed || pressed || !first)
            return;
        pressed = true;
        enabledDuringCommand = enabledCommands(*first);
        first->SaveReportClick();
        first->PrintClick();
        first->PrintSetupClick();
        first->LoadReportClick();
    }

    void expectNothingElseStarted(int runs, int setups)
    {
        EXPECT_TRUE(pressed);
        EXPECT_EQ(runsStarted, runs);
        EXPECT_EQ(setupDialogs, setups);
        EXPECT_EQ(QFileInfo(keptFile()).size(), 39);
        QFile kept(keptFile());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), keptPlan);
        EXPECT_TRUE(dialogs->messages.isEmpty()) << dialogs->messages.join('\n').toStdString();
        // The second save never asked for its name; the load never replaced the pages.
        EXPECT_EQ(dialogs->saveNames.size(), 1u);
        EXPECT_EQ(first->statusPanel(2)->text(), "Anlageentwicklung");
        EXPECT_TRUE(enabledDuringCommand.isEmpty()) << enabledDuringCommand.join(' ').toStdString();
        EXPECT_EQ(enabledAfterCommand, QStringList({ "PrintSetup", "Print", "SaveReport", "LoadReport" }));
        QStringList hidden = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        hidden.removeAll("alt.pdf");
        hidden.removeAll("neu.pdf");
        hidden.removeAll("druck.pdf");
        hidden.removeAll("auszahlung.bvp");
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(' ').toStdString();
    }
};

TEST_F(OneCommandAtATime, DuringAnExportNothingElseStarts)
{
    inPreview([this](TBVStandardPreview& window) {
        dialogs->saveNames.push_front(dir.filePath("neu.pdf"));
        window.SaveReportClick();
    });
    expectNothingElseStarted(2, 0);
    QFile written(dir.filePath("neu.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("(Zeile 3) Tj"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("druck.pdf")));
}

TEST_F(OneCommandAtATime, DuringAPrintNothingElseStarts)
{
    inPreview([](TBVStandardPreview& window) { window.PrintClick(); });
    expectNothingElseStarted(2, 0);
    EXPECT_GT(QFileInfo(dir.filePath("druck.pdf")).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("neu.pdf")));
}

TEST_F(OneCommandAtATime, DuringPrinterSetupNothingElseStarts)
{
    inPreview([](TBVStandardPreview& window) { window.PrintSetupClick(); });
    expectNothingElseStarted(1, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("druck.pdf")));
}

// A second preview of the report generates while the first window is open.
TEST_F(OneCommandAtATime, DuringAnotherPreviewsGenerationNothingElseStarts)
{
    inPreview([this](TBVStandardPreview&) { preview.Preview(); });
    expectNothingElseStarted(2, 0);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("druck.pdf")));
}

TEST(CreateReport, SaysThatItRefusedWhileAnotherRunIsActive)
{
    PagedMemoReport plan(3, "Plan", "Plan", "Zeile");
    TBVPrinter outer;
    TBVPrinter inner;
    bool innerRan = true;
    int innerPages = -1;
    plan.report.OnStartPage = [&](TBVReport& report) {
        if (innerPages >= 0)
            return;
        innerRan = report.generate(inner);
        innerPages = inner.PageCount();
    };
    EXPECT_TRUE(plan.report.generate(outer));
    EXPECT_FALSE(innerRan);
    EXPECT_EQ(innerPages, 0);
    EXPECT_EQ(inner.Status(), TBVPrinterStatus::Idle);
    EXPECT_EQ(outer.PageCount(), 1);
}
}
