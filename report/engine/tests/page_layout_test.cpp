#include "report/engine/frame.h"
#include "report/engine/page_layout.h"

#include <gtest/gtest.h>

namespace {

// A4 portrait, 10 mm margins, no page footer.
constexpr long double a4Length = 2970;
constexpr long double margin = 100;

struct BottomCase {
    int currentY;
    long double bandHeight;
    long double footerSpace;
    std::optional<int> expected;
};

class BottomAlignment : public ::testing::TestWithParam<BottomCase> { };

TEST_P(BottomAlignment, PutsTheBandOnTopOfTheFootersWhenItFits)
{
    const BottomCase& c = GetParam();
    EXPECT_EQ(bottomAlignedY(a4Length, c.currentY, c.bandHeight, margin, c.footerSpace), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BottomAlignment,
    ::testing::Values(
        // The child band of the program's reports, 105.83 high: bottom edge on the bottom margin at 2870.
        BottomCase { 1500, 105.83L, 0, 2764 }, BottomCase { 2764, 105.83L, 0, 2764 },
        BottomCase { 2765, 105.83L, 0, std::nullopt }, BottomCase { 2800, 105.83L, 0, std::nullopt },
        // The first band of a run (CurrentY -1) always passes the test.
        BottomCase { -1, 2166.94L, 0, 703 }, BottomCase { 1000, 200, 300, 2370 }));

struct SpaceCase {
    int currentY;
    long double footerSpace;
    int expected;
};

class Space : public ::testing::TestWithParam<SpaceCase> { };

TEST_P(Space, IsWhatIsLeftAboveBottomMarginAndFooters)
{
    const SpaceCase& c = GetParam();
    EXPECT_EQ(availableSpace(a4Length, margin, c.footerSpace, c.currentY), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Space,
    ::testing::Values(SpaceCase { 100, 0, 2770 }, SpaceCase { 2267, 0, 603 }, SpaceCase { 100, 105.5L, 2664 },
        SpaceCase { 100, 106.5L, 2664 }, SpaceCase { 2900, 0, -30 }));

TEST(BandFits, ATallerBandThanThePrintableHeightIsPrintedWhereItIs)
{
    EXPECT_TRUE(bandFits(2166.94L, 2770, 2770));
    EXPECT_FALSE(bandFits(2166.94L, 2166, 2770));
    EXPECT_TRUE(bandFits(3000, 10, 2770));
}

TEST(Columns, LeftEdgesAddColumnWidthsAndSpaces)
{
    EXPECT_EQ(columnLeft(100, 1, 900, 100), 100);
    EXPECT_EQ(columnLeft(100, 2, 900, 100), 1100);
    EXPECT_EQ(columnLeft(100, 3, 600.5L, 50.5L), 100 + 1201 + 101);
}

TEST(PrecalculatedHeight, TakesTheLowestContentPlusTheGapBelowIt)
{
    // Band 100 px high; memo at 10 px, 20 px high, with content of 150 px: 160 px + a gap of 71 px.
    const long double height = precalculateBandHeight(264.58L, 100, { { 10, 20, 150 } });
    EXPECT_NEAR(double(height), (160 + 71) * 254.0 / 96.0, 1e-9);
    EXPECT_NEAR(double(precalculateBandHeight(264.58L, 100, { { 10, 20, 5 } })), 264.58, 1e-9);
}

struct ThicknessCase {
    long double factor;
    int widthPt;
    int expected;
};

class FrameThickness : public ::testing::TestWithParam<ThicknessCase> { };

TEST_P(FrameThickness, IsTheFrameWidthAtTheDeviceResolution)
{
    EXPECT_EQ(frameThickness(GetParam().factor, GetParam().widthPt), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameThickness,
    ::testing::Values(ThicknessCase { 96.0L / 254, 1, 1 }, ThicknessCase { 96.0L / 254, 3, 4 },
        ThicknessCase { 600.0L / 254, 1, 8 }, ThicknessCase { 0.01L, 1, 1 }, ThicknessCase { 600.0L / 254, -1, 1 },
        ThicknessCase { 96.0L / 254, 0, 0 }));

TEST(FrameEdges, LieInsideTheRectangle)
{
    TBVFrame frame;
    frame.DrawTop = frame.DrawRight = true;
    const auto edges = frameEdgeRects({ 10, 20, 110, 70 }, frame, 2, 3);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_EQ(edges[0], (PageRect { 10, 20, 110, 23 }));
    EXPECT_EQ(edges[1], (PageRect { 108, 20, 110, 70 }));
}

} // namespace
