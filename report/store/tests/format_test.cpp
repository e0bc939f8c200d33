#include "export/device_units.h"
#include "report/store/standard_paper.h"
#include "report/store/stored_report_format.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    double native;
    double offset;
    double factor;
    int device;
};

class DeviceConversion : public testing::TestWithParam<Conversion> { };

struct PaperCase {
    int widthMm;
    int lengthMm;
    int code;
};

class NearestPaper : public testing::TestWithParam<PaperCase> { };

struct HeaderCase {
    int signatureAt;
    int headerSize;
};

class HeaderDetection : public testing::TestWithParam<HeaderCase> { };

}

TEST_P(DeviceConversion, RoundsHalvesToEven)
{
    const Conversion& c = GetParam();
    EXPECT_EQ(DeviceUnits::toDevice(c.native, c.offset, c.factor), c.device);
    if (c.offset == 0) {
        EXPECT_EQ(DeviceUnits::sizeToDevice(c.native, c.factor), c.device);
    }
}

INSTANTIATE_TEST_SUITE_P(DeviceUnits, DeviceConversion,
    testing::Values(Conversion { 2100, 0, 96 / 254.0, 794 }, // A4 width on the screen
        Conversion { 2970, 0, 96 / 254.0, 1123 }, Conversion { 100, 0, 96 / 254.0, 38 }, Conversion { 2.5, 0, 1, 2 },
        Conversion { 3.5, 0, 1, 4 }, Conversion { -2.5, 0, 1, -2 }, Conversion { 0.5, 0, 1, 0 },
        Conversion { 100, 40, 600 / 254.0, 142 }, // a printer with a 4 mm margin
        Conversion { 25.4, 0, 600 / 254.0, 60 }));

TEST(DeviceUnits, PixelsBackToMillimetresTruncate)
{
    EXPECT_EQ(DeviceUnits::pixelsToMillimetres(QSize(794, 1123), 96 / 254.0), QSize(210, 297));
    EXPECT_EQ(DeviceUnits::pixelsToMillimetres(QSize(1123, 794), 96 / 254.0), QSize(297, 210));
    EXPECT_EQ(DeviceUnits::pixelsToMillimetres(QSize(816, 1056), 96 / 254.0), QSize(215, 279));
}

TEST_P(NearestPaper, PicksTheFirstClosestStandardSize)
{
    EXPECT_EQ(nearestStandardPaper(GetParam().widthMm, GetParam().lengthMm), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(StandardPaper, NearestPaper,
    testing::Values(PaperCase { 210, 297, 9 }, PaperCase { 215, 279, 1 }, PaperCase { 297, 420, 8 },
        PaperCase { 148, 210, 11 }, PaperCase { 215, 355, 5 }, PaperCase { 212, 299, 9 }, PaperCase { 2000, 2000, 26 },
        PaperCase { 1, 1, 19 }));

TEST_P(HeaderDetection, FindsTheLayoutFromTheFirstPicture)
{
    QByteArray start(1100, '\0');
    if (GetParam().signatureAt >= 0)
        start.replace(GetParam().signatureAt, 3, "EMF");
    EXPECT_EQ(StoredReport::detectHeaderSize(start), GetParam().headerSize);
}

INSTANTIATE_TEST_SUITE_P(StoredReport, HeaderDetection,
    testing::Values(HeaderCase { 177, 128 }, HeaderCase { 173, 124 }, HeaderCase { 169, 120 }, HeaderCase { 145, 96 },
        HeaderCase { 300, 251 }, HeaderCase { 1001, 952 }, HeaderCase { -1, 128 }, HeaderCase { 1002, 128 },
        HeaderCase { 20, 128 }));

TEST(StoredReport, HeaderLayout)
{
    const QByteArray h = StoredReport::header(3, true, 45000.5);
    ASSERT_EQ(h.size(), 128);
    EXPECT_EQ(h.left(4), QByteArray::fromHex("03003200"));
    EXPECT_EQ(h.mid(8, 4), QByteArray::fromHex("03000000"));
    EXPECT_EQ(h.mid(16, 8), QByteArray::fromHex("0000000010f9e540")); // 45000.5 as a little-endian double
    EXPECT_EQ(h.at(25), 1);
    EXPECT_EQ(h.mid(26, 100), QByteArray(100, 'H'));
    EXPECT_EQ(h.mid(126, 2), QByteArray(2, '\0'));
}

TEST(StoredReport, DateTimeCountsDaysFromTheEndOf1899)
{
    EXPECT_DOUBLE_EQ(StoredReport::dateTimeValue(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(StoredReport::dateTimeValue(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
    EXPECT_DOUBLE_EQ(StoredReport::dateTimeValue(QDateTime(QDate(2024, 3, 1), QTime(18, 0))), 45352.75);
}
