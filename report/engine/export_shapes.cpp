#include "report/engine/export_shapes.h"

#include "report/engine/reference_device.h"

namespace {

TBVExportGraphic lineShape(TBVShapeType type, int widthPx, int heightPx, const TBVFrame& frame, int thickness)
{
    TBVExportGraphic shape;
    shape.shape = type;
    shape.widthPx = widthPx;
    shape.heightPx = heightPx;
    shape.penColor = frame.Color;
    shape.penWidth = thickness;
    shape.penStyle = Qt::SolidLine;
    shape.brushStyle = Qt::NoBrush;
    return shape;
}

}

TBVPagePoint pagePoint(int xPx, int yPx) { return { static_cast<long double>(xPx), static_cast<long double>(yPx) }; }

TBVPagePoint pagePoint(const QPoint& px) { return pagePoint(px.x(), px.y()); }

TBVExportAlignment exportAlignment(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return TBVExportAlignment::Left;
    case TAlignment::taRightJustify:
        return TBVExportAlignment::Right;
    case TAlignment::taCenter:
        return TBVExportAlignment::Centre;
    }
    return TBVExportAlignment::Left;
}

TBVExportFont exportFont(const PageFont& font) { return { ReferenceDevice::toQFont(font), font.colour, font.charSet }; }

PlacedGraphic backgroundShape(const PageRect& rect, const QColor& colour)
{
    TBVExportGraphic shape;
    shape.shape = TBVShapeType::bvsRectangle;
    shape.widthPx = rect.width();
    shape.heightPx = rect.height();
    shape.brushColor = colour;
    shape.brushStyle = Qt::SolidPattern;
    shape.penStyle = Qt::NoPen;
    return { QPoint(rect.left, rect.top), shape };
}

std::vector<PlacedGraphic> frameShapes(const PageRect& rect, const TBVFrame& frame, int thicknessX, int thicknessY)
{
    if (frame.allEdges()) {
        auto outline = lineShape(TBVShapeType::bvsRectangle, rect.width(), rect.height(), frame, thicknessX);
        return { { QPoint(rect.left, rect.top), outline } };
    }
    std::vector<PlacedGraphic> shapes;
    const auto horizontal = lineShape(TBVShapeType::bvsHorLine, rect.width(), thicknessY, frame, thicknessY);
    const auto vertical = lineShape(TBVShapeType::bvsVertLine, thicknessX, rect.height(), frame, thicknessX);
    if (frame.DrawTop)
        shapes.push_back({ QPoint(rect.left, rect.top), horizontal });
    if (frame.DrawBottom)
        shapes.push_back({ QPoint(rect.left, rect.bottom - thicknessY), horizontal });
    if (frame.DrawLeft)
        shapes.push_back({ QPoint(rect.left, rect.top), vertical });
    if (frame.DrawRight)
        shapes.push_back({ QPoint(rect.right - thicknessX, rect.top), vertical });
    return shapes;
}
