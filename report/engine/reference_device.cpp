#include "report/engine/reference_device.h"

#include "export/screen_metrics.h"

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
    return ScreenMetrics::metrics(toQFont(font), dpi).horizontalAdvance(text);
}

qreal ReferenceDevice::textHeight(const PageFont& font, int dpi)
{
    const QFontMetricsF& metrics = ScreenMetrics::metrics(toQFont(font), dpi);
    return metrics.ascent() + metrics.descent();
}
