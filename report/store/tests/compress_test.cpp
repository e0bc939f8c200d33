#include "report/store/bv_error.h"
#include "report/store/compress.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray out(size, '\0');
    for (char& c : out)
        c = static_cast<char>(generator.bounded(256));
    return out;
}

struct RoundTrip {
    const char* name;
    QByteArray input;
};

class CompressRoundTrip : public testing::TestWithParam<RoundTrip> { };

}

// From the initial tree: byte 0 is the right child of node 127 and every
// node above is a left child, so its code is seven 0 bits, then a 1 bit,
// packed from the lowest bit up. Byte 255 hangs nine left turns deep.
TEST(Compress, InitialTreeCodes)
{
    EXPECT_EQ(compressPage(bytes({ 0 })), bytes({ 0x80 }));
    EXPECT_EQ(compressPage(bytes({ 255 })), bytes({ 0x00, 0x00 }));
}

TEST(Compress, SplayingShortensRepeatedBytes)
{
    // After one splay, byte 0 sits two levels nearer the root.
    const QByteArray twice = compressPage(bytes({ 0, 0 }));
    EXPECT_EQ(twice.size(), 2);
    EXPECT_EQ(expandPage(twice.constData(), 2, 2), bytes({ 0, 0 }));
    const QByteArray run = compressPage(QByteArray(100000, 'A'));
    EXPECT_LT(run.size(), 100000 / 3);
}

TEST_P(CompressRoundTrip, ExpandGivesBackTheSameBytes)
{
    const QByteArray& input = GetParam().input;
    const QByteArray code = compressPage(input);
    EXPECT_EQ(expandPage(code.constData(), static_cast<size_t>(code.size()), static_cast<size_t>(input.size())), input);
}

INSTANTIATE_TEST_SUITE_P(Compress, CompressRoundTrip,
    testing::Values(RoundTrip { "Empty", QByteArray() }, RoundTrip { "OneByte", bytes({ 0x48 }) },
        RoundTrip { "EveryByteValue",
            [] {
                QByteArray all;
                for (int round = 0; round < 3; ++round)
                    for (int i = 0; i < 256; ++i)
                        all.append(static_cast<char>(round == 1 ? 255 - i : i));
                return all;
            }() },
        RoundTrip { "Random64k", randomBytes(65536, 7) }, RoundTrip { "Zeros", QByteArray(5000, '\0') },
        RoundTrip { "Text", QByteArray("Investitionsentwicklung 1.234,56 EUR\r\n").repeated(300) }),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(Compress, EveryPageStartsFromTheInitialTree)
{
    const QByteArray page = randomBytes(3000, 11);
    EXPECT_EQ(compressPage(page), compressPage(page));
    TBVCompress shared;
    QByteArray first;
    shared.compress(page.constData(), static_cast<size_t>(page.size()), first);
    shared.flush(first);
    QByteArray second;
    shared.compress(page.constData(), static_cast<size_t>(page.size()), second);
    shared.flush(second);
    EXPECT_NE(first, second); // a coder kept across pages would not reproduce the page's code
    EXPECT_EQ(first, compressPage(page));
}

TEST(Compress, ExpandingPastTheCodeIsAnError)
{
    const QByteArray code = compressPage(QByteArray("Zinsertrag"));
    EXPECT_THROW(expandPage(code.constData(), static_cast<size_t>(code.size()), 500), EBVError);
    EXPECT_THROW(expandPage(code.constData(), 0, 1), EBVError);
}
