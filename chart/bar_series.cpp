#include "bar_series.h"

#include "axis.h"
#include "bar_layout.h"
#include "canvas.h"
#include "chart.h"

#include <QPainter>
#include <algorithm>

namespace {

// An outline-less rectangle fills the pixels its one-pixel outline would
// enclose, [left, right - 1) x [top, bottom - 1); the one-pixel growth of the
// bar rectangle makes that size + 1 columns and exactly the rows between the
// origin and the top, so stacked segments meet without gap or overlap.
void paintBar(QPainter& painter, ChartRect rect, TColor color, const TChartPen& pen)
{
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    const TChartPen fillPen { true, color, 1, Qt::SolidLine };
    if (rect.width() == 0 || rect.height() == 0) {
        drawLine(painter, fillPen, rect.left, rect.top, rect.right, rect.bottom);
        return;
    }
    if (!pen.Visible) {
        fillRect(painter, ChartRect { rect.left, rect.top, rect.right - 1, rect.bottom - 1 }, color);
        return;
    }
    if (rect.width() < pen.Width || rect.height() < pen.Width) {
        outlineRect(painter, rect, fillPen);
        return;
    }
    fillRect(painter, rect, color);
    outlineRect(painter, rect, pen);
}

} // namespace

double TBarSeries::PointOrigin(int index) const
{
    if (!stacked())
        return YOrigin;
    std::vector<double> below;
    for (const TBarSeries* other : activeBarSeries()) {
        if (other == this)
            break;
        if (other->stacked() && other->StackGroup == StackGroup && index < other->PointCount())
            below.push_back(other->YValues().Value(index));
    }
    return stackOrigin(below, index < PointCount() ? YValues().Value(index) : 0);
}

void TBarSeries::PrepareForDrawing()
{
    const std::vector<const TBarSeries*> bars = activeBarSeries();
    int most = 0;
    for (const TBarSeries* bar : bars)
        most = std::max(most, bar->PointCount());
    m_barPointCount = most + (SideMargins && most > 0 ? 1 : 0);

    m_positions = 1;
    m_rank = 1;
    if (stacked()) {
        std::vector<int> groups;
        for (const TBarSeries* bar : bars) {
            if (std::find(groups.begin(), groups.end(), bar->StackGroup) == groups.end())
                groups.push_back(bar->StackGroup);
        }
        m_positions = std::max(1, int(groups.size()));
        m_rank = int(std::find(groups.begin(), groups.end(), StackGroup) - groups.begin()) + 1;
    } else if (MultiBar == TMultiBar::mbSide) {
        m_positions = std::max(1, int(bars.size()));
        m_rank = int(std::find(bars.begin(), bars.end(), this) - bars.begin()) + 1;
    }
}

AxisMargins TBarSeries::HorizontalMargins(int axisLength)
{
    m_barSize = barSize({ axisLength, m_barPointCount, BarWidthPercent, m_positions, CustomBarWidth });
    const int margin = m_barSize * m_positions;
    return SideMargins ? AxisMargins { margin, margin } : AxisMargins { margin / 2, margin / 2 };
}

void TBarSeries::VerticalExtremes(double& lo, double& hi) const
{
    TChartSeries::VerticalExtremes(lo, hi);
    if (stacked()) {
        for (int i = 0; i < PointCount(); ++i) {
            const double top = PointOrigin(i) + YValues().Value(i);
            lo = std::min(lo, top);
            hi = std::max(hi, top);
        }
    }
    if (UseYOrigin) {
        lo = std::min(lo, YOrigin);
        hi = std::max(hi, YOrigin);
    }
}

void TBarSeries::Draw(QPainter& painter, const SeriesDrawContext& context) const
{
    const bool touching = BarWidthPercent == 100 && CustomBarWidth == 0;
    for (int i = 0; i < PointCount(); ++i) {
        const TColor color = PointColor(i);
        if (color == kNoColor)
            continue;
        const double origin = stacked() || UseYOrigin ? PointOrigin(i) : context.vertical.Scale().lo;
        BarPlacement bar;
        bar.xPixel = context.horizontal.CalcPosValue(XValues().Value(i));
        bar.size = m_barSize;
        bar.rank = m_rank;
        bar.positions = m_positions;
        bar.offsetPercent = OffsetPercent;
        bar.topPixel = context.vertical.CalcPosValue(origin + YValues().Value(i));
        bar.originPixel = context.vertical.CalcPosValue(origin);
        bar.penVisible = BarPen.Visible;
        ChartRect rect = barRectangle(bar);
        if (touching && i + 1 < PointCount())
            rect.right = barLeft(context, i + 1);
        paintBar(painter, rect, color, BarPen);
    }
}

std::vector<const TBarSeries*> TBarSeries::activeBarSeries() const
{
    std::vector<const TBarSeries*> bars;
    if (!ParentChart())
        return { this };
    for (const TChartSeries* series : ParentChart()->SeriesList()) {
        const auto* bar = dynamic_cast<const TBarSeries*>(series);
        if (bar && bar->Active())
            bars.push_back(bar);
    }
    return bars;
}

int TBarSeries::barLeft(const SeriesDrawContext& context, int index) const
{
    BarPlacement bar;
    bar.xPixel = context.horizontal.CalcPosValue(XValues().Value(index));
    bar.size = m_barSize;
    bar.rank = m_rank;
    bar.positions = m_positions;
    bar.offsetPercent = OffsetPercent;
    return barRectangle(bar).left;
}
