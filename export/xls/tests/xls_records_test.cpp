#include "export/xls/xls_records.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(static_cast<char>(value));
    return result;
}

TEST(XlsRecords, FrameOfAnEmptyWorksheetIs28Bytes)
{
    EXPECT_EQ(XlsRecords::beginningOfFile(), bytes({ 0x09, 0x08, 0x06, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00 }));
    EXPECT_EQ(XlsRecords::dimensions(), bytes({ 0x00, 0x02, 0x0A, 0x00 }) + QByteArray(10, '\0'));
    EXPECT_EQ(XlsRecords::endOfFile(), bytes({ 0x0A, 0x00, 0x00, 0x00 }));
    EXPECT_EQ(
        XlsRecords::beginningOfFile().size() + XlsRecords::dimensions().size() + XlsRecords::endOfFile().size(), 28);
}

TEST(XlsRecords, NumberCellHoldsTheLittleEndianDouble)
{
    // 1234.56 is 0x40934A3D70A3D70A as an IEEE double.
    EXPECT_EQ(XlsRecords::numberCell(2, 1, 1234.56),
        bytes({ 0x03, 0x00, 0x0F, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x0A, 0xD7, 0xA3, 0x70, 0x3D, 0x4A,
            0x93, 0x40 }));
}

TEST(XlsRecords, TextCellCountsItsBytes)
{
    EXPECT_EQ(XlsRecords::textCell(0x0102, 3, "Jahr"),
        bytes({ 0x04, 0x00, 0x0C, 0x00, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0x04, 'J', 'a', 'h', 'r' }));
}

struct NumberCase {
    const char* text;
    std::optional<double> value;
};

class CellNumber : public testing::TestWithParam<NumberCase> { };

TEST_P(CellNumber, ReadsTheProgramsNumberFormatWithoutThousandsPoints)
{
    const std::optional<double> value = cellNumber(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(value.has_value(), GetParam().value.has_value()) << GetParam().text;
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *GetParam().value) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, CellNumber,
    testing::Values(NumberCase { "1.234,56", 1234.56 }, NumberCase { "10,00 %", std::nullopt },
        NumberCase { "12,50 €", std::nullopt },
        // A date loses its points and reads as one whole number.
        NumberCase { "09.12.2026", 9122026.0 }, NumberCase { " -5 ", -5.0 }, NumberCase { "1,5E3", 1500.0 },
        NumberCase { ",5", 0.5 }, NumberCase { ",", std::nullopt }, NumberCase { "1e", std::nullopt },
        NumberCase { "1,2,3", std::nullopt }, NumberCase { "...", std::nullopt },
        NumberCase { "1e999", std::nullopt }));

} // namespace
