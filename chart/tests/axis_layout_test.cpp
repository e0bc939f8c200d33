#include "chart/axis_layout.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct StepCase {
    double step;
    double next;
};

class NextStep : public ::testing::TestWithParam<StepCase> { };

TEST_P(NextStep, FollowsOneTwoFivePerDecade) { EXPECT_DOUBLE_EQ(nextLabelStep(GetParam().step), GetParam().next); }

INSTANTIATE_TEST_SUITE_P(Sequence, NextStep,
    ::testing::Values(StepCase { 100, 200 }, StepCase { 200, 500 }, StepCase { 500, 1000 }, StepCase { 2000, 5000 },
        StepCase { 3, 5 }, StepCase { 1.5, 2 }, StepCase { 1, 2 }, StepCase { 7, 10 }, StepCase { 0.3, 0.5 },
        StepCase { 0.02, 0.05 }, StepCase { std::numeric_limits<double>::infinity(), 1 }, StepCase { 0, 1e-12 }));

struct FitCase {
    int length;
    int size;
    int expected;
};

class LabelsThatFit : public ::testing::TestWithParam<FitCase> { };

TEST_P(LabelsThatFit, LeaveTenPercentBetweenLabels)
{
    EXPECT_EQ(labelsThatFit(GetParam().length, GetParam().size, 10), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LabelsThatFit,
    ::testing::Values(FitCase { 329, 12, 25 }, // 12 + Round(1.2) = 13 per label
        FitCase { 130, 12, 10 }, FitCase { 150, 20, 7 }, // 150 / 22 = 6.8
        FitCase { 0, 12, 1 }, FitCase { 100, 0, 1 }));

struct LabelStepCase {
    LabelStepInput input;
    double expected;
};

class LabelSteps : public ::testing::TestWithParam<LabelStepCase> { };

TEST_P(LabelSteps, SmallestStepWhoseLabelsFit) { EXPECT_DOUBLE_EQ(labelStep(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Searches, LabelSteps,
    ::testing::Values(
        // Room for ten labels over 0 .. 41134.80: 100, 200, 500, 1000, 2000 give too many, 5000 gives 8.
        LabelStepCase { { 41134.80, 10, 100, 10, INT_MAX }, 5000 },
        LabelStepCase { { 41134.80, 25, 100, 10, INT_MAX }, 2000 },
        LabelStepCase { { 300, 10, 100, 10, INT_MAX }, 100 }, // the increment already fits
        LabelStepCase { { 0, 10, 100, 10, INT_MAX }, 100 }, // a zero range keeps the increment
        LabelStepCase { { 9, 10, 1, 10, 10 }, 1 }, // ten years on a wide axis
        LabelStepCase { { 99, 20, 1, 10, 100 }, 5 }, // a hundred years
        LabelStepCase { { 41134.80, 0, 100, 10, INT_MAX }, 1e-12 }, // no room at all
        LabelStepCase { { 5, 10, 0, 10, INT_MAX }, 0.5 }, // no increment: 5 / 11 grows to 0.5
        LabelStepCase { { 5, 10, 0, 10, 3 }, 1 }, // few points: at least 1
        LabelStepCase { { 1000, 3, 0, 10, INT_MAX }, 500 }, // 250 -> 500, recomputed from 1 up
        LabelStepCase { { 1000, 3, 100, 0, INT_MAX }, 100 })); // no separation: no search

TEST(LabelStep, HugeRangeEndsWithFiniteStep)
{
    const double step = labelStep({ 1e308, 10, 0, 10, INT_MAX });
    EXPECT_TRUE(std::isfinite(step));
    EXPECT_GE(step, 1e306);
}

QStringList texts(const std::vector<double>& values)
{
    QStringList result;
    for (double value : values)
        result << formatAxisValue(value);
    return result;
}

TEST(ValueLabels, RunFromTheLargestMultipleDownToZero)
{
    EXPECT_EQ(texts(valueLabels(0, 41134.80, 5000, true)),
        (QStringList { "40.000", "35.000", "30.000", "25.000", "20.000", "15.000", "10.000", "5.000", "0" }));
}

TEST(ValueLabels, ReachBelowZeroForNegativeBars)
{
    EXPECT_EQ(texts(valueLabels(-5000, 12000, 5000, true)), (QStringList { "10.000", "5.000", "0", "-5.000" }));
}

TEST(ValueLabels, ZeroRangeGivesOneLabel)
{
    EXPECT_EQ(texts(valueLabels(0, 0, 100, true)), QStringList { "0" });
    EXPECT_EQ(texts(valueLabels(250, 250, 100, true)), QStringList { "250" });
}

TEST(ValueLabels, WithoutRoundingStartAtTheTop)
{
    EXPECT_EQ(valueLabels(0.5, 10.5, 5, false), (std::vector<double> { 10.5, 5.5, 0.5 }));
}

TEST(ValueLabels, TooManyStepsDrawNone) { EXPECT_TRUE(valueLabels(0, 1e9, 1, true).empty()); }

struct FormatCase {
    double value;
    const char* text;
};

class AxisValueText : public ::testing::TestWithParam<FormatCase> { };

TEST_P(AxisValueText, GroupsThousandsWithPointsAndUsesDecimalComma)
{
    EXPECT_EQ(formatAxisValue(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, AxisValueText,
    ::testing::Values(FormatCase { 2500, "2.500" }, FormatCase { 12.5, "12,5" }, FormatCase { 0, "0" },
        FormatCase { -5000, "-5.000" }, FormatCase { 1234567.125, "1.234.567,125" }, FormatCase { -0.0001, "0" },
        FormatCase { 999, "999" }, FormatCase { 41134.8, "41.134,8" }));

TEST(PixelConversion, VerticalValuesGrowUpwards)
{
    const AxisScale scale { 0, 40000, 36, 365, false, false };
    EXPECT_EQ(valueToPixel(0, scale), 365);
    EXPECT_EQ(valueToPixel(40000, scale), 36);
    EXPECT_EQ(valueToPixel(20000, scale), 200); // 365 - 164.5 rounds half to even
    EXPECT_DOUBLE_EQ(pixelToValue(36, scale), 40000);
    EXPECT_DOUBLE_EQ(pixelToValue(365, scale), 0);
}

TEST(PixelConversion, HorizontalAndInvertedAndZeroRange)
{
    const AxisScale scale { 0, 10, 100, 200, true, false };
    EXPECT_EQ(valueToPixel(5, scale), 150);
    EXPECT_EQ(valueToPixel(5, { 0, 10, 100, 201, true, false }), 150); // 150.5 rounds to even
    EXPECT_EQ(valueToPixel(5, { 0, 10, 102, 205, true, false }), 154); // 153.5 rounds to even
    AxisScale inverted = scale;
    inverted.inverted = true;
    EXPECT_EQ(valueToPixel(2, inverted), 180);
    const AxisScale zero { 3, 3, 100, 201, true, false };
    EXPECT_EQ(valueToPixel(-1e9, zero), 150);
    EXPECT_EQ(valueToPixel(3, zero), 150);
    EXPECT_EQ(valueToPixel(1e300, scale), 1 << 30); // clamped, not overflowing
}

TEST(PixelConversion, MarginsPutTheExtremesInsideTheEnds)
{
    // Ten years on a 440-pixel axis with 28-pixel bar margins.
    const AxisScale widened = widenForMargins({ 0, 9, 60, 500, true, false }, 28, 28);
    EXPECT_EQ(widened.p0, 60);
    EXPECT_EQ(widened.p1, 500);
    EXPECT_EQ(valueToPixel(0, widened), 88);
    EXPECT_EQ(valueToPixel(9, widened), 472);
    // A single year keeps a zero range: everything sits in the middle.
    const AxisScale single = widenForMargins({ 0, 0, 60, 500, true, false }, 100, 100);
    EXPECT_EQ(valueToPixel(0, single), 280);
}

TEST(TextLabels, CrowdedLabelsAreSkipped)
{
    // Year numbers 12 pixels wide every 4 pixels: only every fourth fits.
    std::vector<TextLabel> dense;
    for (int i = 0; i < 12; ++i)
        dense.push_back({ i * 4, 12 });
    EXPECT_EQ(uncrowdedLabels(dense, 10), (std::vector<int> { 0, 4, 8 }));

    std::vector<TextLabel> wide { { 0, 6 }, { 40, 12 }, { 80, 12 } };
    EXPECT_EQ(uncrowdedLabels(wide, 10), (std::vector<int> { 0, 1, 2 }));
}

TEST(TextLabels, LeftwardLabelsKeepClearToo)
{
    std::vector<TextLabel> leftwards { { 100, 10 }, { 95, 10 }, { 85, 10 } };
    EXPECT_EQ(uncrowdedLabels(leftwards, 10), (std::vector<int> { 0, 2 }));
}

TEST(Ticks, DefaultZoneIsSevenPixels)
{
    EXPECT_EQ(tickZoneWidth(TickZone {}), 7);
    EXPECT_EQ(tickZoneWidth({ false, 2, false, 4, true, 2 }), 2);
    EXPECT_EQ(tickZoneWidth({ true, 1, true, 1, true, 3 }), 5);
}

TEST(Ticks, MinorTicksFillEveryIntervalAndOneBeyondEachEnd)
{
    EXPECT_EQ(minorTickPositions({ 10, 30 }, 3), (std::vector<int> { 5, 0, -5, 25, 20, 15, 45, 40, 35 }));
    EXPECT_TRUE(minorTickPositions({ 10 }, 3).empty());
}

TEST(LabelEstimate, MiddleIsHalvedUntilItHasAFraction)
{
    const std::vector<double> values = sizeEstimateValues(0, 41134.8, 100, true);
    ASSERT_EQ(values.size(), 5u);
    EXPECT_DOUBLE_EQ(values[0], 257087.5); // 2056700 halved three times
    EXPECT_DOUBLE_EQ(values[1], 4113400);
    EXPECT_DOUBLE_EQ(values[2], 0);
    EXPECT_EQ(sizeEstimateValues(0, 0, 0, true), (std::vector<double> { 0, 0, 0 }));
}

TEST(SpaceLabels, MeasuredFromTheTopMultipleAndBounded)
{
    EXPECT_EQ(spaceLabelValues(0, 41134.8, 5000, true).front(), 40000);
    EXPECT_EQ(spaceLabelValues(0, 41134.8, 5000, true).back(), 0);
    EXPECT_EQ(spaceLabelValues(0, 1e9, 1, true).size(), 5000u);
}

} // namespace
