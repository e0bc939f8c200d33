#pragma once

#include "report/store/page_canvas.h"

#include <QFont>

// The Qt font that matches a page font drawn with the given character
// height in pixels (an EMF font's negative lfHeight).
QFont qtFontForPage(const PageFont& font, int pixelHeight);

// The height of a text cell on the 96-dpi screen (export/screen_metrics.h):
// ascent and descent, each rounded.
int referenceTextHeight(const QFont& font);

// Advance of every UTF-16 code unit of the text, in pixels, summing to the
// rounded text width; the Dx array of a text record.
std::vector<uint32_t> referenceAdvances(const QFont& font, const QString& text);
