// Drawing primitives with the pixel conventions the layout assumes: lines
// exclude their end point, fills cover [left, right) x [top, bottom), outlines
// run along the first and last pixel row and column inside the rectangle.
#pragma once

#include "color.h"
#include "panel_layout.h"
#include "pen.h"

#include <QString>

class QPainter;
class TextMetrics;

void drawLine(QPainter& painter, const TChartPen& pen, int x0, int y0, int x1, int y1);
void fillRect(QPainter& painter, const ChartRect& rect, TColor color);
void outlineRect(QPainter& painter, const ChartRect& rect, const TChartPen& pen);
void drawText(QPainter& painter, const TextMetrics& metrics, TColor color, int left, int top, const QString& text);
