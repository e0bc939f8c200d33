#include "axis.h"

#include "canvas.h"
#include "series.h"

#include <QPainter>
#include <algorithm>
#include <climits>

TChartAxis::TChartAxis(bool horizontal) { m_scale.horizontal = horizontal; }

void TChartAxis::CalcRange(const std::vector<TChartSeries*>& series)
{
    bool found = false;
    double lo = 0;
    double hi = 0;
    for (const TChartSeries* s : series) {
        if (s->PointCount() == 0)
            continue;
        double seriesLo = 0;
        double seriesHi = 0;
        if (Horizontal())
            s->HorizontalExtremes(seriesLo, seriesHi);
        else
            s->VerticalExtremes(seriesLo, seriesHi);
        lo = found ? std::min(lo, seriesLo) : seriesLo;
        hi = found ? std::max(hi, seriesHi) : seriesHi;
        found = true;
    }
    m_scale.lo = AutomaticMinimum ? lo : Minimum;
    m_scale.hi = AutomaticMaximum ? hi : Maximum;
    m_scale.inverted = Inverted;
}

void TChartAxis::SetPixelRange(const ChartRect& area)
{
    const int start = Horizontal() ? area.left : area.top;
    const int extent = Horizontal() ? area.width() : area.height();
    m_scale.p0 = start + roundToPixel(double(extent) * StartPosition / 100.0);
    m_scale.p1 = start + roundToPixel(double(extent) * EndPosition / 100.0);
}

void TChartAxis::TakeSpace(ChartRect& area, const std::vector<TChartSeries*>& series, const QPaintDevice* device)
{
    if (Labels) {
        const TextMetrics metrics(LabelsFont, device);
        if (Horizontal()) {
            area.bottom -= metrics.height();
            m_posLabels = area.bottom;
        } else {
            if (resolvedLabelStyle(series) == TAxisLabelStyle::talValue) {
                const double step = stepFor(m_scale, series, metrics);
                int widest = 0;
                for (double value : spaceLabelValues(m_scale.lo, m_scale.hi, step, RoundFirstLabel))
                    widest = std::max(widest, metrics.width(formatAxisValue(value)));
                area.left += widest + metrics.width(QStringLiteral(" "));
            }
            m_posLabels = area.left;
        }
    }
    const int zone
        = tickZoneWidth({ Axis.Visible, Axis.Width, Ticks.Visible, TickLength, MinorTicks.Visible, MinorTickLength });
    if (Horizontal()) {
        area.bottom -= zone;
        m_posAxis = area.bottom;
    } else {
        area.left += zone;
        m_posAxis = area.left;
    }
}

void TChartAxis::ApplySeriesMargins(const std::vector<TChartSeries*>& series)
{
    if (!Horizontal())
        return;
    AxisMargins widest;
    for (TChartSeries* s : series) {
        const AxisMargins margins = s->HorizontalMargins(Length());
        widest.first = std::max(widest.first, margins.first);
        widest.last = std::max(widest.last, margins.last);
    }
    const AxisMargins counted { AutomaticMinimum ? widest.first : 0, AutomaticMaximum ? widest.last : 0 };
    const AxisScale widened
        = widenForMargins(m_scale, Inverted ? counted.last : counted.first, Inverted ? counted.first : counted.last);
    m_scale.lo = AutomaticMinimum ? widened.lo : m_scale.lo;
    m_scale.hi = AutomaticMaximum ? widened.hi : m_scale.hi;
}

void TChartAxis::CalcLabelStep(const std::vector<TChartSeries*>& series, const QPaintDevice* device)
{
    m_step = stepFor(m_scale, series, TextMetrics(LabelsFont, device));
}

void TChartAxis::Draw(QPainter& painter, const ChartRect& plot, const std::vector<TChartSeries*>& series)
{
    m_ticks.clear();
    if (Labels) {
        const TextMetrics metrics(LabelsFont, painter.device());
        const TAxisLabelStyle style = resolvedLabelStyle(series);
        if (style == TAxisLabelStyle::talValue)
            drawValueLabels(painter, metrics);
        else if (style == TAxisLabelStyle::talText && Horizontal())
            drawTextLabels(painter, metrics, series);
    }
    drawLines(painter, plot);
}

TAxisLabelStyle TChartAxis::resolvedLabelStyle(const std::vector<TChartSeries*>& series) const
{
    if (LabelStyle != TAxisLabelStyle::talAuto)
        return LabelStyle;
    if (series.empty())
        return TAxisLabelStyle::talNone;
    // Point texts run along the X direction, so only a horizontal axis shows them.
    const bool texts
        = Horizontal() && std::any_of(series.begin(), series.end(), [](auto* s) { return s->HasPointTexts(); });
    return texts ? TAxisLabelStyle::talText : TAxisLabelStyle::talValue;
}

