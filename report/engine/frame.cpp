#include "report/engine/frame.h"

#include "report/engine/units.h"

int frameThickness(long double factor, int frameWidthPt)
{
    if (frameWidthPt == -1)
        return 1;
    const int thickness = roundToInt(factor / 72.0L * 254.0L * frameWidthPt);
    return thickness < 1 && frameWidthPt >= 1 ? 1 : thickness;
}

long double frameWidthNative(int frameWidthPt) { return roundEven(frameWidthPt / 72.0L * 254.0L); }

std::vector<PageRect> frameEdgeRects(const PageRect& rect, const TBVFrame& frame, int thicknessX, int thicknessY)
{
    std::vector<PageRect> edges;
    if (frame.DrawTop)
        edges.push_back({ rect.left, rect.top, rect.right, rect.top + thicknessY });
    if (frame.DrawBottom)
        edges.push_back({ rect.left, rect.bottom - thicknessY, rect.right, rect.bottom });
    if (frame.DrawLeft)
        edges.push_back({ rect.left, rect.top, rect.left + thicknessX, rect.bottom });
    if (frame.DrawRight)
        edges.push_back({ rect.right - thicknessX, rect.top, rect.right, rect.bottom });
    return edges;
}

void drawFrame(
    PageCanvas& canvas, const PageRect& rect, const TBVFrame& frame, long double xFactor, long double yFactor)
{
    const int thicknessX = frameThickness(xFactor, frame.Width);
    const int thicknessY = frameThickness(yFactor, frame.Width);
    for (const PageRect& edge : frameEdgeRects(rect, frame, thicknessX, thicknessY))
        canvas.fillRect(edge, frame.Color);
}
