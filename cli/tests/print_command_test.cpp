#include "command.h"
#include "pdf_text.h"
#include "report/store/tests/scripted_printers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int exitCode = -1;
    QString out;
    QString failure; // the message of a failure, which the tool writes to standard error
};

// Runs a command of the tool in this process, against the printers the test installed.
CommandRun runCommand(const QStringList& arguments)
{
    const CliCommand* command = CommandRegistry::find(arguments.first());
    if (!command) {
        ADD_FAILURE() << "no command " << arguments.first().toStdString();
        return {};
    }
    CommandRun run;
    testing::internal::CaptureStdout();
    try {
        run.exitCode = command->run(arguments.mid(1));
    } catch (const CliFailure& failure) {
        run.exitCode = exitFailure;
        run.failure = QString::fromUtf8(failure.what());
    }
    run.out = QString::fromStdString(testing::internal::GetCapturedStdout());
    return run;
}

class PrintCommands : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

TEST_F(PrintCommands, PrintersListsEveryPrinterAndMarksTheDefault)
{
    const ScriptedPrinters printers({ "Buero", "Keller" }, "Keller", dir.path());
    const CommandRun run = runCommand({ "printers" });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Buero\nKeller default\n");
}

TEST_F(PrintCommands, PrintersWithoutAnyPrinterListsNothing)
{
    const ScriptedPrinters none;
    const CommandRun run = runCommand({ "printers" });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(PrintCommands, PrintGoesToTheDefaultPrinterOrTheNamedOne)
{
    const ScriptedPrinters printers({ "Buero", "Keller" }, "Keller", dir.path());
    EXPECT_EQ(runCommand({ "print", "anlage" }).exitCode, 0);
    const QStringList pages = pdfPageTexts(printers.outputOf("Keller"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("41134,80")) << pages[0].toStdString();

    EXPECT_EQ(runCommand({ "print", "darlehen", "--printer", "Buero" }).exitCode, 0);
    EXPECT_EQ(pdfPageTexts(printers.outputOf("Buero")).size(), 1);
}

TEST_F(PrintCommands, PrintWithoutPrinterOrWithAnUnknownOneFails)
{
    {
        const ScriptedPrinters none;
        const CommandRun run = runCommand({ "print", "anlage" });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.failure, "No printer is installed");
    }
    const ScriptedPrinters printers({ "Buero" }, "Buero", dir.path());
    const CommandRun run = runCommand({ "print", "anlage", "--printer", "Drucker3" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.failure, "unknown printer 'Drucker3'; fundorix-cli printers lists the printers");
    EXPECT_FALSE(QFileInfo::exists(printers.outputOf("Buero")));
}

}
