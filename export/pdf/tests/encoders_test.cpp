#include "export/pdf/ascii85.h"
#include "export/pdf/lzw.h"
#include "lzw_decoder.h"

#include <gtest/gtest.h>

namespace {

struct Ascii85Case {
    const char* name;
    QByteArray data;
    QByteArray encoded;
};

void PrintTo(const Ascii85Case& c, std::ostream* os) { *os << c.name; }

class Ascii85 : public ::testing::TestWithParam<Ascii85Case> { };

TEST_P(Ascii85, EncodesGroupsAndEndsWithTheEndMark)
{
    EXPECT_EQ(ascii85Encode(GetParam().data).toStdString(), GetParam().encoded.toStdString());
}

// Expected texts from Python's base64.a85encode, an independent encoder.
INSTANTIATE_TEST_SUITE_P(Cases, Ascii85,
    ::testing::Values(Ascii85Case { "Empty", QByteArray(), "~>" },
        Ascii85Case { "ZeroGroupIsZ", QByteArray(4, '\0'), "z~>" }, Ascii85Case { "FullGroup", "Man ", "9jqo^~>" },
        Ascii85Case { "OneByteGivesTwoCharacters", "M", "9`~>" }, Ascii85Case { "TwoBytesGiveThree", "Ma", "9jn~>" },
        Ascii85Case { "GroupAndRest", "Man i", "9jqo^B`~>" },
        Ascii85Case { "ZeroRestIsNoZ", QByteArray(5, '\0'), "z!!~>" },
        Ascii85Case { "LargestGroup", QByteArray(4, '\xFF'), "s8W-!~>" }),
    [](const auto& info) { return info.param.name; });

TEST(Ascii85, BreaksTheLineWhenTwoHundredAndOneCharactersAreReached)
{
    // 41 groups make 205 characters: the break follows the 41st group.
    const QByteArray encoded = ascii85Encode(QByteArray(4 * 42, 'M'));
    EXPECT_EQ(encoded.indexOf("\r\n"), 205);
    EXPECT_EQ(encoded.size(), 210 + 2 + 2);
    // A "z" counts as five characters.
    EXPECT_EQ(ascii85Encode(QByteArray(4 * 42, '\0')), QByteArray(41, 'z') + "\r\nz~>");
}

TEST(Ascii85, TheLastShortGroupCountsTowardsTheLineBreak)
{
    // 40 groups make 200 characters; the short group's two characters reach 201.
    const QByteArray fortyGroups = ascii85Encode(QByteArray(4 * 40, 'M')).chopped(2);
    EXPECT_EQ(ascii85Encode(QByteArray(4 * 40 + 1, 'M')), fortyGroups + "9`\r\n~>");
}

// The example of the LZWDecode description: codes 256 45 258 258 65 259 66 257.
TEST(Lzw, EncodesTheExampleOfTheFormatDescription)
{
    EXPECT_EQ(lzwEncode("-----A---B").toHex().toStdString(), "800b6050220c0c8501");
}

TEST(Lzw, EmptyDataIsClearAndEndOfData)
{
    EXPECT_EQ(lzwEncode(QByteArray()).toHex().toStdString(), "804040");
    EXPECT_TRUE(lzwDecode(lzwEncode(QByteArray())).isEmpty());
}

QByteArray pixelsLikeAChart(int size)
{
    QByteArray data;
    data.reserve(size);
    uint32_t noise = 12345;
    for (int i = 0; i < size; ++i) {
        noise = noise * 1103515245u + 12345u;
        // Long runs of one colour with a little noise, as a bar chart's rows are.
        data += static_cast<char>(((i / 3000) % 2 == 0) ? (i % 3 == 0 ? 0xFF : 0x40) : (noise >> 24));
    }
    return data;
}

TEST(Lzw, ReadsBackThroughWidthChangesAndTableClears)
{
    for (const int size : { 1, 2, 300, 5000, 70000, 400000 }) {
        const QByteArray data = pixelsLikeAChart(size);
        EXPECT_EQ(lzwDecode(lzwEncode(data)), data) << size;
    }
}

}
