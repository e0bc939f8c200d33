#include "font.h"

#include "axis_layout.h"

QFont TChartFont::toQFont() const
{
    QFont font(Name, Size);
    font.setBold(Bold);
    return font;
}

TextMetrics::TextMetrics(const TChartFont& font, const QPaintDevice* device)
    : m_font(font.toQFont())
    , m_metrics(m_font, device)
    , m_height(roundToPixel(m_metrics.height()))
    , m_widthOfW(roundToPixel(m_metrics.horizontalAdvance(QStringLiteral("W"))))
    , m_ascent(roundToPixel(m_metrics.ascent()))
{
}

int TextMetrics::width(const QString& text) const { return roundToPixel(m_metrics.horizontalAdvance(text)); }
