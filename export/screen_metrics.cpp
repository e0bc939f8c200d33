#include "export/screen_metrics.h"

#include <QImage>
#include <cmath>
#include <map>
#include <utility>

namespace ScreenMetrics {

namespace {

    const QImage& deviceImage(int dpi)
    {
        constexpr qreal inchesPerMetre = 39.37007874015748;
        static std::map<int, QImage> images;
        auto found = images.find(dpi);
        if (found == images.end()) {
            QImage image(1, 1, QImage::Format_RGB32);
            image.setDotsPerMeterX(qRound(dpi * inchesPerMetre));
            image.setDotsPerMeterY(qRound(dpi * inchesPerMetre));
            found = images.emplace(dpi, image).first;
        }
        return found->second;
    }

}

const QFontMetricsF& metrics(const QFont& font, int dpi)
{
    // A report uses few fonts; their metrics are made once per resolution.
    static std::map<std::pair<int, QString>, QFontMetricsF> known;
    const std::pair<int, QString> key { dpi, font.key() };
    auto found = known.find(key);
    if (found == known.end())
        found = known.emplace(key, QFontMetricsF(font, &deviceImage(dpi))).first;
    return found->second;
}

int roundToPixels(qreal pixels) { return static_cast<int>(std::nearbyint(pixels)); }

}

int screenTextWidth(const QFont& font, const QString& text)
{
    return ScreenMetrics::roundToPixels(ScreenMetrics::metrics(font).horizontalAdvance(text));
}
