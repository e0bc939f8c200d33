#include "report/engine/units.h"

#include <cmath>

namespace {

// A font of size 0 would make character units infinite; such a font draws at
// the platform's default size, so measure with that.
long double usablePointSize(long double pointSize)
{
    const long double size = std::fabs(pointSize);
    return size > 0 ? size : 10.0L;
}

long double nativePerUnit(TBVUnit unit, bool horizontal, const UnitScale& scale)
{
    switch (unit) {
    case TBVUnit::MM:
        return 10.0L;
    case TBVUnit::Inches:
        return 254.0L;
    case TBVUnit::Pixels:
        return (254.0L / scale.screenPpi) / scale.zoom * 100.0L;
    case TBVUnit::Characters:
        return (horizontal ? charWidth(scale.fontPointSize) : charHeight(scale.fontPointSize)) * 10.0L;
    case TBVUnit::Native:
        break;
    }
    return 1.0L;
}

}

long double charWidth(long double pointSize) { return (80.0L / usablePointSize(pointSize)) / 2.54L; }

long double charHeight(long double pointSize) { return (145.3L / usablePointSize(pointSize)) / 2.54L; }

long double nativeToUnit(TBVUnit unit, bool horizontal, long double native, const UnitScale& scale)
{
    return native / nativePerUnit(unit, horizontal, scale);
}

long double unitToNative(TBVUnit unit, bool horizontal, long double value, const UnitScale& scale)
{
    return value * nativePerUnit(unit, horizontal, scale);
}

long long roundEven(long double value) { return std::llrint(value); }

int roundToInt(long double value) { return static_cast<int>(std::llrint(value)); }