double TChartAxis::stepFor(
    const AxisScale& scale, const std::vector<TChartSeries*>& series, const TextMetrics& metrics) const
{
    LabelStepInput input;
    input.range = scale.hi - scale.lo;
    input.labelCount = labelsThatFit(scale.p1 - scale.p0, labelSizeEstimate(scale, metrics), LabelsSeparation);
    input.increment = Increment;
    input.separationPercent = LabelsSeparation;
    if (Horizontal()) {
        for (const TChartSeries* s : series)
            input.fewestPoints = std::min(input.fewestPoints, s->PointCount());
    }
    return labelStep(input);
}

int TChartAxis::labelSizeEstimate(const AxisScale& scale, const TextMetrics& metrics) const
{
    if (!Horizontal())
        return metrics.height();
    int size = 0;
    for (double value : sizeEstimateValues(scale.lo, scale.hi, Increment, RoundFirstLabel))
        size = std::max(size, metrics.width(formatAxisValue(value)));
    return size;
}

void TChartAxis::drawValueLabels(QPainter& painter, const TextMetrics& metrics)
{
    for (double value : valueLabels(m_scale.lo, m_scale.hi, m_step, RoundFirstLabel)) {
        const int position = CalcPosValue(value);
        if (LabelsOnAxis || (position > m_scale.p0 && position < m_scale.p1))
            drawLabel(painter, metrics, position, formatAxisValue(value));
    }
}

void TChartAxis::drawTextLabels(QPainter& painter, const TextMetrics& metrics, const std::vector<TChartSeries*>& series)
{
    int count = 0;
    for (const TChartSeries* s : series)
        count = std::max(count, s->PointCount());
    std::vector<TextLabel> candidates;
    std::vector<QString> texts;
    for (int i = 0; i < count; ++i) {
        auto shows = [i](const TChartSeries* s) { return i < s->PointCount() && !s->PointText(i).isEmpty(); };
        const auto owner = std::find_if(series.begin(), series.end(), shows);
        if (owner == series.end())
            continue;
        const double x = (*owner)->XValues().Value(i);
        if (x < m_scale.lo || x > m_scale.hi)
            continue;
        texts.push_back((*owner)->PointText(i));
        candidates.push_back({ CalcPosValue(x), metrics.width(texts.back()) });
    }
    for (int index : uncrowdedLabels(candidates, LabelsSeparation))
        drawLabel(painter, metrics, candidates[std::size_t(index)].position, texts[std::size_t(index)]);
}

void TChartAxis::drawLabel(QPainter& painter, const TextMetrics& metrics, int position, const QString& text)
{
    const int width = metrics.width(text);
    if (Horizontal())
        drawText(painter, metrics, LabelsFont.Color, position - width / 2, m_posLabels, text);
    else
        drawText(painter, metrics, LabelsFont.Color, m_posLabels - width, position - metrics.height() / 2, text);
    m_ticks.push_back(position);
}

void TChartAxis::drawLines(QPainter& painter, const ChartRect& plot)
{
    const int p0 = m_scale.p0;
    const int p1 = m_scale.p1;
    auto inside = [p0, p1](const std::vector<int>& positions) {
        std::vector<int> result;
        std::copy_if(positions.begin(), positions.end(), std::back_inserter(result),
            [p0, p1](int p) { return p > p0 && p < p1; });
        return result;
    };
    // Outward is down for the bottom axis and left for the left axis.
    const int outward = Horizontal() ? 1 : -1;
    if (Horizontal())
        drawLine(painter, Axis, p0, m_posAxis, p1, m_posAxis);
    else
        drawLine(painter, Axis, m_posAxis, p0, m_posAxis, p1);
    drawTicks(painter, Ticks, m_ticks, m_posAxis + outward, outward * TickLength);
    for (int t : inside(m_ticks)) {
        if (Horizontal())
            drawLine(painter, Grid, t, plot.top + 1, t, plot.bottom);
        else
            drawLine(painter, Grid, plot.left + 1, t, plot.right, t);
    }
    if (TickInnerLength > 0)
        drawTicks(painter, TicksInner, m_ticks, m_posAxis - outward, -outward * TickInnerLength);
    if (MinorTicks.Visible && m_ticks.size() >= 2) {
        drawTicks(painter, MinorTicks, inside(minorTickPositions(m_ticks, MinorTickCount)), m_posAxis + outward,
            outward * MinorTickLength);
    }
}

void TChartAxis::drawTicks(
    QPainter& painter, const TChartPen& pen, const std::vector<int>& positions, int start, int length)
{
    for (int t : positions) {
        if (Horizontal())
            drawLine(painter, pen, t, start, t, start + length);
        else
            drawLine(painter, pen, start, t, start + length, t);
    }
}
