// Chart fonts and their text metrics on the surface being drawn.
#pragma once

#include "color.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPaintDevice;

struct TChartFont {
    QString Name = QStringLiteral("Arial");
    int Size = 8; // points
    bool Bold = false;
    TColor Color = clBlack;

    QFont toQFont() const;
};

// Whole-pixel text metrics of one font on one device; the layout only needs
// the height of "W", the width of "W" and the width of a string.
class TextMetrics {
public:
    TextMetrics(const TChartFont& font, const QPaintDevice* device);

    int height() const { return m_height; }
    int widthOfW() const { return m_widthOfW; }
    int width(const QString& text) const;
    int ascent() const { return m_ascent; }
    const QFont& font() const { return m_font; }

private:
    QFont m_font;
    QFontMetricsF m_metrics;
    int m_height;
    int m_widthOfW;
    int m_ascent;
};
