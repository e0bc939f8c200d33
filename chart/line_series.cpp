#include "line_series.h"

#include "axis.h"
#include "canvas.h"

void TLineSeries::Draw(QPainter& painter, const SeriesDrawContext& context) const
{
    if (PointCount() == 0 || !LinePen.Visible)
        return;
    int previousX = context.horizontal.CalcPosValue(XValues().Value(0));
    int previousY = context.vertical.CalcPosValue(YValues().Value(0));
    for (int i = 1; i < PointCount(); ++i) {
        const int x = context.horizontal.CalcPosValue(XValues().Value(i));
        const int y = context.vertical.CalcPosValue(YValues().Value(i));
        TChartPen pen = LinePen;
        pen.Color = PointColor(i);
        drawLine(painter, pen, previousX, previousY, x, y);
        previousX = x;
        previousY = y;
    }
}
