#pragma once

#include <QStringList>
#include <functional>

enum class TWrapStyle { BreakOnSpaces, BreakAnywhere };

struct LineFormatOptions {
    bool autoSize = true; // one line per paragraph, never wrapped
    bool wordWrap = true;
    TWrapStyle wrapStyle = TWrapStyle::BreakOnSpaces;
    qreal width = 0; // the element's width, in the unit the measure returns
};

// The width of a text as formatting measures it.
using TextMeasure = std::function<qreal(const QString&)>;

// Breaks one text into the lines a label prints: line feeds are dropped,
// carriage returns end paragraphs, and each paragraph is wrapped at the
// element's width (or kept whole with autoSize).
QStringList formatText(const QString& text, const LineFormatOptions& options, const TextMeasure& measure);
