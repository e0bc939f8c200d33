#pragma once

#include <QImage>
#include <QString>
#include <array>

// The program's icon as the desktop's icon theme wants it, made from the
// picture the window draws, so the menu entry and the window never differ.

inline constexpr std::array<int, 8> themeIconSizes { 16, 22, 24, 32, 48, 64, 128, 256 };

// The picture at size x size pixels. Whole multiples keep every pixel of the
// picture a sharp square; any other size is smoothed down from the next
// larger multiple, so that no size is blown up from a blurred copy.
QImage themeIcon(const QImage& picture, int size);

// The picture as vector shapes: one rectangle per run of equal pixels in a
// row, so any size shows exactly the drawn pixels, enlarged.
QString svgOfPicture(const QImage& picture);

// Writes FOLDER/<n>x<n>/apps/NAME.png for every theme size and
// FOLDER/scalable/apps/NAME.svg. Returns whether every file was written.
bool writeThemeIcons(const QImage& picture, const QString& folder, const QString& name);
