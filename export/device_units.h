#pragma once

#include <QSize>

// Report units are tenths of a millimetre; a factor is device pixels per
// report unit (dpi / 254). The one conversion of report positions and sizes
// to pixels, for the page printer, the report engine and the exports alike.
// Conversions round halves to even.
namespace DeviceUnits {

constexpr int ScreenDpi = 96;

double factorForDpi(int dpi);
// round((native - offset) * factor)
int toDevice(long double native, long double offset, long double factor);
// round(size * factor)
int sizeToDevice(long double size, long double factor);
// A page's size in whole millimetres from its size in pixels:
// trunc(pixels / factor / 10).
QSize pixelsToMillimetres(QSize pixels, double factor);

}
