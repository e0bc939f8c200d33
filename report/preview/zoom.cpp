#include "report/preview/zoom.h"

#include <algorithm>
#include <cmath>

namespace {

// Every conversion to whole pixels or percent rounds halves to even.
int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

} // namespace

bool isValidZoom(int zoom) { return zoom >= MinZoom && zoom <= MaxZoom; }

int fitToPageZoom(QSize areaPx, QSize pagePx)
{
    if (pagePx.width() <= 0 || pagePx.height() <= 0)
        return 100;
    const int byWidth = roundEven(double(areaPx.width()) / pagePx.width() * 95);
    const int byHeight = roundEven(double(areaPx.height()) / pagePx.height() * 95);
    return std::clamp(std::min(byWidth, byHeight), MinZoom, MaxZoom);
}

int fitToWidthZoom(int areaWidthPx, int pageWidthPx)
{
    if (pageWidthPx <= 0)
        return 100;
    return std::clamp(roundEven(double(areaWidthPx) / pageWidthPx * 90), MinZoom, MaxZoom);
}

QSize zoomedImageSize(QSize pagePx, int zoom)
{
    return { roundEven(pagePx.width() * zoom / 100.0) + 4, roundEven(pagePx.height() * zoom / 100.0) + 4 };
}

QSize fittingWindowSize(QSize designedPx, int toolBarWidthPx, QSize chromePx, QSize pagePx, QSize availablePx)
{
    const int width = std::min(std::max(designedPx.width(), toolBarWidthPx), availablePx.width());
    const int zoom = fitToWidthZoom(width - chromePx.width(), pagePx.width());
    const int pageHeight = zoomedImageSize(pagePx, zoom).height();
    const int height = std::min(std::max(designedPx.height(), pageHeight + chromePx.height()), availablePx.height());
    return { width, height };
}
