#include "chart.h"

#include "canvas.h"
#include "font.h"

#include <QPainter>
#include <algorithm>

namespace {

// 96 dots per inch, so that a bitmap measures text as the reference screen does.
constexpr int kDotsPerMeter96Dpi = 3780;

} // namespace

TChart::TChart()
    : ColorPalette(defaultPalette())
{
}

TChart::~TChart() = default;

TChartSeries& TChart::AddSeries(std::unique_ptr<TChartSeries> series)
{
    TChartSeries& added = *series;
    added.m_chart = this;
    m_series.push_back(&added);
    m_owned.push_back(std::move(series));
    if (added.m_color == kAutoColor)
        added.m_color = FreePaletteColor(&added);
    Invalidate();
    return added;
}

TChartSeries* TChart::FindSeries(const QString& name) const
{
    const auto found = std::find_if(m_series.begin(), m_series.end(), [&](auto* s) { return s->Name == name; });
    return found == m_series.end() ? nullptr : *found;
}

TColor TChart::FreePaletteColor(const TChartSeries* asking) const
{
    std::vector<TColor> taken { Color, BackWall.Color };
    for (const TChartSeries* series : m_series) {
        if (series != asking)
            taken.push_back(series->m_color);
    }
    return firstFreeColor(ColorPalette, taken);
}

void TChart::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
    Invalidate();
}

void TChart::Invalidate()
{
    if (!m_drawing && m_repaint)
        m_repaint();
}

void TChart::RenderChart(QPainter& painter, const QRect& rect)
{
    m_drawing = true;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    m_bounds = ChartRect { rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height() };
    m_plot = plotAreaInBounds(m_bounds, Margins, frameWidth(), m_width, m_height);
    fillRect(painter, m_bounds, Color);
    drawBevels(painter);

    const std::vector<TChartSeries*> active = activeSeries();
    for (TChartSeries* series : active)
        series->PrepareForDrawing();
    drawTitle(painter);
    layoutAxes(active, painter.device());

    const ChartRect wall { m_plot.left, m_plot.top, m_plot.right + 1, m_plot.bottom + 1 };
    if (!BackWall.Transparent)
        fillRect(painter, wall, BackWall.Color);
    outlineRect(painter, wall, BackWall.Pen);

    if (AxisBehind)
        drawAxes(painter, active);
    drawSeries(painter, active);
    if (!AxisBehind)
        drawAxes(painter, active);
    painter.restore();
    m_drawing = false;
}

QImage TChart::RenderToBitmap(TColor backColor, const QRect& rect, TPixelFormat format)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return QImage();
    QImage image(rect.size(), format == TPixelFormat::pf24bit ? QImage::Format_RGB888 : QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    image.fill(backColor == kNoColor ? QColor(Qt::white) : toQColor(backColor));
    // The image starts at the rectangle's corner, so the chart is drawn at the
    // origin whatever the rectangle's offset.
    QPainter painter(&image);
    RenderChart(painter, QRect(QPoint(0, 0), rect.size()));
    return image;
}

QImage TChart::RenderToBitmap() { return RenderToBitmap(Color, QRect(0, 0, m_width, m_height)); }

int TChart::frameWidth() const
{
    return BorderWidth + (BevelInner != TPanelBevel::bvNone ? BevelWidth : 0)
        + (BevelOuter != TPanelBevel::bvNone ? BevelWidth : 0);
}

std::vector<TChartSeries*> TChart::activeSeries() const
{
    std::vector<TChartSeries*> active;
    std::copy_if(m_series.begin(), m_series.end(), std::back_inserter(active), [](auto* s) { return s->Active(); });
    return active;
}

