#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

// The one device every text of a report is measured on: a bitmap of 96
// pixels per inch, the screen a report is laid out for, whatever display the
// program has or none. Layout, the page store and the exports measure alike,
// and round alike: to the nearest pixel, halves to even.
namespace ScreenMetrics {

constexpr int ScreenDpi = 96;

// The font's metrics on a bitmap of the given resolution (a printer's, when
// a report lays out for one).
const QFontMetricsF& metrics(const QFont& font, int dpi = ScreenDpi);
int roundToPixels(qreal pixels);

}

// Text width in whole pixels on the 96-dpi screen.
int screenTextWidth(const QFont& font, const QString& text);
