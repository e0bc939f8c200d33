#pragma once

#include "report/store/page_canvas.h"

#include <QFont>

// Text measurement of page fonts on the report's reference device, the
// screen bitmap of export/screen_metrics.h (96 pixels per inch unless said
// otherwise), so that layout does not depend on the display the program runs on.
namespace ReferenceDevice {
QFont toQFont(const PageFont& font);
// Advance width of the text in pixels.
qreal textWidth(const PageFont& font, const QString& text, int dpi = 96);
// Height of a text cell (ascent plus descent) in pixels.
qreal textHeight(const PageFont& font, int dpi = 96);
}
