#pragma once

#include <QSize>

// How the preview area chooses its zoom: fitted to the whole page, fitted to
// the page width, or a percentage the user picked.
enum class TBVZoomMode { bvZoomToFit, bvZoomToWidth, bvZoomOther };

// Zoom limits in percent; a zoom outside them is ignored.
constexpr int MinZoom = 2;
constexpr int MaxZoom = 2000;

bool isValidZoom(int zoom);

// The zoom (percent) that fits a whole page of pagePx into an area of areaPx,
// leaving a 5 % rim: the smaller of the two directions. A tiny area still
// gets the smallest valid zoom rather than an empty image.
int fitToPageZoom(QSize areaPx, QSize pagePx);

// The zoom (percent) that fits the page width into the area, leaving 10 %.
int fitToWidthZoom(int areaWidthPx, int pageWidthPx);

// Size of the page image at a zoom: the zoomed page plus 4 pixels for the
// outline and the shadow.
QSize zoomedImageSize(QSize pagePx, int zoom);

// The preview window's size when its report stores none: the designed size,
// wider where the whole tool bar needs more, and tall enough to show a page
// whole at fit-to-width; never larger than the screen's free area. chromePx
// is the room taken around the page area (tool bar, status bar, tabs, frames).
QSize fittingWindowSize(QSize designedPx, int toolBarWidthPx, QSize chromePx, QSize pagePx, QSize availablePx);
