#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// The client geometry of a window that wants `wanted` (its client area in
// screen coordinates) with a frame of `frame` around it, moved and shrunk
// only as much as needed for the frame to lie within the screen's
// `available` area: a position and size that fit are kept as they are; a
// window too large for the area is shrunk to it, one that sticks out is
// moved back onto it.
QRect fitOnScreen(const QRect& wanted, const QMargins& frame, const QRect& available);

// Keeps a top-level window, frame included, on its screen's available area
// when it is shown: once as it appears, and once more when the window
// manager has put its frame around it (the frame's size is known only then).
// Later moves by the user are left alone.
void keepOnScreenWhenShown(QWidget& window);
