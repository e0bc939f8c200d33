// Axis arithmetic: value <-> pixel, the label step search, which value labels
// exist, which text labels fit, ticks. Pure functions; the axis only measures
// texts and draws what these return.
#pragma once

#include <QString>
#include <climits>
#include <vector>

// Rounds half to even, as every float-to-coordinate conversion of the chart does.
int roundToPixel(double value);

struct AxisScale {
    double lo = 0;
    double hi = 0;
    int p0 = 0; // left or top end
    int p1 = 0; // right or bottom end
    bool horizontal = true;
    bool inverted = false;
};

int valueToPixel(double value, const AxisScale& scale);
double pixelToValue(int pixel, const AxisScale& scale);

// The range that keeps the old extremes the given pixels inside both ends.
AxisScale widenForMargins(const AxisScale& scale, int firstMargin, int lastMargin);

// The step that follows t in the 1-2-5 sequence of decades.
double nextLabelStep(double step);

// How many labels of the given size fit an axis of the given length.
int labelsThatFit(int axisLength, int labelSize, int separationPercent);

struct LabelStepInput {
    double range = 0;
    int labelCount = 1; // labels that fit
    double increment = 0;
    int separationPercent = 10;
    int fewestPoints = INT_MAX; // smallest point count of the series laid along the axis
};

// The label step: the smallest step of the sequence that lets the labels fit.
double labelStep(const LabelStepInput& input);

// The values whose label texts decide the label size estimate.
std::vector<double> sizeEstimateValues(double lo, double hi, double increment, bool roundFirstLabel);

// The values whose labels are measured to reserve the vertical axis' label width.
std::vector<double> spaceLabelValues(double lo, double hi, double step, bool roundFirstLabel);

// The value labels from the top value down, at most 10000 steps of range.
std::vector<double> valueLabels(double lo, double hi, double step, bool roundFirstLabel);

struct TextLabel {
    int position = 0;
    int size = 0; // text width
};

// Indices of the text labels drawn when each must keep clear of the last one drawn.
std::vector<int> uncrowdedLabels(const std::vector<TextLabel>& labels, int separationPercent);

// Pixels between the plotting area and the labels: axis line and ticks.
struct TickZone {
    bool axisVisible = true;
    int axisWidth = 2;
    bool ticksVisible = true;
    int tickLength = 4;
    bool minorTicksVisible = true;
    int minorTickLength = 2;
};
int tickZoneWidth(const TickZone& zone);

// Minor tick positions between the given ticks and one interval beyond each end.
std::vector<int> minorTickPositions(const std::vector<int>& ticks, int count);

// A value label: thousands grouped with ".", up to three decimals after ",".
QString formatAxisValue(double value);
