#include "color.h"

#include <algorithm>

QColor toQColor(TColor color) { return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF)); }

const std::array<TColor, 20>& defaultPalette()
{
    static const std::array<TColor, 20> palette {
        clRed,
        clGreen,
        clYellow,
        clBlue,
        clWhite,
        clGray,
        rgbColor(255, 0, 255),
        rgbColor(0, 128, 128),
        rgbColor(0, 0, 128),
        rgbColor(128, 0, 0),
        rgbColor(0, 255, 0),
        rgbColor(128, 128, 0),
        clPurple,
        clSilver,
        rgbColor(0, 255, 255),
        clBlack,
        rgbColor(192, 220, 192),
        rgbColor(166, 202, 240),
        rgbColor(255, 251, 240),
        rgbColor(160, 160, 164),
    };
    return palette;
}

TColor firstFreeColor(const std::array<TColor, 20>& palette, const std::vector<TColor>& taken)
{
    for (TColor candidate : palette) {
        if (std::find(taken.begin(), taken.end(), candidate) == taken.end())
            return candidate;
    }
    return palette.back();
}
