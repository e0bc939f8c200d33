// Chart colours: 32-bit values laid out 0x00BBGGRR (red in the low byte), as
// the per-user colour store keeps them, plus two reserved values.
#pragma once

#include <QColor>
#include <array>
#include <cstdint>
#include <vector>

using TColor = std::uint32_t;

// "Take the default": a series with this colour gets one from the chart's palette.
constexpr TColor kAutoColor = 0x20000000;
// "Do not draw": a fill or point with this colour is skipped.
constexpr TColor kNoColor = 0x1FFFFFFF;

constexpr TColor rgbColor(int red, int green, int blue)
{
    return TColor(red & 0xFF) | TColor(green & 0xFF) << 8 | TColor(blue & 0xFF) << 16;
}

constexpr TColor clBlack = rgbColor(0, 0, 0);
constexpr TColor clWhite = rgbColor(255, 255, 255);
constexpr TColor clRed = rgbColor(255, 0, 0);
constexpr TColor clGreen = rgbColor(0, 128, 0);
constexpr TColor clBlue = rgbColor(0, 0, 255);
constexpr TColor clYellow = rgbColor(255, 255, 0);
constexpr TColor clPurple = rgbColor(128, 0, 128);
constexpr TColor clGray = rgbColor(128, 128, 128);
constexpr TColor clSilver = rgbColor(192, 192, 192);

QColor toQColor(TColor color);

// The twenty colours handed, in this order, to series that have none.
const std::array<TColor, 20>& defaultPalette();

// The first palette colour not in `taken`; when every one is taken, the last one tried.
TColor firstFreeColor(const std::array<TColor, 20>& palette, const std::vector<TColor>& taken);
