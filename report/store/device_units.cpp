#include "report/store/device_units.h"

#include <cmath>

namespace DeviceUnits {

double factorForDpi(int dpi) { return dpi / 254.0; }

int toDevice(double native, double offset, double factor)
{
    return static_cast<int>(std::nearbyint((native - offset) * factor));
}

int sizeToDevice(double size, double factor) { return static_cast<int>(std::nearbyint(size * factor)); }

QSize pixelsToMillimetres(QSize pixels, double factor)
{
    return QSize(static_cast<int>(std::trunc(pixels.width() / factor / 10.0)),
        static_cast<int>(std::trunc(pixels.height() / factor / 10.0)));
}

}
