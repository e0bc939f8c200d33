#include "axis_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// Coordinates beyond this are off any real surface; clamping keeps the
// arithmetic of bar edges (left + size + 1) inside int.
constexpr double kPixelLimit = 1 << 30;
constexpr double kSmallestStep = 1e-12;
constexpr int kMaxSpaceLabels = 5000;
constexpr double kMaxValueLabels = 10000;

QString text15(double value) { return QString::number(value, 'g', 15); }

double firstLabelValue(double lo, double hi, double step, bool roundFirstLabel)
{
    if (!roundFirstLabel)
        return hi;
    double first = text15(lo) != text15(hi) ? std::trunc(hi / step) * step : hi;
    for (int guard = 0; first > hi && guard < 4; ++guard)
        first -= step;
    return first;
}

double searchStep(const LabelStepInput& input, double increment)
{
    const int n = input.labelCount;
    if (n < 1)
        return kSmallestStep;
    const double range = input.range;
    double step = 0;
    if (increment > 0) {
        step = increment;
    } else {
        step = range == 0 ? 1 : std::fabs(range) / (n + 1);
        if (range >= 1.1 && input.fewestPoints <= n)
            step = std::max(step, 1.0);
    }
    if (input.separationPercent > 0) {
        // Each pass at least doubles the step, so the range is passed within
        // a few thousand passes even from the smallest step.
        for (int guard = 0; guard < 4000; ++guard) {
            if (std::nearbyint(range / step) <= n)
                break;
            step = nextLabelStep(step);
            if (!std::isfinite(step)) {
                step = range;
                break;
            }
            if (step > range)
                break;
        }
    }
    return std::max(step, kSmallestStep);
}

} // namespace

