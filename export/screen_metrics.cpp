#include "export/screen_metrics.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

int screenTextWidth(const QFont& font, const QString& text)
{
    static const QImage screen = [] {
        constexpr qreal inchesPerMetre = 39.37007874015748;
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(96 * inchesPerMetre));
        image.setDotsPerMeterY(qRound(96 * inchesPerMetre));
        return image;
    }();
    // A report uses few fonts; their metrics are made once.
    static QHash<QString, QFontMetricsF> metrics;
    auto found = metrics.find(font.key());
    if (found == metrics.end())
        found = metrics.insert(font.key(), QFontMetricsF(font, &screen));
    return qRound(found->horizontalAdvance(text));
}
