#pragma once

#include <QIcon>
#include <QImage>

// Pictures drawn for this program in code, so that no image file has to
// travel with it.

// The maker's logo for the information window: 200 x 83 pixels.
QImage makerLogo();

// The window and application icon: 32 x 32 pixels in the sixteen standard
// colours, a small version of the chart (four stacked bars and the line).
QImage programIconImage();
QIcon programIcon();
