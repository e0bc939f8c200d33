#include "report/emf/font_metrics.h"

#include <QFontMetricsF>
#include <QImage>
#include <cmath>

namespace {

const QImage& referenceDevice()
{
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(3780); // 96 dpi
        img.setDotsPerMeterY(3780);
        return img;
    }();
    return image;
}

}

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

int referenceTextWidth(const QFont& font, const QString& text)
{
    QFontMetricsF metrics(font, &referenceDevice());
    return static_cast<int>(std::nearbyint(metrics.horizontalAdvance(text)));
}

int referenceTextHeight(const QFont& font)
{
    QFontMetricsF metrics(font, &referenceDevice());
    return static_cast<int>(std::nearbyint(metrics.ascent()) + std::nearbyint(metrics.descent()));
}

std::vector<uint32_t> referenceAdvances(const QFont& font, const QString& text)
{
    // Cumulative positions are rounded once each, so rounding errors do not
    // add up along a long line. A surrogate pair's advance goes to its first
    // unit, the second gets 0.
    QFontMetricsF metrics(font, &referenceDevice());
    std::vector<uint32_t> advances(static_cast<size_t>(text.size()), 0);
    double position = 0;
    long previousEdge = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        position += metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1));
        const long edge = std::lround(position);
        advances[static_cast<size_t>(i)] = static_cast<uint32_t>(std::max(0L, edge - previousEdge));
        previousEdge = std::max(previousEdge, edge);
        if (pair)
            ++i;
    }
    return advances;
}
