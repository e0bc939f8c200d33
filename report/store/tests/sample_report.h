#pragma once

#include "report/store/printer.h"

#include <QString>

// A stored report made the way generation makes one: a page printer job
// with a text line, a filled band and a frame on every page.
inline void drawSamplePage(PageCanvas& canvas, int number, const QImage& picture = QImage())
{
    PageFont font;
    font.pointSize = 10;
    canvas.fillRect(PageRect { 38, 38, 756, 120 }, QColor(230, 230, 250));
    canvas.drawText(QPoint(40, 40), QStringLiteral("Anlageentwicklung Seite %1").arg(number), font, TextAnchor::Left);
    canvas.drawFrame(PageRect { 38, 38, 756, 1085 }, Qt::black, 1);
    if (!picture.isNull())
        canvas.drawImage(PageRect { 40, 200, 40 + picture.width(), 200 + picture.height() }, picture);
}

inline void makeSampleJob(TBVPrinter& printer, int pages, const QImage& picture = QImage())
{
    printer.StartJob();
    for (int n = 1; n <= pages; ++n) {
        printer.NewPage();
        drawSamplePage(*printer.Canvas(), n, picture);
    }
    printer.FinishJob();
}
