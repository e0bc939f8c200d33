#pragma once

#include <QFont>
#include <QString>

// Text width in pixels on the screen the report is laid out for: a 96-dpi
// bitmap, as a screen canvas measures it, whatever display the program has.
int screenTextWidth(const QFont& font, const QString& text);
