#include "report/engine/reference_device.h"

#include <QFontMetricsF>
#include <QImage>
#include <map>

namespace {

constexpr qreal inchesPerMetre = 39.37007874015748;

const QImage& deviceImage(int dpi)
{
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

QFont ReferenceDevice::toQFont(const PageFont& font)
{
    QFont result(font.face);
    result.setPointSizeF(font.pointSize > 0 ? font.pointSize : 10);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

qreal ReferenceDevice::textWidth(const PageFont& font, const QString& text, int dpi)
{
    const QFontMetricsF metrics(toQFont(font), &deviceImage(dpi));
    return metrics.horizontalAdvance(text);
}

qreal ReferenceDevice::textHeight(const PageFont& font, int dpi)
{
    const QFontMetricsF metrics(toQFont(font), &deviceImage(dpi));
    return metrics.ascent() + metrics.descent();
}
