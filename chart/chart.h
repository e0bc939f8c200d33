// A two-dimensional chart: background, title, back wall, the bottom and left
// axes and an ordered list of series, drawn into any rectangle of any
// painter or into a new bitmap.
#pragma once

#include "axis.h"
#include "back_wall.h"
#include "color.h"
#include "panel_layout.h"
#include "series.h"
#include "title.h"

#include <QImage>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TPixelFormat { pfDevice, pf24bit };

class TChart {
public:
    TChart();
    ~TChart();
    TChart(const TChart&) = delete;
    TChart& operator=(const TChart&) = delete;

    // Settings; change them before drawing or call Invalidate afterwards.
    TColor Color = clWhite;
    TPanelBevel BevelOuter = TPanelBevel::bvNone;
    TPanelBevel BevelInner = TPanelBevel::bvNone;
    int BevelWidth = 1;
    int BorderWidth = 0;
    ChartMargins Margins;
    TChartTitle Title;
    TChartBackWall BackWall;
    bool AxisBehind = true;
    bool AxisVisible = true;
    bool ClipPoints = true;
    std::array<TColor, 20> ColorPalette;

    TChartAxis& BottomAxis() { return m_bottomAxis; }
    TChartAxis& LeftAxis() { return m_leftAxis; }
    const TChartAxis& BottomAxis() const { return m_bottomAxis; }
    const TChartAxis& LeftAxis() const { return m_leftAxis; }

    // Adds a series at the end of the list (drawn last, stacked on top); a
    // series without a colour gets the first free palette colour.
    template <class Series> Series& AddSeries()
    {
        auto series = std::make_unique<Series>();
        Series& added = *series;
        AddSeries(std::move(series));
        return added;
    }
    TChartSeries& AddSeries(std::unique_ptr<TChartSeries> series);
    const std::vector<TChartSeries*>& SeriesList() const { return m_series; }
    TChartSeries* FindSeries(const QString& name) const;

    // The first palette colour used by no other series, the background or the back wall.
    TColor FreePaletteColor(const TChartSeries* asking) const;

    // The size of the chart control on screen.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetSize(int width, int height);

    // Called on every change that needs a repaint, except while drawing.
    void SetRepaintHandler(std::function<void()> handler) { m_repaint = std::move(handler); }
    void Invalidate();

    void RenderChart(QPainter& painter, const QRect& rect);
    // A new 96-dpi image of rect's size with the chart laid out for that size.
    QImage RenderToBitmap(TColor backColor, const QRect& rect, TPixelFormat format = TPixelFormat::pfDevice);
    QImage RenderToBitmap();

    // Geometry of the latest drawing.
    const ChartRect& ChartBounds() const { return m_bounds; }
    const ChartRect& PlotArea() const { return m_plot; }

private:
    int frameWidth() const;
    std::vector<TChartSeries*> activeSeries() const;
    void drawBevels(QPainter& painter) const;
    void drawTitle(QPainter& painter);
    void layoutAxes(const std::vector<TChartSeries*>& active, const QPaintDevice* device);
    void drawAxes(QPainter& painter, const std::vector<TChartSeries*>& active);
    void drawSeries(QPainter& painter, const std::vector<TChartSeries*>& active) const;

    TChartAxis m_bottomAxis { true };
    TChartAxis m_leftAxis { false };
    std::vector<std::unique_ptr<TChartSeries>> m_owned;
    std::vector<TChartSeries*> m_series;
    int m_width = 400;
    int m_height = 250;
    std::function<void()> m_repaint;
    bool m_drawing = false;
    ChartRect m_bounds;
    ChartRect m_plot;
};
