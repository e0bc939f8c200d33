#include "report/preview/page_picture.h"

#include "report/emf/emf_player.h"

#include <QPainter>

void paintPageSheet(QPainter& painter, const EmfPage& page, QSize imagePx)
{
    const int w = imagePx.width();
    const int h = imagePx.height();
    if (w < 5 || h < 5)
        return;
    // The sheet leaves 1 pixel on the top and left for the outline and 3 on
    // the right and bottom for the outline and the shadow.
    const QRect sheet(1, 1, w - 4, h - 4);
    painter.fillRect(sheet, Qt::white);
    playPageInto(painter, page, sheet);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, w - 3, h - 3));
    painter.fillRect(QRect(w - 2, 2, 2, h - 2), Qt::black);
    painter.fillRect(QRect(2, h - 2, w - 2, 2), Qt::black);
}

QImage renderPageSheet(const EmfPage& page, QSize imagePx, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    QImage image(imagePx * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintPageSheet(painter, page, imagePx);
    return image;
}

QStringList pageTexts(const EmfPage& page)
{
    QStringList texts;
    for (const EmfText& text : EmfPlayer(page).texts())
        texts << text.text;
    return texts;
}
