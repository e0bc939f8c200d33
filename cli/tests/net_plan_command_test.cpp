// The year table of the net view on the command line: `netto --csv` and the
// printed net plan of `report netto`, checked against the years of
// `netto --json` rounded here to cents on their own.
#include "report/emf/emf_player.h"
#include "report/store/printer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FUNDORIX_CLI), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError()) };
}

// Cents rounded half to even (the default rounding mode), decimal comma.
QString cents(double value)
{
    const double rounded = std::nearbyint(value * 100) / 100;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2).replace('.', ',');
}

const char* const yearKeys[] = { "Einzahlungen", "Dividende", "Vorabpauschale", "Steuer", "Depotwert", "Kaufkraft" };

// Each year of `netto --json` as the cells of a table row.
QList<QStringList> jsonRows(const QStringList& options)
{
    const CliRun run = runCli(QStringList { "netto", "--json" } + options);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QList<QStringList> rows;
    for (const QJsonValue& value : QJsonDocument::fromJson(run.out).object().value("years").toArray()) {
        const QJsonObject year = value.toObject();
        QStringList row { QString::number(year.value("year").toInt()) };
        for (const char* key : yearKeys)
            row << cents(year.value(key).toDouble());
        rows << row;
    }
    return rows;
}

class NetPlanCommands : public ::testing::Test {
protected:
    QTemporaryDir dir;

    // The default plan over the given years, as the program writes its settings file.
    QString settings(int years)
    {
        const QString path = dir.filePath(QStringLiteral("plan.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n" + QByteArray::number(years) + "\r\n0\r\nENDE\r\nENDE\r\n");
        return path;
    }
};

TEST_F(NetPlanCommands, CsvHoldsTheHeadingAndTheJsonYearsInTheAmountFormat)
{
    const QStringList options { "--steuer", "kirche8", "--freibetrag", "0", "--dynamik", "3", settings(30) };
    const CliRun run = runCli(QStringList { "netto", "--csv" } + options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(run.out.endsWith("\r\n"));
    const QList<QByteArray> lines = run.out.chopped(2).split('\n');
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(lines.at(0), "Jahr;Einzahlungen;Dividende;Vorabpauschale;Steuer;Depotwert;Kaufkraft\r");
    const QList<QStringList> expected = jsonRows(options);
    ASSERT_EQ(expected.size(), 30);
    for (int year = 1; year <= 30; ++year) {
        QByteArray line = lines.at(year);
        if (year < 30) {
            ASSERT_TRUE(line.endsWith('\r')) << year;
            line.chop(1);
        }
        EXPECT_EQ(QString::fromUtf8(line), expected.at(year - 1).join(';')) << "year " << year;
    }
    EXPECT_FALSE(run.out.contains("0,00;0,00;0,00;0,00;0,00;0,00")) << "the years carry their values";
}

TEST_F(NetPlanCommands, CsvOfTheDefaultPlanStartsWithTheFirstYear)
{
    const CliRun run = runCli({ "netto", "--csv" });
    ASSERT_EQ(run.exitCode, 0);
    // Growth 10 % less 0,2 % costs: (10000 + 300) · 1,098 + 300 = 11609,40,
    // its dividend 1,5 % = 174,141, the depot 11783,541; Basisertrag
    // 0,7 · 0,032 · (10000 + 6,5 · 50) = 231,28 less the dividend = 57,139;
    // 11783,541 / 1,02 = 11552,49.
    EXPECT_TRUE(run.out.startsWith("Jahr;Einzahlungen;Dividende;Vorabpauschale;Steuer;Depotwert;Kaufkraft\r\n"
                                   "1;600,00;174,14;57,14;0,00;11783,54;11552,49\r\n"));
    EXPECT_EQ(run.out.count("\r\n"), 11);
}

TEST_F(NetPlanCommands, JsonAndCsvTogetherAreAUsageError)
{
    const CliRun run = runCli({ "netto", "--json", "--csv" });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_F(NetPlanCommands, ReportOfAHundredYearsShowsEveryYearUnderTheHeadingsOfEachPage)
{
    const QStringList options { "--steuer", "kirche9", "--basiszins", "2,53", settings(100) };
    const QString file = dir.filePath("netto.bvp");
    const CliRun run = runCli(QStringList { "report", "netto", "--format", "bvp", "-o", file } + options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    TBVPrinter printer;
    printer.Load(file);
    ASSERT_GE(printer.PageCount(), 2);
    // A text of the year column and the texts on its line, by page.
    QList<QStringList> rowsFound;
    for (int page = 1; page <= printer.PageCount(); ++page) {
        const std::vector<EmfText> texts = EmfPlayer(*printer.GetPage(page)).texts();
        for (const char* heading : { "Jahr", "Einzahlungen", "Vorabpauschale", "Steuer", "Kaufkraft" })
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const EmfText& t) { return t.text == heading; }))
                << heading << " on page " << page;
        for (const EmfText& year : texts) {
            // The year column ends 39,6 mm from the paper's edge.
            if (year.bounds.right > 150 || year.text.toInt() == 0)
                continue;
            QStringList row;
            for (const EmfText& cell : texts) {
                if (cell.bounds.top == year.bounds.top)
                    row << cell.text;
            }
            rowsFound << row;
        }
    }
    const QList<QStringList> expected = jsonRows(options);
    ASSERT_EQ(rowsFound.size(), 100);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(rowsFound.at(i), expected.at(i)) << "year " << i + 1;
}

TEST_F(NetPlanCommands, ReportRejectsNetOptionsForTheFourPlans)
{
    const CliRun run = runCli({ "report", "anlage", "--format", "pdf", "-o", dir.filePath("a.pdf"), "--kosten", "1" });
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--kosten")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("a.pdf")));
}

}
