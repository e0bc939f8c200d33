#pragma once

#include "export/filter.h"
#include "report/engine/frame.h"
#include "report/engine/printable.h"

#include <QPoint>
#include <vector>

// The shapes generation hands to an export filter, in page pixels.
struct PlacedGraphic {
    QPoint topLeft;
    TBVExportGraphic graphic;
};

// A page pixel position as the filter interface takes it.
TBVPagePoint pagePoint(int xPx, int yPx);
TBVPagePoint pagePoint(const QPoint& px);

// The filter interface's alignment of a label's text alignment.
TBVExportAlignment exportAlignment(TAlignment alignment);

// The font of an exported text line.
TBVExportFont exportFont(const PageFont& font);

// A filled rectangle without outline: how band, element and page backgrounds are exported.
PlacedGraphic backgroundShape(const PageRect& rect, const QColor& colour);

// A frame: one outlined rectangle when all four edges are drawn, else one
// line shape per drawn edge at that edge's position.
std::vector<PlacedGraphic> frameShapes(const PageRect& rect, const TBVFrame& frame, int thicknessX, int thicknessY);
