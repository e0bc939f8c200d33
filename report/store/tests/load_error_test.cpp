#include "report/store/bv_error.h"
#include "report/store/printer.h"
#include "sample_report.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray sampleFile(int pages, bool compressed)
{
    QTemporaryDir dir;
    TBVPrinter printer;
    printer.SetCompression(compressed);
    makeSampleJob(printer, pages);
    printer.Save(dir.filePath("x.bvp"));
    QFile file(dir.filePath("x.bvp"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void put(QByteArray& bytes, qint64 offset, qint32 value) { qToLittleEndian(value, bytes.data() + offset); }

struct BadFile {
    const char* name;
    QByteArray (*make)();
    const char* message;
};

class LoadingABadFile : public testing::TestWithParam<BadFile> { };

// Loads the file and reads and plays every page, as the preview would.
void loadAndReadAll(const QByteArray& bytes)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.bvp"));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    TBVPrinter printer;
    printer.Load(file.fileName());
    for (int n = 1; n <= printer.PageCount(); ++n)
        printer.GetPage(n);
}

}

TEST_P(LoadingABadFile, RaisesAClearError)
{
    try {
        loadAndReadAll(GetParam().make());
        FAIL() << "loaded";
    } catch (const EBVError& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(TBVPrinter, LoadingABadFile,
    testing::Values(BadFile { "Empty", [] { return QByteArray(); }, BVErrorText::NotAStoredReport },
        BadFile { "Text", [] { return QByteArray("Dies ist kein Bericht.\r\n").repeated(40); },
            BVErrorText::NotAStoredReport },
        BadFile { "NegativePageCount",
            [] {
                QByteArray b = sampleFile(1, false);
                put(b, 8, -5);
                return b;
            },
            BVErrorText::NotAStoredReport },
        BadFile { "HeaderOnly", [] { return sampleFile(2, false).left(128); }, BVErrorText::NotAStoredReport },
        BadFile { "TruncatedLastRecord", [] { return sampleFile(3, false).chopped(30); }, BVErrorText::Truncated },
        BadFile { "TruncatedCompressed", [] { return sampleFile(2, true).chopped(1); }, BVErrorText::Truncated },
        BadFile { "MorePagesThanRecords",
            [] {
                QByteArray b = sampleFile(2, false);
                put(b, 8, 9);
                return b;
            },
            BVErrorText::Truncated },
        BadFile { "HeaderUndercountsThePages",
            [] {
                QByteArray b = sampleFile(3, false);
                put(b, 8, 1);
                return b;
            },
            BVErrorText::PageCountMismatch },
        BadFile { "ZeroPagesOverRecords",
            [] {
                QByteArray b = sampleFile(2, true);
                put(b, 8, 0);
                return b;
            },
            BVErrorText::PageCountMismatch },
        BadFile { "NextOffsetBackwards",
            [] {
                QByteArray b = sampleFile(3, false);
                put(b, 132, 100);
                return b;
            },
            BVErrorText::NotAStoredReport },
        BadFile { "WrongStartOffset",
            [] {
                QByteArray b = sampleFile(2, false);
                put(b, b.size() - 4, 4000);
                return b;
            },
            BVErrorText::CorruptRecord },
        BadFile { "DamagedMetafile",
            [] {
                QByteArray b = sampleFile(1, false);
                const qint32 headerRecord = qFromLittleEndian<qint32>(b.constData() + 140);
                put(b, 136 + headerRecord + 4, 0x7fff0000); // the size of the record after the header
                return b;
            },
            BVErrorText::CorruptPicture },
        BadFile { "DamagedCode",
            [] {
                QByteArray b = sampleFile(1, true);
                for (int i = 160; i < 400; ++i)
                    b[i] = static_cast<char>(0xff - b[i]);
                return b;
            },
            BVErrorText::CorruptPicture },
        BadFile { "ImpossibleExpandedLength",
            [] {
                QByteArray b = sampleFile(1, true);
                put(b, 136, 0x7fffffff);
                return b;
            },
            BVErrorText::CorruptRecord }),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST(TBVPrinter, MissingFileCannotBeOpened)
{
    TBVPrinter printer;
    try {
        printer.Load(QStringLiteral("/nonexistent/bericht.bvp"));
        FAIL();
    } catch (const EBVError& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(BVErrorText::CannotOpen));
    }
    EXPECT_EQ(printer.Status(), TBVPrinterStatus::Idle);
}

TEST(TBVPrinter, FailedLoadLeavesNoPages)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("gut.bvp");
    QFile file(good);
    file.open(QIODevice::WriteOnly);
    file.write(sampleFile(2, false));
    file.close();
    TBVPrinter printer;
    printer.Load(good);
    ASSERT_EQ(printer.PageCount(), 2);
    EXPECT_THROW(printer.Load(QStringLiteral("/nonexistent/x.bvp")), EBVError);
    EXPECT_EQ(printer.PageCount(), 0);
    EXPECT_FALSE(printer.GetPage(1));
}