int roundToPixel(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::nearbyint(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

int valueToPixel(double value, const AxisScale& scale)
{
    const double range = scale.hi - scale.lo;
    if (range == 0 || std::isnan(value))
        return (scale.p0 + scale.p1) / 2;
    const double offset = (value - scale.lo) * (scale.p1 - scale.p0) / range;
    const bool fromStart = scale.horizontal != scale.inverted;
    return roundToPixel(fromStart ? scale.p0 + offset : scale.p1 - offset);
}

double pixelToValue(int pixel, const AxisScale& scale)
{
    const int length = scale.p1 - scale.p0;
    if (length < 1)
        return 0;
    const double offset = double(pixel - scale.p0) * (scale.hi - scale.lo) / length;
    const bool fromStart = scale.horizontal != scale.inverted;
    return fromStart ? scale.lo + offset : scale.hi - offset;
}

AxisScale widenForMargins(const AxisScale& scale, int firstMargin, int lastMargin)
{
    AxisScale inner = scale;
    inner.p0 += firstMargin;
    inner.p1 -= lastMargin;
    // An axis too short for its margins keeps its range rather than collapsing to 0.
    if (inner.p1 - inner.p0 < 1 || (firstMargin == 0 && lastMargin == 0))
        return scale;
    const double a = pixelToValue(scale.p0, inner);
    const double b = pixelToValue(scale.p1, inner);
    AxisScale widened = scale;
    widened.lo = std::min(a, b);
    widened.hi = std::max(a, b);
    return widened;
}

double nextLabelStep(double step)
{
    if (!std::isfinite(step))
        return 1;
    if (step <= 0)
        return kSmallestStep;
    double scale = 1;
    for (int guard = 0; step >= 10 && guard < 400; ++guard) {
        step /= 10;
        scale *= 10;
    }
    for (int guard = 0; step < 1 && guard < 400; ++guard) {
        step *= 10;
        scale /= 10;
    }
    const double next = step < 2 ? 2 : step < 5 ? 5 : 10;
    return next * scale;
}

int labelsThatFit(int axisLength, int labelSize, int separationPercent)
{
    if (labelSize <= 0 || axisLength <= 0)
        return 1;
    const int gap = roundToPixel(double(separationPercent) * labelSize / 100.0);
    return roundToPixel(double(axisLength) / (labelSize + gap));
}

double labelStep(const LabelStepInput& input)
{
    const double step = searchStep(input, input.increment);
    // Without a smallest step, larger steps come out of the 1-2-5 sequence.
    if (input.increment == 0 && step >= 2)
        return searchStep(input, 1);
    return step;
}

std::vector<double> sizeEstimateValues(double lo, double hi, double increment, bool roundFirstLabel)
{
    double a = lo;
    double b = hi;
    if (roundFirstLabel && increment != 0) {
        a = std::nearbyint(lo) * increment;
        b = std::trunc(hi) * increment;
    }
    double middle = (a + b) * 0.5;
    for (int guard = 0; middle != 0 && middle == std::trunc(middle) && guard < 2100; ++guard)
        middle *= 0.5;
    std::vector<double> values { middle, b, a };
    if (increment != 0) {
        values.push_back(b - increment);
        values.push_back(a + increment);
    }
    return values;
}

std::vector<double> spaceLabelValues(double lo, double hi, double step, bool roundFirstLabel)
{
    const double first = roundFirstLabel ? std::trunc(hi / step) * step : hi;
    const double last = roundFirstLabel ? std::trunc(lo / step) * step : lo;
    const double steps = std::nearbyint((first - last) / step);
    const int count = std::isfinite(steps) ? int(std::clamp(steps, 0.0, kMaxSpaceLabels - 1.0)) + 1 : kMaxSpaceLabels;
    std::vector<double> values;
    values.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        values.push_back(first - i * step);
    return values;
}

std::vector<double> valueLabels(double lo, double hi, double step, bool roundFirstLabel)
{
    const double range = hi - lo;
    if (!(std::fabs(range / step) < kMaxValueLabels))
        return {};
    const double first = firstLabelValue(lo, hi, step, roundFirstLabel);
    if (range == 0 || std::fabs(range) < 1e-10 || text15(first) == text15(first - step))
        return { first };
    const double bound = lo >= 0 ? (lo - 1e-12) / (1 + 1e-12) : lo;
    std::vector<double> values;
    for (int i = 0; i <= kMaxValueLabels + 1; ++i) {
        const double value = first - i * step;
        if (value < bound)
            break;
        values.push_back(value);
    }
    return values;
}

std::vector<int> uncrowdedLabels(const std::vector<TextLabel>& labels, int separationPercent)
{
    std::vector<int> drawn;
    int previousPosition = 0;
    int previousHalf = 0;
    for (int i = 0; i < int(labels.size()); ++i) {
        const TextLabel& label = labels[std::size_t(i)];
        if (drawn.empty()) {
            previousHalf = label.size / 2;
        } else {
            const int half = (int(std::trunc(label.size * 0.02 * separationPercent)) + label.size) / 2;
            const bool fits = label.position >= previousPosition
                ? label.position - half >= previousPosition + previousHalf
                : previousPosition - previousHalf >= label.position + half;
            if (!fits)
                continue;
            previousHalf = half;
        }
        previousPosition = label.position;
        drawn.push_back(i);
    }
    return drawn;
}

int tickZoneWidth(const TickZone& zone)
{
    int ticks = zone.ticksVisible ? zone.tickLength : 0;
    if (zone.minorTicksVisible)
        ticks = std::max(ticks, zone.minorTickLength);
    return (zone.axisVisible ? zone.axisWidth + 1 : 0) + ticks;
}

std::vector<int> minorTickPositions(const std::vector<int>& ticks, int count)
{
    std::vector<int> positions;
    if (ticks.size() < 2 || count < 1)
        return positions;
    auto addInterval = [&](int from, int to) {
        for (int j = 1; j <= count; ++j)
            positions.push_back(to - roundToPixel(double(j) * (to - from) / (count + 1)));
    };
    const int spacing = ticks[1] - ticks[0];
    addInterval(ticks.front() - spacing, ticks.front());
    for (std::size_t i = 1; i < ticks.size(); ++i)
        addInterval(ticks[i - 1], ticks[i]);
    addInterval(ticks.back(), ticks.back() + spacing);
    return positions;
}

QString formatAxisValue(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    QString fixed = QString::number(std::fabs(value), 'f', 3);
    const int point = int(fixed.indexOf(QLatin1Char('.')));
    QString digits = fixed.left(point);
    QString decimals = fixed.mid(point + 1);
    while (decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char('.'));
    QString text = decimals.isEmpty() ? digits : digits + QLatin1Char(',') + decimals;
    const bool zero = digits == QLatin1String("0") && decimals.isEmpty();
    return value < 0 && !zero ? QLatin1Char('-') + text : text;
}
