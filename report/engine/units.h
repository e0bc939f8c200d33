#pragma once

// Measurement units of report geometry. Everything is stored in tenths of a
// millimetre (the native unit) as long double and converted to the unit a
// caller works in only when a value is read or written.

enum class TBVUnit { MM, Inches, Pixels, Characters, Native };

// What a conversion depends on besides the unit: the screen's pixels per inch
// (read once when a size object is made), the owner's zoom percentage and the
// point size of the report's font (for character units).
struct UnitScale {
    long double screenPpi = 96;
    long double zoom = 100;
    long double fontPointSize = 10;
};

long double charWidth(long double pointSize);
long double charHeight(long double pointSize);
long double nativeToUnit(TBVUnit unit, bool horizontal, long double native, const UnitScale& scale);
long double unitToNative(TBVUnit unit, bool horizontal, long double value, const UnitScale& scale);

// Every float-to-integer conversion of the engine rounds half to even.
long long roundEven(long double value);
int roundToInt(long double value);
