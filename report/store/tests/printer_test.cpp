#include "report/emf/emf_player.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"
#include "sample_report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

qint32 int32At(const QByteArray& bytes, qint64 offset) { return qFromLittleEndian<qint32>(bytes.constData() + offset); }

QString firstText(const EmfPage& page)
{
    const std::vector<EmfText> texts = EmfPlayer(page).texts();
    return texts.empty() ? QString() : texts.front().text;
}

QString saveSample(
    const QTemporaryDir& dir, int pages, bool compressed = false, TBVOrientation orientation = TBVOrientation::Portrait)
{
    TBVPrinter printer;
    printer.SetCompression(compressed);
    printer.PrinterSettings().orientation = orientation;
    makeSampleJob(printer, pages);
    const QString path = dir.filePath(QStringLiteral("bericht.bvp"));
    printer.Save(path);
    return path;
}

}

TEST(TBVPrinter, OnePageFileHasTheHeaderAndOneRecord)
{
    QTemporaryDir dir;
    const QByteArray file = readAll(saveSample(dir, 1));
    ASSERT_GT(file.size(), 128 + 12);
    EXPECT_EQ(file.left(4), QByteArray::fromHex("03003200"));
    EXPECT_EQ(int32At(file, 4), 0);
    EXPECT_EQ(int32At(file, 8), 1); // page count
    EXPECT_EQ(int32At(file, 12), 0);
    const double created = qFromLittleEndian<double>(file.constData() + 16);
    const double now = QDate(1899, 12, 30).daysTo(QDate::currentDate());
    EXPECT_GE(created, now - 1);
    EXPECT_LE(created, now + 2);
    EXPECT_EQ(file.at(24), 0);
    EXPECT_EQ(file.at(25), 0);
    EXPECT_EQ(file.mid(26, 100), QByteArray(100, 'H'));
    EXPECT_EQ(file.mid(126, 2), QByteArray(2, '\0'));
    // The record: page 1, offset past it (the end), the metafile, its start.
    EXPECT_EQ(int32At(file, 128), 1);
    EXPECT_EQ(int32At(file, 132), file.size());
    EXPECT_EQ(file.mid(136 + 41, 3), QByteArray("EMF"));
    EXPECT_EQ(int32At(file, 136 + 48), file.size() - 128 - 12); // the metafile's own byte count
    EXPECT_EQ(int32At(file, file.size() - 4), 128);
}

TEST(TBVPrinter, RecordsWalkBothWays)
{
    QTemporaryDir dir;
    const QByteArray file = readAll(saveSample(dir, 4, true));
    EXPECT_EQ(int32At(file, 8), 4);
    EXPECT_EQ(file.at(25), 1);
    std::vector<qint32> forward;
    for (qint64 at = 128; at < file.size(); at = int32At(file, at + 4))
        forward.push_back(static_cast<qint32>(at));
    ASSERT_EQ(forward.size(), 4u);
    std::vector<qint32> backward;
    for (qint64 end = file.size(); end > 128; end = backward.back())
        backward.push_back(int32At(file, end - 4));
    EXPECT_EQ(std::vector<qint32>(backward.rbegin(), backward.rend()), forward);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(int32At(file, forward[static_cast<size_t>(i)]), i + 1);
}

TEST(TBVPrinter, ReopenedFileReadsPagesInAnyOrder)
{
    for (bool compressed : { false, true }) {
        QTemporaryDir dir;
        const QString path = saveSample(dir, 3, compressed);
        TBVPrinter printer;
        printer.Load(path);
        EXPECT_EQ(printer.Status(), TBVPrinterStatus::Finished);
        EXPECT_TRUE(printer.StoredPagesFinal());
        EXPECT_TRUE(printer.LoadedFromFile());
        ASSERT_EQ(printer.PageCount(), 3);
        for (int n : { 2, 1, 3, 3, 1, 2 }) {
            const std::unique_ptr<EmfPage> page = printer.GetPage(n);
            ASSERT_TRUE(page);
            EXPECT_EQ(firstText(*page), QStringLiteral("Anlageentwicklung Seite %1").arg(n));
        }
        EXPECT_FALSE(printer.GetPage(0));
        EXPECT_FALSE(printer.GetPage(4));
    }
}

TEST(TBVPrinter, CompressedAndPlainStoresHoldTheSamePictures)
{
    TBVPrinter plain;
    makeSampleJob(plain, 2);
    TBVPrinter packed;
    packed.SetCompression(true);
    makeSampleJob(packed, 2);
    // Pages differ only in what they show, never in how they were stored.
    for (int n = 1; n <= 2; ++n)
        EXPECT_EQ(plain.GetPage(n)->bytes(), packed.GetPage(n)->bytes());
}

