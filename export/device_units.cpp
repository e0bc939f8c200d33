#include "export/device_units.h"

#include <cmath>

namespace DeviceUnits {

double factorForDpi(int dpi) { return dpi / 254.0; }

int toDevice(long double native, long double offset, long double factor)
{
    return static_cast<int>(std::llrint((native - offset) * factor));
}

int sizeToDevice(long double size, long double factor) { return static_cast<int>(std::llrint(size * factor)); }

QSize pixelsToMillimetres(QSize pixels, double factor)
{
    return QSize(static_cast<int>(std::trunc(pixels.width() / factor / 10.0)),
        static_cast<int>(std::trunc(pixels.height() / factor / 10.0)));
}

}
