#pragma once

#include <QString>

enum class TBVOrientation { Portrait, Landscape };

// The page printer's own settings: the paper and orientation its pages have,
// the memory a page stream may hold, and the printer page range. Paper sizes
// are the platform's codes (A4 = 9, Custom = 69); width and length are the
// portrait paper size in tenths of a millimetre, filled from the paper table
// for standard sizes by whoever sets the code.
struct TPrinterSettings {
    static constexpr int A4 = 9;
    static constexpr int DefaultMemoryLimit = 250000;

    int paperSize = A4;
    double paperWidth = 2100;
    double paperLength = 2970;
    TBVOrientation orientation = TBVOrientation::Portrait;
    qint64 memoryLimit = DefaultMemoryLimit;
    int firstPage = 0; // printer output only; 0 = no limit
    int lastPage = 0;
};