TEST(TBVPrinter, LandscapePagesLoadAsLandscapeA4)
{
    QTemporaryDir dir;
    const QString path = saveSample(dir, 1, false, TBVOrientation::Landscape);
    TBVPrinter printer;
    printer.PrinterSettings().paperSize = 1;
    printer.Load(path);
    EXPECT_EQ(printer.PrinterSettings().orientation, TBVOrientation::Landscape);
    EXPECT_EQ(printer.PrinterSettings().paperSize, TPrinterSettings::A4);
    EXPECT_DOUBLE_EQ(printer.PageWidth(), 2970);
    EXPECT_EQ(printer.GetPage(1)->sizePx(), QSize(1123, 794));
}

TEST(TBVPrinter, LetterPortraitIsRecognised)
{
    TBVPrinter writer;
    writer.PrinterSettings().paperSize = 1;
    writer.PrinterSettings().paperWidth = 2159;
    writer.PrinterSettings().paperLength = 2794;
    makeSampleJob(writer, 1);
    QTemporaryDir dir;
    writer.Save(dir.filePath("letter.bvp"));
    TBVPrinter printer;
    printer.Load(dir.filePath("letter.bvp"));
    EXPECT_EQ(printer.PrinterSettings().orientation, TBVOrientation::Portrait);
    EXPECT_EQ(printer.PrinterSettings().paperSize, 1);
}

TEST(TBVPrinter, PageStreamMovesToATemporaryFileAndRemovesIt)
{
    QImage chart(600, 400, QImage::Format_RGB32);
    chart.fill(QColor(10, 120, 200));
    QString temporary;
    {
        TBVPrinter printer;
        printer.StartJob();
        printer.NewPage();
        drawSamplePage(*printer.Canvas(), 1);
        printer.NewPage();
        EXPECT_TRUE(printer.TemporaryFileName().isEmpty()); // a small page stays in memory
        drawSamplePage(*printer.Canvas(), 2, chart);
        printer.NewPage();
        temporary = printer.TemporaryFileName();
        ASSERT_FALSE(temporary.isEmpty());
        const QFileInfo info(temporary);
        EXPECT_TRUE(info.fileName().startsWith(QStringLiteral("BVP")));
        EXPECT_EQ(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        EXPECT_TRUE(info.exists());
        EXPECT_GT(info.size(), 250000);
        drawSamplePage(*printer.Canvas(), 3);
        printer.FinishJob();
        EXPECT_EQ(firstText(*printer.GetPage(2)), QStringLiteral("Anlageentwicklung Seite 2"));
        EXPECT_EQ(printer.GetPage(3)->sizePx(), QSize(794, 1123));
    }
    EXPECT_FALSE(QFileInfo::exists(temporary));
}

TEST(TBVPrinter, StatesRefuseCallsOutOfOrder)
{
    TBVPrinter printer;
    try {
        printer.NewPage();
        FAIL();
    } catch (const EBVError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Illegal call to NewPage"));
    }
    printer.StartJob();
    try {
        printer.StartJob();
        FAIL();
    } catch (const EBVError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("BVPrinter not ready"));
    }
    printer.FinishJob();
    EXPECT_THROW(printer.StartJob(), EBVError);
    EXPECT_THROW(printer.NewPage(), EBVError);
}

