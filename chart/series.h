// The base of every chart series: the points (X and Y values, texts, colours),
// the series colour, its data sources and function, and the hooks through
// which the chart lays out and draws it.
#pragma once

#include "color.h"
#include "value_list.h"

#include <QString>
#include <memory>
#include <vector>

class QPainter;
class TChart;
class TChartAxis;
class TChartFunction;

struct SeriesDrawContext {
    const TChartAxis& horizontal;
    const TChartAxis& vertical;
};

struct AxisMargins {
    int first = 0;
    int last = 0;
};

class TChartSeries {
public:
    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    QString Name; // component name, e.g. "Series1"
    QString Title; // shown name, e.g. "Kapitaleinsatz"

    bool Active() const { return m_active; }
    void SetActive(bool active);

    // Points. X of an appended point is the number of points before it.
    void ClearPoints();
    int AppendPoint(double value, const QString& text = QString(), TColor color = kAutoColor);
    int InsertPoint(double x, double y, const QString& text, TColor color);
    int PointCount() const { return m_y.Count(); }
    const TChartValueList& XValues() const { return m_x; }
    const TChartValueList& YValues() const { return m_y; }
    TChartValueList& XValues() { return m_x; }
    TChartValueList& YValues() { return m_y; }
    QString PointText(int index) const;
    bool HasPointTexts() const;
    // The point's own colour, else the series colour.
    TColor PointColor(int index) const;

    // The set colour, or the chart's free palette colour while automatic.
    TColor SeriesColor() const;
    void SetSeriesColor(TColor color);

    // The series this one is computed from, and how.
    void AddDataSource(TChartSeries* source);
    const std::vector<TChartSeries*>& DataSources() const { return m_dataSources; }
    TChartSeries* DataSource() const;
    void SetFunction(std::unique_ptr<TChartFunction> function);
    TChartFunction* Function() const { return m_function.get(); }

    TChart* ParentChart() const { return m_chart; }

    // Repaint requests are held back between these two calls and sent once at the end.
    void BeginUpdate();
    void EndUpdate();

    // Layout and drawing hooks, called by the chart during one drawing.
    virtual void PrepareForDrawing() { }
    virtual AxisMargins HorizontalMargins(int axisLength);
    virtual void HorizontalExtremes(double& lo, double& hi) const;
    virtual void VerticalExtremes(double& lo, double& hi) const;
    virtual void Draw(QPainter& painter, const SeriesDrawContext& context) const = 0;

protected:
    void Changed();

private:
    friend class TChart;

    TChart* m_chart = nullptr;
    bool m_active = true;
    TColor m_color = kAutoColor;
    TChartValueList m_x;
    TChartValueList m_y;
    std::vector<QString> m_texts; // empty until some point has a text
    std::vector<TColor> m_colors; // empty until some point has a colour
    std::vector<TChartSeries*> m_dataSources;
    std::unique_ptr<TChartFunction> m_function;
    int m_updateDepth = 0;
    bool m_changedWhileUpdating = false;
};
