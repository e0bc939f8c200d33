#include "chart/bar_layout.h"
#include "chart/panel_layout.h"

#include <gtest/gtest.h>

namespace {

struct MarginCase {
    int width;
    int height;
    ChartRect expected;
};

class PercentMargins : public ::testing::TestWithParam<MarginCase> { };

TEST_P(PercentMargins, ShrinkTheBoundsByThreeAndFourPercent)
{
    const MarginCase& c = GetParam();
    const ChartRect area = plotAreaInBounds({ 0, 0, c.width, c.height }, ChartMargins {}, 0, 400, 250);
    EXPECT_EQ(area, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PercentMargins,
    ::testing::Values(MarginCase { 600, 400, { 18, 16, 582, 384 } }, MarginCase { 472, 190, { 14, 7, 458, 183 } },
        MarginCase { 99, 99, { 2, 3, 97, 96 } }));

TEST(PlotArea, PixelMarginsAndFrameAddUp)
{
    ChartMargins margins { 5, 6, 7, 8, MarginUnits::Pixels };
    EXPECT_EQ(plotAreaInBounds({ 10, 20, 210, 120 }, margins, 2, 400, 250), (ChartRect { 17, 28, 201, 110 }));
}

TEST(PlotArea, CollapsedAreaNeverRunsBackwards)
{
    ChartMargins margins { 30, 30, 30, 30, MarginUnits::Pixels };
    const ChartRect area = plotAreaInBounds({ 0, 0, 40, 40 }, margins, 0, 400, 250);
    EXPECT_EQ(area.left, 30);
    EXPECT_EQ(area.right, 31);
    EXPECT_EQ(area.top, 30);
    EXPECT_EQ(area.bottom, 31);
    const ChartRect flat = plotAreaInBounds({ 0, 0, 60, 60 }, margins, 0, 400, 250);
    EXPECT_EQ(flat.right, 30 + 400);
    EXPECT_EQ(flat.bottom, 30 + 250);
}

TEST(Title, OneCentredLineTakesItsHeightPlusEightPixels)
{
    TitleGeometry geometry;
    geometry.frameWidth = 1;
    geometry.lineHeight = 12;
    geometry.widthOfW = 10;
    const TitlePlacement placement = placeTitle({ 18, 16, 582, 384 }, { 240 }, geometry);
    EXPECT_EQ(placement.plotTop, 16 + 12 + 8);
    EXPECT_EQ(placement.lineTop.at(0), 17);
    // The frame fits the text: width of "W" + frame + text, centred on the area.
    EXPECT_EQ(placement.box.width(), 251);
    EXPECT_EQ(placement.box.left, 300 - 125);
    EXPECT_EQ(placement.lineLeft.at(0), (175 + 426) / 2 - 120);
}

TEST(Title, AlignedLinesKeepHalfAWFromTheirEdge)
{
    TitleGeometry geometry;
    geometry.lineHeight = 10;
    geometry.widthOfW = 10;
    geometry.alignment = TitleAlignment::Left;
    const TitlePlacement left = placeTitle({ 0, 0, 200, 100 }, { 50, 80 }, geometry);
    EXPECT_EQ(left.lineLeft, (std::vector<int> { 5, 5 }));
    EXPECT_EQ(left.lineTop, (std::vector<int> { 0, 10 }));
    EXPECT_EQ(left.plotTop, 20 + 5);
    geometry.alignment = TitleAlignment::Right;
    const TitlePlacement right = placeTitle({ 0, 0, 200, 100 }, { 50, 80 }, geometry);
    EXPECT_EQ(right.lineLeft, (std::vector<int> { 200 - 50 - 5, 200 - 80 - 5 }));
}

struct BarSizeCase {
    BarSizeInput input;
    int expected;
};

class BarSizes : public ::testing::TestWithParam<BarSizeCase> { };

TEST_P(BarSizes, SeventyPercentOfThePointSpacingMadeEven) { EXPECT_EQ(barSize(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Examples, BarSizes,
    ::testing::Values(BarSizeCase { { 440, 11, 70, 1, 0 }, 28 }, // ten years plus the side margin
        BarSizeCase { { 45 * 11, 11, 70, 1, 0 }, 32 }, // 31.5 rounds to even
        BarSizeCase { { 43 * 11, 11, 70, 1, 0 }, 30 }, // 30.1
        BarSizeCase { { 47 * 11, 11, 70, 1, 0 }, 34 }, // 32.9 -> 33, odd -> 34
        BarSizeCase { { 47 * 11 + 10, 11, 70, 1, 0 }, 34 }, // the spacing is an integer division
        BarSizeCase { { 440, 11, 70, 2, 0 }, 14 }, // two stack groups share the width
        BarSizeCase { { 440, 0, 70, 1, 0 }, 0 }, // no points
        BarSizeCase { { 440, 11, 70, 1, 9 }, 9 })); // a custom width is kept as given

TEST(Stacking, ValuesStackBySign)
{
    // 1000 in the first series, -200 in the second, 300 in the third.
    EXPECT_EQ(stackOrigin({}, 1000), 0);
    EXPECT_EQ(stackOrigin({ 1000 }, -200), 0);
    EXPECT_EQ(stackOrigin({ 1000, -200 }, 300), 1000);
    EXPECT_EQ(stackOrigin({ 1000, -200, 300 }, -50), -200);
    EXPECT_EQ(stackOrigin({ 1000, -200 }, 0), 1000);
}

TEST(BarRectangle, OutlineLessBarsGrowToTheRightAndOnTheirLowerEdge)
{
    BarPlacement up;
    up.xPixel = 100;
    up.size = 28;
    up.topPixel = 50;
    up.originPixel = 200;
    EXPECT_EQ(barRectangle(up), (ChartRect { 86, 50, 116, 201 }));

    BarPlacement down = up;
    down.topPixel = 260; // a negative value reaches below its origin
    EXPECT_EQ(barRectangle(down), (ChartRect { 86, 261, 116, 200 }));

    BarPlacement outlined = up;
    outlined.penVisible = true;
    outlined.offsetPercent = 50;
    EXPECT_EQ(barRectangle(outlined), (ChartRect { 100, 50, 129, 200 }));
}

TEST(BarRectangle, SideBySideBarsSitLeftAndRightOfTheirX)
{
    BarPlacement bar;
    bar.xPixel = 100;
    bar.size = 10;
    bar.positions = 2;
    bar.penVisible = true;
    bar.rank = 1;
    EXPECT_EQ(barRectangle(bar).left, 90);
    bar.rank = 2;
    EXPECT_EQ(barRectangle(bar).left, 100);
}

} // namespace