TEST(TBVPrinter, PreviewReadsFinishedPagesWhileTheJobRuns)
{
    TBVPrinter printer;
    std::vector<int> announced;
    QObject::connect(&printer, &TBVPrinter::pageAvailable, [&](int pages) { announced.push_back(pages); });
    EXPECT_FALSE(printer.GetPage(1)); // idle
    printer.StartJob();
    printer.NewPage();
    drawSamplePage(*printer.Canvas(), 1);
    EXPECT_FALSE(printer.GetPage(1)); // still being drawn
    printer.NewPage();
    ASSERT_TRUE(printer.GetPage(1));
    EXPECT_EQ(firstText(*printer.GetPage(1)), QStringLiteral("Anlageentwicklung Seite 1"));
    drawSamplePage(*printer.Canvas(), 2);
    printer.FinishJob();
    EXPECT_EQ(announced, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_EQ(printer.Canvas(), nullptr);
}

// A handler of the last page announcement (a "Save" click it lets through)
// copies the stream at once: the header must already name every page.
TEST(TBVPrinter, SaveOnTheLastPageAnnouncementReloadsEveryPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sofort.bvp");
    TBVPrinter printer;
    QObject::connect(&printer, &TBVPrinter::pageAvailable, [&](int) {
        if (printer.Status() == TBVPrinterStatus::Finished)
            printer.Save(path);
    });
    makeSampleJob(printer, 3);
    EXPECT_EQ(int32At(readAll(path), 8), 3);
    TBVPrinter reloaded;
    reloaded.Load(path);
    EXPECT_EQ(reloaded.PageCount(), 3);
}

TEST(TBVPrinter, SaveBeforeTheJobEndsWritesNothing)
{
    QTemporaryDir dir;
    TBVPrinter printer;
    printer.StartJob();
    printer.NewPage();
    printer.Save(dir.filePath("early.bvp"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("early.bvp")));
}

TEST(TBVPrinter, AbortKeepsThePageInProgressUnlessExporting)
{
    for (bool exporting : { false, true }) {
        TBVPrinter printer;
        printer.SetOwnerExporting(exporting);
        printer.StartJob();
        printer.NewPage();
        printer.NewPage();
        printer.AbortJob();
        EXPECT_EQ(printer.Status(), TBVPrinterStatus::Finished);
        EXPECT_EQ(static_cast<bool>(printer.GetPage(2)), !exporting);
        QTemporaryDir dir;
        printer.Save(dir.filePath("abgebrochen.bvp"));
        // The saved header names the pages the file really holds.
        TBVPrinter reader;
        reader.Load(dir.filePath("abgebrochen.bvp"));
        EXPECT_EQ(reader.PageCount(), exporting ? 1 : 2);
    }
}

TEST(TBVPrinter, DeviceConversionsUseThePageStoreFactors)
{
    TBVPrinter printer;
    EXPECT_DOUBLE_EQ(printer.XFactor(), 96.0 / 254.0);
    printer.StartJob();
    printer.NewPage();
    EXPECT_EQ(printer.DeviceX(2100), 794);
    EXPECT_EQ(printer.DeviceY(2970), 1123);
    EXPECT_EQ(printer.DeviceWidth(100), 38);
    EXPECT_EQ(printer.Canvas()->dpiY(), 96);
    printer.FinishJob();
    EXPECT_EQ(printer.GetPage(1)->sizePx(), QSize(794, 1123));
}

TEST(TBVPrinter, PrinterOutputPaintsOnlyThePagesInRange)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("druck.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        TBVPrinter printer;
        printer.SetDestination(TBVDestination::Printer);
        printer.SetPrintDevice(&pdf);
        printer.PrinterSettings().firstPage = 2;
        printer.PrinterSettings().lastPage = 3;
        printer.StartJob();
        EXPECT_DOUBLE_EQ(printer.XFactor(), 300 / 254.0);
        EXPECT_DOUBLE_EQ(printer.LeftOffset(), 50);
        EXPECT_EQ(printer.DeviceX(150), 118); // 10 mm from the paper edge, 5 mm inside the margin
        for (int n = 1; n <= 4; ++n) {
            printer.NewPage();
            ASSERT_NE(printer.Canvas(), nullptr);
            // Pages outside the range go to a throwaway picture at screen factors.
            EXPECT_DOUBLE_EQ(printer.XFactor(), n == 2 || n == 3 ? 300 / 254.0 : 96 / 254.0) << n;
            drawSamplePage(*printer.Canvas(), n);
        }
        printer.FinishJob();
        EXPECT_FALSE(printer.GetPage(1)); // nothing is stored for a printer
    }
    const QByteArray pdf = readAll(path);
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2);
}

// Points the system's temporary folder at a file, so that a page stream
// outgrowing its memory cannot move to a temporary file (a folder that does
// not exist would not do: the system then falls back to the root folder).
class NoTemporaryFolder {
public:
    NoTemporaryFolder()
        : m_saved(qgetenv("TMPDIR"))
    {
        QFile file(m_dir.filePath("not-a-folder"));
        file.open(QIODevice::WriteOnly);
        qputenv("TMPDIR", QFile::encodeName(file.fileName()));
    }
    ~NoTemporaryFolder() { qputenv("TMPDIR", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// The last page is stored when the job ends; when that fails the error
// propagates, but the printer must not stay busy, or its preview could never
// close.
TEST(TBVPrinter, AJobWhoseLastPageCannotBeStoredStillEnds)
{
    QImage chart(600, 400, QImage::Format_RGB32);
    chart.fill(QColor(10, 120, 200));
    const NoTemporaryFolder noFolder;
    for (const bool abort : { false, true }) {
        TBVPrinter printer;
        printer.StartJob();
        printer.NewPage();
        drawSamplePage(*printer.Canvas(), 1, chart);
        try {
            abort ? printer.AbortJob() : printer.FinishJob();
            FAIL() << "no error, abort " << abort;
        } catch (const EBVError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Cannot create the temporary page file"));
        }
        EXPECT_EQ(printer.Status(), TBVPrinterStatus::Finished) << abort;
        EXPECT_EQ(printer.Canvas(), nullptr) << abort;
    }
}
