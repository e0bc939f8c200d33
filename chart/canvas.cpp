#include "canvas.h"

#include "font.h"

#include <QPainter>

void drawLine(QPainter& painter, const TChartPen& pen, int x0, int y0, int x1, int y1)
{
    if (!pen.Visible || pen.Color == kNoColor)
        return;
    painter.setPen(pen.toQPen());
    painter.drawLine(x0, y0, x1, y1);
}

void fillRect(QPainter& painter, const ChartRect& rect, TColor color)
{
    if (color == kNoColor || rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()), toQColor(color));
}

void outlineRect(QPainter& painter, const ChartRect& rect, const TChartPen& pen)
{
    if (!pen.Visible || pen.Color == kNoColor || rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.setPen(pen.toQPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
}

void drawText(QPainter& painter, const TextMetrics& metrics, TColor color, int left, int top, const QString& text)
{
    painter.setFont(metrics.font());
    painter.setPen(toQColor(color));
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
}
