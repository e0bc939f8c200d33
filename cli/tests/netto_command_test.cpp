// fundorix-cli netto: the page "Netto" on the command line. The expected
// texts come from an independent computation of the net rules.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(FUNDORIX_CLI), arguments);
    process.waitForFinished(30000);
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

TEST(CliNetto, DefaultsOfBothPages)
{
    const CliRun run = runCli({ "netto" });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
        "Depotwert=40473,98\nFondskosten=660,83\nSteuernLaufend=0,00\nSteuerVerkauf=3520,31\n"
        "Netto=36953,67\nNettogewinn=20953,67\nKaufkraft=30314,88\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliNetto, EveryOptionTakesEffectAndNumbersTakeCommaOrPoint)
{
    const CliRun run = runCli({ "netto", "--steuer", "kirche9", "--freibetrag", "2000", "--fondsart", "misch",
        "--basiszins", "-0,45", "--kosten=1", "--inflation", "3.0", "--dynamik", "2" });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
        "Depotwert=38738,83\nFondskosten=3231,53\nSteuernLaufend=0,00\nSteuerVerkauf=4030,69\n"
        "Netto=34708,14\nNettogewinn=18138,31\nKaufkraft=25826,12\n");
}

TEST(CliNetto, JsonHoldsTextsOptionsAndYears)
{
    const CliRun run = runCli({ "netto", "--json", "--steuer", "keine", "--kosten", "0" });
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
    // Without tax and costs the net depot is the plan's 41134,80.
    EXPECT_EQ(object.value("Depotwert").toString(), "41134,80");
    EXPECT_EQ(object.value("Netto").toString(), "41134,80");
    EXPECT_EQ(object.value("Kaufkraft").toString(), "33744,86"); // 41134,80 / 1,02^10
    const QJsonObject options = object.value("options").toObject();
    EXPECT_EQ(options.value("steuer").toString(), "keine");
    EXPECT_EQ(options.value("basiszins").toDouble(), 3.2);
    EXPECT_EQ(options.value("teilfreistellung").toDouble(), 0.3);
    const QJsonArray years = object.value("years").toArray();
    ASSERT_EQ(years.size(), 10);
    const QJsonObject first = years.at(0).toObject();
    EXPECT_EQ(first.value("year").toInt(), 1);
    EXPECT_EQ(first.value("Einzahlungen").toDouble(), 600);
    // (10000 + 300) · 1,1 + 600 = 11630, its dividend 1,5 %; the Basisertrag
    // 0,7 · 0,032 · (10000 + 325) = 231,28 less the dividend.
    EXPECT_NEAR(first.value("Dividende").toDouble(), 174.45, 1e-9);
    EXPECT_NEAR(first.value("Depotwert").toDouble(), 11804.45, 1e-9);
    EXPECT_NEAR(first.value("Kaufkraft").toDouble(), 11804.45 / 1.02, 1e-9);
    EXPECT_NEAR(first.value("Vorabpauschale").toDouble(), 56.83, 1e-9);
    EXPECT_EQ(first.value("Steuer").toDouble(), 0);
}

TEST(CliNetto, BadOptionValueIsAUsageErrorNamingTheOption)
{
    const QList<QPair<QStringList, QString>> cases {
        { { "--freibetrag", "-5" }, "option --freibetrag needs a number at least 0, not '-5'" },
        { { "--inflation", "-100" }, "option --inflation needs a number greater than -100, not '-100'" },
        { { "--kosten", "abc" }, "option --kosten needs a number at least 0, not 'abc'" },
        { { "--basiszins", "1.000,5" }, "option --basiszins needs a number, not '1.000,5'" },
        { { "--steuer", "kirche" }, "option --steuer takes keine|abgeltung|kirche8|kirche9, not 'kirche'" },
        { { "--fondsart", "Aktien" },
            "option --fondsart takes aktien|misch|immobilien|immobilien-ausland|ohne, not 'Aktien'" },
        { { "--dynamik" }, "option --dynamik needs a value" },
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(QStringList { "netto" } + c.first);
        EXPECT_EQ(run.exitCode, 2) << c.first.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("fundorix-cli: " + c.second + "\n")) << run.err.toStdString();
    }
}

TEST(CliNetto, HelpListsTheCommand)
{
    const CliRun run = runCli({ "--help" });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("fundorix-cli netto [--json] [--steuer keine|abgeltung|kirche8|kirche9]"))
        << run.out.toStdString();
}

}
