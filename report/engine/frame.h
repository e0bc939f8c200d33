#pragma once

#include "report/store/page_canvas.h"

#include <QColor>
#include <vector>

// Which edges of an owner's rectangle are drawn, and how.
struct TBVFrame {
    bool DrawTop = false;
    bool DrawBottom = false;
    bool DrawLeft = false;
    bool DrawRight = false;
    QColor Color = Qt::black;
    Qt::PenStyle Style = Qt::SolidLine;
    int Width = 1; // points

    bool isSet() const { return DrawTop || DrawBottom || DrawLeft || DrawRight; }
    bool allEdges() const { return DrawTop && DrawBottom && DrawLeft && DrawRight; }
};

// Thickness in device pixels of a frame line: the frame width in points at
// the device's pixels per tenth of a millimetre, at least one pixel.
int frameThickness(long double factor, int frameWidthPt);

// The native length of a frame line of the given width in points.
long double frameWidthNative(int frameWidthPt);

// One filled rectangle per drawn edge, each inside the frame's rectangle.
std::vector<PageRect> frameEdgeRects(const PageRect& rect, const TBVFrame& frame, int thicknessX, int thicknessY);

void drawFrame(
    PageCanvas& canvas, const PageRect& rect, const TBVFrame& frame, long double xFactor, long double yFactor);
