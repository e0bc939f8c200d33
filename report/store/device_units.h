#pragma once

#include <QSize>

// Native units are tenths of a millimetre; a factor is device pixels per
// native unit (dpi / 254). Conversions round halves to even.
namespace DeviceUnits {

constexpr int ScreenDpi = 96;

double factorForDpi(int dpi);
// round((native - offset) * factor)
int toDevice(double native, double offset, double factor);
// round(size * factor)
int sizeToDevice(double size, double factor);
// A page's size in whole millimetres from its size in pixels:
// trunc(pixels / factor / 10).
QSize pixelsToMillimetres(QSize pixels, double factor);

}
