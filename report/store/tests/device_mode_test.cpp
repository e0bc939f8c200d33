#include "report/store/device_mode.h"
#include "report/store/printer_settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct SourceCase {
    int code;
    std::optional<QPrinter::PaperSource> source;
};

class SourceCodes : public ::testing::TestWithParam<SourceCase> { };

TEST_P(SourceCodes, MapToQtSourcesAndBack)
{
    const SourceCase& c = GetParam();
    EXPECT_EQ(paperSourceForCode(c.code), c.source);
    if (c.source) {
        EXPECT_EQ(codeForPaperSource(*c.source), c.code);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, SourceCodes,
    ::testing::Values(SourceCase { 1, QPrinter::OnlyOne }, SourceCase { 2, QPrinter::Lower },
        SourceCase { 3, QPrinter::Middle }, SourceCase { 4, QPrinter::Manual }, SourceCase { 5, QPrinter::Envelope },
        SourceCase { 6, QPrinter::EnvelopeManual }, SourceCase { 7, QPrinter::Auto },
        SourceCase { 8, QPrinter::Tractor }, SourceCase { 9, QPrinter::SmallFormat },
        SourceCase { 10, QPrinter::LargeFormat }, SourceCase { 11, QPrinter::LargeCapacity },
        SourceCase { 14, QPrinter::Cassette }, SourceCase { 15, QPrinter::FormSource }, SourceCase { 0, std::nullopt },
        SourceCase { 12, std::nullopt }, SourceCase { 13, std::nullopt }, SourceCase { 300, std::nullopt }));

TEST(DuplexCodes, OneIsSimplexTwoShortEdgeThreeLongEdge)
{
    EXPECT_EQ(duplexModeForCode(1), QPrinter::DuplexNone);
    EXPECT_EQ(duplexModeForCode(2), QPrinter::DuplexShortSide);
    EXPECT_EQ(duplexModeForCode(3), QPrinter::DuplexLongSide);
    EXPECT_EQ(duplexModeForCode(4), std::nullopt);
    EXPECT_EQ(codeForDuplexMode(QPrinter::DuplexLongSide), 3);
    EXPECT_EQ(codeForDuplexMode(QPrinter::DuplexAuto), std::nullopt);
}

TEST(PaperCodes, StandardCodesNameTheirPaperAndUnknownOnesNone)
{
    EXPECT_EQ(pageSizeForCode(9, 0, 0)->id(), QPageSize::A4);
    EXPECT_EQ(pageSizeForCode(1, 0, 0)->id(), QPageSize::Letter);
    EXPECT_EQ(pageSizeForCode(11, 0, 0)->id(), QPageSize::A5);
    EXPECT_EQ(codeForPageSize(QPageSize(QPageSize::A4)), 9);
    // 0 is the device's own paper; 68 is a code Qt maps to another paper.
    EXPECT_EQ(pageSizeForCode(0, 2100, 2970), std::nullopt);
    EXPECT_EQ(pageSizeForCode(68, 0, 0), std::nullopt);
    EXPECT_EQ(pageSizeForCode(999, 0, 0), std::nullopt);
    const std::optional<QPageSize> custom = pageSizeForCode(256, 1500, 2500);
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->size(QPageSize::Millimeter), QSizeF(150, 250));
    EXPECT_EQ(codeForPageSize(*custom), 256);
    EXPECT_EQ(pageSizeForCode(256, 0, 2500), std::nullopt);
}

TEST(Bins, CassetteAndLastShareSourceCodeFourteen)
{
    EXPECT_EQ(binCode(TBVBin::Cassette), 14);
    EXPECT_EQ(binCode(TBVBin::Last), 14);
    EXPECT_EQ(binCode(TBVBin::First), 1);
    EXPECT_EQ(binCode(TBVBin::Upper), 1);
    EXPECT_EQ(binCode(TBVBin::Auto), 7);
    EXPECT_EQ(binForCode(14), TBVBin::Cassette);
    EXPECT_EQ(binForCode(1), TBVBin::First);
    EXPECT_EQ(binForCode(12), std::nullopt);
}

struct DuplexSetting {
    bool duplex;
    int extendedDuplex;
    int written;
};

class DuplexWritten : public ::testing::TestWithParam<DuplexSetting> { };

