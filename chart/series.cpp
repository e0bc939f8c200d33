#include "series.h"

#include "chart.h"
#include "function.h"

TChartSeries::TChartSeries()
    : m_x(QStringLiteral("X"), TChartListOrder::loAscending)
    , m_y(QStringLiteral("Y"), TChartListOrder::loNone)
{
}

TChartSeries::~TChartSeries() = default;

void TChartSeries::SetActive(bool active)
{
    m_active = active;
    Changed();
}

void TChartSeries::ClearPoints()
{
    m_x.Clear();
    m_y.Clear();
    m_texts.clear();
    m_colors.clear();
    Changed();
}

int TChartSeries::AppendPoint(double value, const QString& text, TColor color)
{
    return InsertPoint(PointCount(), value, text, color);
}

int TChartSeries::InsertPoint(double x, double y, const QString& text, TColor color)
{
    const int index = m_x.InsertionIndex(x);
    const auto at = std::size_t(index);
    m_x.Insert(index, x);
    m_y.Insert(index, y);
    if (!text.isEmpty() && m_texts.empty())
        m_texts.resize(std::size_t(PointCount() - 1));
    if (!m_texts.empty() || !text.isEmpty())
        m_texts.insert(m_texts.begin() + long(at), text);
    if (color != kAutoColor && m_colors.empty())
        m_colors.resize(std::size_t(PointCount() - 1), kAutoColor);
    if (!m_colors.empty())
        m_colors.insert(m_colors.begin() + long(at), color);
    Changed();
    return index;
}

QString TChartSeries::PointText(int index) const
{
    if (m_texts.empty() || index < 0 || index >= PointCount())
        return QString();
    return m_texts[std::size_t(index)];
}

bool TChartSeries::HasPointTexts() const
{
    for (const QString& text : m_texts) {
        if (!text.isEmpty())
            return true;
    }
    return false;
}

TColor TChartSeries::PointColor(int index) const
{
    if (!m_colors.empty() && index >= 0 && index < PointCount()) {
        const TColor own = m_colors[std::size_t(index)];
        if (own != kAutoColor)
            return own;
    }
    return SeriesColor();
}

TColor TChartSeries::SeriesColor() const
{
    if (m_color == kAutoColor && m_chart)
        return m_chart->FreePaletteColor(this);
    return m_color;
}

void TChartSeries::SetSeriesColor(TColor color)
{
    m_color = color;
    Changed();
}

void TChartSeries::AddDataSource(TChartSeries* source)
{
    if (source && source != this)
        m_dataSources.push_back(source);
}

TChartSeries* TChartSeries::DataSource() const { return m_dataSources.empty() ? nullptr : m_dataSources.front(); }

void TChartSeries::SetFunction(std::unique_ptr<TChartFunction> function)
{
    m_function = std::move(function);
    if (m_function)
        m_function->m_parent = this;
}

void TChartSeries::BeginUpdate() { ++m_updateDepth; }

void TChartSeries::EndUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0 && m_changedWhileUpdating) {
        m_changedWhileUpdating = false;
        Changed();
    }
}

AxisMargins TChartSeries::HorizontalMargins(int) { return {}; }

void TChartSeries::HorizontalExtremes(double& lo, double& hi) const
{
    lo = m_x.MinValue();
    hi = m_x.MaxValue();
}

void TChartSeries::VerticalExtremes(double& lo, double& hi) const
{
    lo = m_y.MinValue();
    hi = m_y.MaxValue();
}

void TChartSeries::Changed()
{
    if (m_updateDepth > 0) {
        m_changedWhileUpdating = true;
        return;
    }
    if (m_chart)
        m_chart->Invalidate();
}
