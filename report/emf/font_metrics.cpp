#include "report/emf/font_metrics.h"

#include "export/screen_metrics.h"

#include <algorithm>
#include <cmath>

using ScreenMetrics::roundToPixels;

QFont qtFontForPage(const PageFont& font, int pixelHeight)
{
    QFont qfont(font.face);
    qfont.setPixelSize(std::max(1, pixelHeight));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    return qfont;
}

int referenceTextHeight(const QFont& font)
{
    const QFontMetricsF& metrics = ScreenMetrics::metrics(font);
    return roundToPixels(metrics.ascent()) + roundToPixels(metrics.descent());
}

std::vector<uint32_t> referenceAdvances(const QFont& font, const QString& text)
{
    // Cumulative positions are rounded once each, so rounding errors do not
    // add up along a long line. A surrogate pair's advance goes to its first
    // unit, the second gets 0.
    const QFontMetricsF& metrics = ScreenMetrics::metrics(font);
    std::vector<uint32_t> advances(static_cast<size_t>(text.size()), 0);
    double position = 0;
    long previousEdge = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        position += metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1));
        // Halves away from zero: this only shares the rounded width out among
        // the characters, and stored pages keep the advances they are read with.
        const long edge = std::lround(position);
        advances[static_cast<size_t>(i)] = static_cast<uint32_t>(std::max(0L, edge - previousEdge));
        previousEdge = std::max(previousEdge, edge);
        if (pair)
            ++i;
    }
    return advances;
}
