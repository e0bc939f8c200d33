#include "report/preview/glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

const QColor Ink(32, 32, 32);
const QColor Paper(255, 255, 255);
const QColor Accent(0, 90, 180);

// A sheet of paper with a folded top-right corner.
void drawSheet(QPainter& p, const QRect& r)
{
    const int fold = std::max(2, r.width() / 3);
    const QPolygon outline({ r.topLeft(), QPoint(r.right() - fold, r.top()), QPoint(r.right(), r.top() + fold),
        r.bottomRight(), r.bottomLeft() });
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawPolygon(outline);
    p.drawLine(QPoint(r.right() - fold, r.top()), QPoint(r.right() - fold, r.top() + fold));
    p.drawLine(QPoint(r.right() - fold, r.top() + fold), QPoint(r.right(), r.top() + fold));
}

void drawTextLines(QPainter& p, const QRect& r, int count)
{
    p.setPen(QColor(120, 120, 120));
    for (int i = 0; i < count; ++i) {
        const int y = r.top() + 4 + 2 * i;
        if (y < r.bottom() - 1)
            p.drawLine(r.left() + 2, y, r.right() - 3, y);
    }
}

// A solid triangle pointing left (direction -1) or right (+1), tip at x.
void drawTriangle(QPainter& p, int tipX, int direction, int halfHeight = 4)
{
    const int baseX = tipX - direction * halfHeight;
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPolygon(QPolygon({ QPoint(tipX, 8), QPoint(baseX, 8 - halfHeight), QPoint(baseX, 8 + halfHeight) }));
}

void drawBar(QPainter& p, int x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRect(x, 4, 2, 9);
}

void drawPrinter(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Paper);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Paper);
    p.drawRect(4, 10, 8, 5);
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(13, 8);
}

void drawSetupPrinter(QPainter& p)
{
    drawPrinter(p);
    p.setPen(QPen(Accent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(11, 11), 3, 3);
}

void drawOpenFolder(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(QPolygon({ QPoint(1, 3), QPoint(6, 3), QPoint(7, 5), QPoint(13, 5), QPoint(13, 13), QPoint(1, 13) }));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygon({ QPoint(1, 13), QPoint(4, 8), QPoint(15, 8), QPoint(13, 13) }));
}

void drawDisk(QPainter& p)
{
    p.setPen(Ink);
    p.setBrush(Accent);
    p.drawRect(1, 1, 14, 14);
    p.setBrush(Paper);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 8, 6);
    p.setPen(Ink);
    p.drawLine(10, 2, 10, 4);
}

void drawMagnifier(QPainter& p)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPoint(6, 6), 4, 4);
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(10, 10, 14, 14);
}

void drawPageWithArrow(QPainter& p)
{
    drawSheet(p, QRect(1, 1, 10, 13));
    p.setPen(QPen(Accent, 2));
    p.drawLine(6, 9, 13, 9);
    drawTriangle(p, 15, 1, 3);
}

void drawCrossedPage(QPainter& p)
{
    drawSheet(p, QRect(2, 1, 11, 14));
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(3, 3, 13, 14);
    p.drawLine(13, 3, 3, 14);
}

void drawTwoPages(QPainter& p)
{
    drawSheet(p, QRect(1, 1, 9, 11));
    drawSheet(p, QRect(5, 4, 9, 11));
    drawTextLines(p, QRect(5, 4, 9, 11), 3);
}

void drawPageBetweenArrows(QPainter& p)
{
    drawSheet(p, QRect(4, 2, 7, 11));
    drawTriangle(p, 0, -1, 3);
    drawTriangle(p, 15, 1, 3);
}

void paintGlyph(QPainter& p, TBVGlyph glyph)
{
    switch (glyph) {
    case TBVGlyph::SmallPage:
        drawSheet(p, QRect(4, 4, 7, 9));
        break;
    case TBVGlyph::LargePage:
        drawSheet(p, QRect(1, 0, 13, 15));
        drawTextLines(p, QRect(1, 0, 13, 15), 5);
        break;
    case TBVGlyph::PageBetweenArrows:
        drawPageBetweenArrows(p);
        break;
    case TBVGlyph::FirstPage:
        drawBar(p, 3);
        drawTriangle(p, 5, -1);
        drawTriangle(p, 10, -1);
        break;
    case TBVGlyph::PreviousPage:
        drawTriangle(p, 5, -1);
        break;
    case TBVGlyph::NextPage:
        drawTriangle(p, 11, 1);
        break;
    case TBVGlyph::LastPage:
        drawTriangle(p, 6, 1);
        drawTriangle(p, 11, 1);
        drawBar(p, 11);
        break;
    case TBVGlyph::PrinterSetup:
        drawSetupPrinter(p);
        break;
    case TBVGlyph::Printer:
        drawPrinter(p);
        break;
    case TBVGlyph::OpenFolder:
        drawOpenFolder(p);
        break;
    case TBVGlyph::Disk:
        drawDisk(p);
        break;
    case TBVGlyph::Search:
        drawMagnifier(p);
        break;
    case TBVGlyph::PageWithArrow:
        drawPageWithArrow(p);
        break;
    case TBVGlyph::CrossedPage:
        drawCrossedPage(p);
        break;
    case TBVGlyph::TwoPages:
        drawTwoPages(p);
        break;
    }
}

} // namespace

QPixmap previewGlyph(TBVGlyph glyph)
{
    QImage image(GlyphSize, GlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintGlyph(painter, glyph);
    painter.end();
    return QPixmap::fromImage(image);
}
