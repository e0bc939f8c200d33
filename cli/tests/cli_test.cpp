#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString defaultPlan = QStringLiteral("AnlageWunsch=41134,80\n"
                                           "Kapitaleinsatz=16000,00\n"
                                           "DividenteWiederanlage=3185,45\n"
                                           "ANLAGEGEWINN=25134,80\n"
                                           "AnlageProzent=157,09 %\n"
                                           "AnlageProzentHint=15,71 % ohne Zinses Zins berechnet\n"
                                           "SparenHint=600 im Jahr\n");

TEST(Cli, CalcPrintsTheDefaultPlan)
{
    const CliRun run = runCli({ "calc" });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, defaultPlan);
    EXPECT_EQ(run.err, "");
}

TEST(Cli, CalcReadsASettingsFileWithItsPayments)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("10000\r\n10\r\nj\xE4hrlich\r\n0\r\n0\r\n1\r\n0\r\n1\r\nENDE\r\n7\r\nENDE\r\n1200\r\n");
    file.close();
    const CliRun run = runCli({ "calc", path });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("AnlageWunsch=12260,00\nKapitaleinsatz=11200,00\n")) << run.out.toStdString();
}

// A script that names its settings must not get the default plan's numbers.
TEST(Cli, ANamedSettingsFileThatCannotBeReadIsAFailure)
{
    const QList<QStringList> commands = { { "calc" }, { "solve", "payout" }, { "calc", "--json" } };
    for (QStringList arguments : commands) {
        arguments << "/no/such.ini";
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "fundorix-cli: settings file '/no/such.ini' cannot be read\n");
    }
}

TEST(Cli, CalcJsonHoldsInputsAndYears)
{
    const CliRun run = runCli({ "calc", "--json" });
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(object.value("AnlageWunsch").toString(), "41134,80");
    EXPECT_EQ(object.value("inputs").toObject().value("ComboBox1").toString(), QString::fromUtf8("jährlich"));
    const QJsonArray years = object.value("years").toArray();
    ASSERT_EQ(years.size(), 10);
    EXPECT_EQ(years.at(9).toObject().value("year").toInt(), 10);
    EXPECT_NEAR(years.at(9).toObject().value("Wertentwicklung").toDouble(), 41134.80, 0.005);
}

TEST(Cli, CalcJsonGivesTheLineAsTheChartKeepsItAfterAFailedRun)
{
    // The payment of year 3 has no month, so the final run fails in year 3.
    // With the default inputs no run before it drew a line; with another
    // initial sum the run after line 1 of the file did (with the grid still
    // empty), and its line stays.
    QTemporaryDir dir;
    const QByteArray grid("3\r\nENDE\r\n\r\nENDE\r\n100\r\n");
    const QByteArray rest("10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\n");
    auto years = [&](const QByteArray& firstLine) {
        const QString path = dir.filePath("plan.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(firstLine + "\r\n" + rest + grid);
        file.close();
        const CliRun run = runCli({ "calc", "--json", path });
        EXPECT_EQ(run.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
        EXPECT_EQ(object.value("AnlageWunsch").toString(), "0,00");
        return object.value("years").toArray();
    };
    const QJsonArray none = years("10000");
    ASSERT_EQ(none.size(), 2);
    EXPECT_TRUE(none.at(1).toObject().value("Wertentwicklung").isNull());
    const QJsonArray kept = years("20000");
    ASSERT_EQ(kept.size(), 2);
    EXPECT_NEAR(kept.at(0).toObject().value("Wertentwicklung").toDouble(), 22969.45, 0.005);
}

struct SolveCase {
    QStringList arguments;
    QString firstLines;
};

class CliSolve : public ::testing::TestWithParam<SolveCase> { };

TEST_P(CliSolve, PrintsTheSearchedFieldsFirst)
{
    const CliRun run = runCli(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(GetParam().firstLines)) << run.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Searches, CliSolve,
    ::testing::Values(SolveCase { { "solve", "monthly", "--target", "50000" },
                          "Sparen=90,17\nRendite=10\nAnlageSumme=10000\nSparenHint=1082,09 im Jahr\ntrials=" },
        SolveCase { { "solve", "rate", "--target=50000" }, "Sparen=50\nRendite=12,42\nAnlageSumme=10000\n" },
        SolveCase { { "solve", "payout" }, "Sparen=-561,12\nRendite=10\nAnlageSumme=41134,80\n" }));

TEST(Cli, SolveFailureGoesToStandardError)
{
    const CliRun run = runCli({ "solve", "monthly", "--target", "1.000.000" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, QString::fromUtf8("'1,000.000' ist kein gültiger Gleitkommawert.\n"));
}

QString writePlan(const QTemporaryDir& dir, const QByteArray& lines)
{
    const QString path = dir.filePath("plan.ini");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(lines);
    return path;
}

TEST(Cli, SearchOfHalfAMillionTrialsSucceeds)
{
    QTemporaryDir dir;
    const QString path = writePlan(dir, "10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n100\r\n0\r\nENDE\r\nENDE\r\n");
    const CliRun run = runCli({ "solve", "monthly", "--target", "5000000000", path });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Sparen=654,66\nRendite=10\nAnlageSumme=10000\nSparenHint=7855,86 im Jahr\n"
                                   "trials=500066\nAnlageWunsch=5000031023,10\n"))
        << run.out.toStdString();
}

TEST(Cli, SearchThatGivesUpPrintsTheFieldFromBefore)
{
    QTemporaryDir dir;
    const QString path = writePlan(dir, "10000\r\n10\r\nxyz\r\n50\r\n1,5\r\n10\r\n0\r\nENDE\r\nENDE\r\n");
    const CliRun run = runCli({ "solve", "monthly", "--target", "50000", path });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QString::fromUtf8("Der gewünschte Wert kann mit diesen Eingaben nicht erreicht werden.\n"));
    EXPECT_TRUE(run.out.startsWith("Sparen=50\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\nAnlageWunsch=11605,41\n")) << run.out.toStdString();
}

TEST(Cli, WrongUsageExitsWithTwo)
{
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({ "rechne" }).exitCode, 2);
    EXPECT_EQ(runCli({ "solve", "monthly" }).exitCode, 2);
    EXPECT_EQ(runCli({ "calc", "--bogus" }).exitCode, 2);
    EXPECT_EQ(runCli({ "calc", "a.ini", "b.ini" }).exitCode, 2);
    EXPECT_EQ(runCli({ "--help" }).exitCode, 0);
    EXPECT_EQ(runCli({ "--version" }).out, "fundorix-cli 2.0\n");
}

}