void TChart::drawBevels(QPainter& painter) const
{
    ChartRect edge = m_bounds;
    auto drawBevel = [&](TPanelBevel bevel) {
        if (bevel == TPanelBevel::bvNone)
            return;
        const TChartPen light { true, clWhite, 1, Qt::SolidLine };
        const TChartPen dark { true, clGray, 1, Qt::SolidLine };
        const TChartPen& topLeft = bevel == TPanelBevel::bvRaised ? light : dark;
        const TChartPen& bottomRight = bevel == TPanelBevel::bvRaised ? dark : light;
        for (int i = 0; i < BevelWidth; ++i) {
            drawLine(painter, topLeft, edge.left, edge.bottom - 1, edge.left, edge.top);
            drawLine(painter, topLeft, edge.left, edge.top, edge.right - 1, edge.top);
            drawLine(painter, bottomRight, edge.right - 1, edge.top, edge.right - 1, edge.bottom - 1);
            drawLine(painter, bottomRight, edge.right - 1, edge.bottom - 1, edge.left, edge.bottom - 1);
            edge = ChartRect { edge.left + 1, edge.top + 1, edge.right - 1, edge.bottom - 1 };
        }
    };
    drawBevel(BevelOuter);
    // The border lies between the outer and the inner bevel.
    edge = ChartRect { edge.left + BorderWidth, edge.top + BorderWidth, edge.right - BorderWidth,
        edge.bottom - BorderWidth };
    drawBevel(BevelInner);
}

void TChart::drawTitle(QPainter& painter)
{
    if (!Title.Visible || Title.Text.isEmpty())
        return;
    const TextMetrics metrics(Title.Font, painter.device());
    TitleGeometry geometry;
    geometry.frameWidth = Title.Frame.Visible && Title.Frame.Color != kAutoColor ? Title.Frame.Width : 0;
    geometry.lineHeight = metrics.height();
    geometry.widthOfW = metrics.widthOfW();
    geometry.vertMargin = Title.VertMargin;
    geometry.alignment = Title.Alignment;
    geometry.adjustFrame = Title.AdjustFrame;
    std::vector<int> widths;
    for (const QString& line : Title.Text)
        widths.push_back(metrics.width(line));
    const TitlePlacement placement = placeTitle(m_plot, widths, geometry);
    if (!Title.Transparent) {
        fillRect(painter, placement.box, Title.Color);
        outlineRect(painter, placement.box, Title.Frame);
    }
    for (int i = 0; i < int(widths.size()); ++i) {
        const auto at = std::size_t(i);
        drawText(painter, metrics, Title.Font.Color, placement.lineLeft[at], placement.lineTop[at], Title.Text[i]);
    }
    m_plot.top = placement.plotTop;
}

void TChart::layoutAxes(const std::vector<TChartSeries*>& active, const QPaintDevice* device)
{
    TChartAxis* axes[] = { &m_bottomAxis, &m_leftAxis };
    for (TChartAxis* axis : axes) {
        axis->CalcRange(active);
        axis->SetPixelRange(m_plot);
    }
    for (TChartAxis* axis : axes) {
        if (AxisVisible && axis->Visible)
            axis->TakeSpace(m_plot, active, device);
    }
    for (TChartAxis* axis : axes) {
        axis->SetPixelRange(m_plot);
        axis->ApplySeriesMargins(active);
        axis->CalcLabelStep(active, device);
    }
}

void TChart::drawAxes(QPainter& painter, const std::vector<TChartSeries*>& active)
{
    if (!AxisVisible)
        return;
    for (TChartAxis* axis : { &m_bottomAxis, &m_leftAxis }) {
        if (axis->Visible)
            axis->Draw(painter, m_plot, active);
    }
}

void TChart::drawSeries(QPainter& painter, const std::vector<TChartSeries*>& active) const
{
    const SeriesDrawContext context { m_bottomAxis, m_leftAxis };
    for (const TChartSeries* series : active) {
        if (series->PointCount() == 0)
            continue;
        painter.save();
        if (ClipPoints) {
            // The plotting area with one more row above and below, so that bars
            // and lines touching its edges are not cut.
            painter.setClipRect(
                QRect(m_plot.left, m_plot.top - 1, m_plot.right - m_plot.left + 1, m_plot.bottom - m_plot.top + 2),
                Qt::IntersectClip);
        }
        series->Draw(painter, context);
        painter.restore();
    }
}