TEST_P(DuplexWritten, ExtendedCodeWinsOverTheFlag)
{
    TPrinterSettings settings;
    settings.duplex = GetParam().duplex;
    settings.extendedDuplex = GetParam().extendedDuplex;
    EXPECT_EQ(settings.deviceMode().duplex, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Codes, DuplexWritten,
    ::testing::Values(DuplexSetting { false, 0, 1 }, DuplexSetting { true, 0, 3 }, DuplexSetting { true, 2, 2 },
        DuplexSetting { false, 2, 2 }));

TEST(DeviceMode, CustomCodesReplaceBinAndPaper)
{
    TPrinterSettings settings;
    settings.outputBin = TBVBin::Last;
    EXPECT_EQ(settings.deviceMode().defaultSource, 14);
    settings.useCustomBinCode = true;
    settings.customBinCode = 261;
    EXPECT_EQ(settings.deviceMode().defaultSource, 261);

    settings.paperSize = TPrinterSettings::Custom;
    settings.paperWidth = 1234.4;
    settings.paperLength = 2000;
    settings.orientation = TBVOrientation::Landscape;
    TDeviceMode mode = settings.deviceMode();
    EXPECT_EQ(mode.paperSize, 256);
    EXPECT_EQ(mode.paperWidth, 1234);
    EXPECT_EQ(mode.orientation, 2);
    settings.useCustomPaperCode = true;
    settings.customPaperCode = 11;
    EXPECT_EQ(settings.deviceMode().paperSize, 11);
}

class PdfPrinterSettings : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QPrinter printer { QPrinter::HighResolution };
    TPrinterSettings settings;

    void SetUp() override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        settings.printer = &printer;
    }
};

TEST_F(PdfPrinterSettings, WrittenSettingsReachThePrinterAndReadBack)
{
    settings.paperSize = 11;
    settings.copies = 3;
    settings.collate = 1;
    settings.outputBin = TBVBin::Cassette;
    settings.orientation = TBVOrientation::Landscape;
    settings.WriteToPrinter();
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.copyCount(), 3);
    EXPECT_TRUE(printer.collateCopies());
    EXPECT_EQ(printer.paperSource(), QPrinter::Cassette);

    TPrinterSettings read;
    read.printer = &printer;
    read.ReadFromPrinter(0);
    EXPECT_EQ(read.paperSize, 11);
    EXPECT_EQ(read.paperWidth, 1480);
    EXPECT_EQ(read.outputBin, TBVBin::Cassette);
    EXPECT_EQ(read.pixelsPerInchX, 1200);
}

TEST_F(PdfPrinterSettings, ValuesWithoutAQtSettingLeaveThePrinterAsItWas)
{
    printer.setPaperSource(QPrinter::Manual);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    settings.useCustomBinCode = true;
    settings.customBinCode = 12;
    settings.paperSize = 0; // the device's own paper
    settings.WriteToPrinter();
    EXPECT_EQ(printer.paperSource(), QPrinter::Manual);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
}

TEST_F(PdfPrinterSettings, DefaultPaperWritesNoPaperCodeEvenACustomOne)
{
    printer.setPageSize(QPageSize(QPageSize::Letter));
    settings.paperSize = 0;
    settings.useCustomPaperCode = true;
    settings.customPaperCode = 11;
    settings.WriteToPrinter();
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
}

struct ReadPaperCase {
    QPageSize size;
    int paperSize;
};

class ReadPaper : public PdfPrinterSettings, public ::testing::WithParamInterface<ReadPaperCase> { };

// The device's paper code becomes the paper of that code in the engine's
// list; a user-defined size is Custom, a code outside the list Default.
TEST_P(ReadPaper, DevicePaperCodeBecomesItsPositionInThePaperList)
{
    printer.setPageSize(GetParam().size);
    settings.ReadFromPrinter(0);
    EXPECT_EQ(settings.paperSize, GetParam().paperSize);
}

INSTANTIATE_TEST_SUITE_P(Papers, ReadPaper,
    ::testing::Values(ReadPaperCase { QPageSize(QPageSize::A5), 11 },
        ReadPaperCase { QPageSize(QSizeF(123, 234), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
            TPrinterSettings::Custom },
        ReadPaperCase { QPageSize(QPageSize::A6), 0 }));

TEST_F(PdfPrinterSettings, HooksReplaceWritingAndReading)
{
    TDeviceMode written;
    settings.duplex = true;
    settings.paperSize = 11;
    settings.OnApplyPrinterSettings = [&](TPrinterSettings&, bool& handled, TDeviceMode& mode) {
        written = mode;
        handled = true;
    };
    settings.WriteToPrinter();
    EXPECT_EQ(written.duplex, 3);
    EXPECT_EQ(written.paperSize, 11);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4); // handled: nothing written

    settings.OnGetPrinterSettings = [](TPrinterSettings&, bool& handled, TDeviceMode&) { handled = true; };
    settings.ReadFromPrinter(0);
    EXPECT_EQ(settings.paperSize, 11); // handled: nothing read
    EXPECT_FALSE(settings.readIndex); // nor counted as read
    settings.OnGetPrinterSettings = nullptr;
    settings.ReadFromPrinter(0);
    EXPECT_EQ(settings.paperSize, 9);
    EXPECT_EQ(settings.readIndex, 0);
    // The same printer index is not read twice.
    settings.paperSize = 11;
    settings.ReadFromPrinter(0);
    EXPECT_EQ(settings.paperSize, 11);
}

}
