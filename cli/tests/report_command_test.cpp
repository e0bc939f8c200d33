// fundorix-cli report, run as a user runs it; its files are read back
// through the stored report reader and the page pictures' text records.
#include "report/emf/emf_player.h"
#include "report/store/printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct CliRun {
    int exitCode = -1;
    QString err;
};

// In a German setting unless told otherwise, whether or not the machine has
// its locale data: the currency symbol is read from the setting's name.
CliRun runCli(const QStringList& arguments, const QString& locale = QStringLiteral("de_DE.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FUNDORIX_CLI), arguments);
    process.waitForFinished(60000);
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardError()) };
}

// Every text record of every page, page by page.
std::vector<QStringList> storedTexts(const QString& fileName)
{
    TBVPrinter printer;
    printer.Load(fileName);
    std::vector<QStringList> pages;
    for (int n = 1; n <= printer.PageCount(); ++n) {
        QStringList texts;
        for (const EmfText& text : EmfPlayer(*printer.GetPage(n)).texts())
            texts << text.text;
        pages.push_back(texts);
    }
    return pages;
}

// A settings file: the seven inputs, then the extra payments as
// (year, month, amount) rows.
QString writeSettings(const QTemporaryDir& dir, const QByteArray& inputs, const QList<QStringList>& payments = {})
{
    QByteArray bytes = inputs;
    for (int row = 0; row < 3; ++row) {
        if (row > 0)
            bytes += "ENDE\r\n";
        for (const QStringList& payment : payments)
            bytes += payment.at(row).toLatin1() + "\r\n";
    }
    const QString path = dir.filePath(QStringLiteral("plan.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

const QByteArray loanInputs = "10000\r\n5\r\nj\xE4hrlich\r\n-200\r\n0\r\n3\r\n0\r\n";

class ReportCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(ReportCommand, StoredReportsCarryThePlanTexts)
{
    ASSERT_EQ(runCli({ "report", "anlage", "--format", "bvp", "-o", path("anlage.bvp") }).exitCode, 0);
    const std::vector<QStringList> development = storedTexts(path("anlage.bvp"));
    ASSERT_EQ(development.size(), 1u);
    for (const char* text : { "41134,80 €", "16000,00 €", "157,09 %", "keine", "10 Jahre", "50 €" })
        EXPECT_TRUE(development[0].contains(QString::fromUtf8(text))) << text;

    const QString settings = writeSettings(dir, loanInputs);
    const CliRun run = runCli({ "report", "darlehen", "--format", "bvp", "-o", path("darlehen.bvp"), settings });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList loan = storedTexts(path("darlehen.bvp")).at(0);
    for (const char* text : { "7200,00 €", "6178,90 €", "3821,10 €", "1021,10 €" })
        EXPECT_TRUE(loan.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(loan.filter("61,79 %").size() == 1) << loan.join('|').toStdString();
}

TEST_F(ReportCommand, AmountsEndInTheEuroWithoutRegionalSettings)
{
    const CliRun run = runCli({ "report", "anlage", "--format", "bvp", "-o", path("c.bvp") }, QStringLiteral("C"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList texts = storedTexts(path("c.bvp")).at(0);
    for (const char* text : { "41134,80 €", "16000,00 €", "10000 €" })
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text << ": " << texts.join('|').toStdString();
}

TEST_F(ReportCommand, SparplanWritesTheSavingsAndThePayoutPhase)
{
    const CliRun run = runCli({ "report", "sparplan", "--format", "bvp", "-o", path("leben.bvp") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(storedTexts(path("leben.bvp")).at(0).contains(QString::fromUtf8("41134,80 €")));
    const QStringList payout = storedTexts(path("leben-2.bvp")).at(0);
    for (const char* text : { "12,32 €", "140029,20 €", "41122,48 €", "98906,72 €", "13920,21 €", "-388,97 €" })
        EXPECT_TRUE(payout.contains(QString::fromUtf8(text))) << text;
}

TEST_F(ReportCommand, PdfFilesForBothPhasesAndNothingElse)
{
    const CliRun run = runCli({ "report", "sparplan", "--format", "pdf", "-o", path("leben.pdf") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* name : { "leben.pdf", "leben-2.pdf" }) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF-1.3\r\n")) << name;
        EXPECT_TRUE(bytes.endsWith("%%EOF\r\n")) << name;
        // Amounts end in the euro sign, written as its Windows-1252 byte.
        EXPECT_TRUE(bytes.contains(" \\200) Tj")) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(ReportCommand, AnExportIntoAMissingFolderFailsAndLeavesNothing)
{
    const QString out = path("missing/plan.pdf");
    const CliRun run = runCli({ "report", "anlage", "--format", "pdf", "-o", out });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(out)) << run.err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(ReportCommand, PngPagesAreNumberedAfterTheFileAndTheReport)
{
    const CliRun run = runCli({ "report", "sparplan", "--format", "png", "-o", path("leben.png") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("leben.png")));
    for (const char* name : { "leben-1.png", "leben-2-1.png" }) {
        const QImage page(path(name));
        EXPECT_EQ(page.size(), QSize(794, 1123)) << name; // A4 at 96 dpi
        EXPECT_NEAR(page.dotsPerMeterX() * 0.0254, 96, 0.1) << name;
    }
    EXPECT_FALSE(QFile::exists(path("leben-2.png")));
    EXPECT_FALSE(QFile::exists(path("leben-1-2.png")));
}

TEST_F(ReportCommand, PlanCheckGoesToStandardErrorWithStatusOne)
{
    const CliRun run = runCli({ "report", "rente", "--format", "bvp", "-o", path("rente.bvp") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
        QString::fromUtf8("Die mtl.Rate oder jährliche Anlage sollte negativ sein, da dies für Auszahlung steht!\n"));
    EXPECT_FALSE(QFile::exists(path("rente.bvp")));
}

TEST_F(ReportCommand, NinetyNineExtraPaymentsListEachLineOnceOverSeveralPages)
{
    QList<QStringList> payments;
    QStringList lines;
    for (int i = 1; i <= 99; ++i) {
        const QString year = QString::number((i - 1) % 10 + 1);
        const QString month = QString::number((i - 1) % 12 + 1);
        const QString amount = QString::number(i * 10);
        payments << QStringList { year, month, amount };
        const QString gap = month.size() < 2 ? "   " : " ";
        lines << year + ". Jahr" + gap + month + ". Monat     " + amount + QString::fromUtf8(" €");
    }
    const QString settings = writeSettings(dir, "10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\n", payments);
    const CliRun run = runCli({ "report", "anlage", "--format", "bvp", "-o", path("lang.bvp"), settings });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const std::vector<QStringList> pages = storedTexts(path("lang.bvp"));
    ASSERT_GE(pages.size(), 2u);
    QStringList all;
    for (const QStringList& page : pages)
        all += page;
    for (const QString& line : lines)
        EXPECT_EQ(all.count(line), 1) << line.toStdString();
    EXPECT_FALSE(all.contains("keine"));
}

// Plans are private data: whatever format replaces a file the user keeps
// private, including the HTML export's picture, leaves it private.
TEST_F(ReportCommand, ExportsOverPrivateFilesKeepThemPrivate)
{
    for (const char* format : { "bvp", "pdf", "htm", "xls", "rtf" }) {
        const QString out = path("plan.") + format;
        QStringList replaced { out };
        if (QString::fromLatin1(format) == "htm")
            replaced << path("plan_BVImage1.jpg");
        for (const QString& name : replaced) {
            QFile file(name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("old");
            ASSERT_EQ(chmod(QFile::encodeName(name).constData(), 0600), 0);
        }
        const CliRun run = runCli({ "report", "anlage", "--format", format, "-o", out });
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        for (const QString& name : replaced) {
            EXPECT_GT(QFileInfo(name).size(), 3) << name.toStdString();
            struct stat status;
            ASSERT_EQ(stat(QFile::encodeName(name).constData(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, 0600u) << name.toStdString();
        }
    }
}

TEST_F(ReportCommand, UnwritableFileIsAFailureWithItsName)
{
    const QString out = path("missing/folder/plan.bvp");
    const CliRun run = runCli({ "report", "anlage", "--format", "bvp", "-o", out });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(out)) << run.err.toStdString();
}

// The 99 payments of a long plan fill several pages.
QString writeLongPlan(const QTemporaryDir& dir)
{
    QList<QStringList> payments;
    for (int i = 1; i <= 99; ++i)
        payments << QStringList { QString::number((i - 1) % 10 + 1), QString::number((i - 1) % 12 + 1),
            QString::number(i * 10) };
    return writeSettings(dir, "10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\n", payments);
}

TEST_F(ReportCommand, RenderTurnsEveryStoredPageIntoThePictureTheReportMakes)
{
    const QString settings = writeLongPlan(dir);
    ASSERT_EQ(runCli({ "report", "anlage", "--format", "bvp", "-o", path("lang.bvp"), settings }).exitCode, 0);
    ASSERT_EQ(runCli({ "report", "anlage", "--format", "png", "-o", path("direkt.png"), settings }).exitCode, 0);
    const int pages = static_cast<int>(storedTexts(path("lang.bvp")).size());
    ASSERT_GE(pages, 2);

    const CliRun run = runCli({ "render", path("lang.bvp"), "-o", path("geladen.png") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (int n = 1; n <= pages; ++n) {
        const QImage loaded(path("geladen-%1.png").arg(n));
        EXPECT_EQ(loaded.size(), QSize(794, 1123)) << n;
        EXPECT_NEAR(loaded.dotsPerMeterX() * 0.0254, 96, 0.1) << n;
        EXPECT_EQ(loaded, QImage(path("direkt-%1.png").arg(n))) << n;
    }
    EXPECT_FALSE(QFile::exists(path("geladen-%1.png").arg(pages + 1)));
}

TEST_F(ReportCommand, RenderRefusesADamagedFileAndWritesNothing)
{
    ASSERT_EQ(
        runCli({ "report", "anlage", "--format", "bvp", "-o", path("lang.bvp"), writeLongPlan(dir) }).exitCode, 0);
    QFile stored(path("lang.bvp"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray good = stored.readAll();
    QByteArray undercounted = good;
    undercounted[8] = 1; // the header's page count
    struct Damage {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const Damage damages[] = {
        { "undercounted.bvp", undercounted, "The stored report file holds more pages than its header states" },
        { "truncated.bvp", good.chopped(100), "The stored report file is truncated" },
    };
    for (const Damage& damage : damages) {
        QFile file(path(damage.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damage.bytes);
        file.close();
        const CliRun run = runCli({ "render", file.fileName(), "-o", path("bild.png") });
        EXPECT_EQ(run.exitCode, 1) << damage.name;
        EXPECT_TRUE(run.err.contains(damage.message)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(file.fileName())) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("bild-1.png"))) << damage.name;
    }
}

}
