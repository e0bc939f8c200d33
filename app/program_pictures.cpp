#include "program_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace {

// Colours of the sixteen-colour set that the pictures use.
const QColor navy(0, 0, 128);
const QColor blue(0, 0, 255);
const QColor purple(128, 0, 128);
const QColor green(0, 128, 0);
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);
const QColor gray(128, 128, 128);
const QColor silver(192, 192, 192);

QFont arialBold(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// One bar of stacked segments (heights from the bottom up) at `left`.
void drawStack(QPainter& painter, int left, int bottom, int width, const std::initializer_list<int>& heights)
{
    const QColor colours[] = { blue, purple, green, red };
    int top = bottom;
    int index = 0;
    for (int height : heights) {
        top -= height;
        painter.fillRect(left, top, width, height, colours[index++ % 4]);
    }
}

}

QImage makerLogo()
{
    QImage logo(200, 83, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(navy, 3));
    painter.drawRect(1, 1, 197, 80);

    drawStack(painter, 12, 70, 10, { 12, 4, 6, 2 });
    drawStack(painter, 26, 70, 10, { 16, 6, 12, 4 });
    drawStack(painter, 40, 70, 10, { 20, 8, 20, 6 });
    painter.setPen(QPen(yellow, 3));
    painter.drawPolyline(QPolygon({ QPoint(17, 46), QPoint(31, 32), QPoint(45, 16) }));

    painter.setPen(navy);
    painter.setFont(arialBold(30));
    painter.drawText(QRect(60, 8, 136, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Wendlich"));
    painter.setPen(gray);
    painter.setFont(arialBold(18));
    painter.drawText(QRect(62, 46, 134, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Software"));
    return logo;
}

QImage programIconImage()
{
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, 32, 32, silver);
    painter.setPen(navy);
    painter.drawRect(0, 0, 31, 31);
    painter.drawLine(3, 28, 28, 28);
    painter.drawLine(3, 4, 3, 28);

    drawStack(painter, 6, 28, 5, { 5, 2, 2, 1 });
    drawStack(painter, 13, 28, 5, { 7, 3, 5, 2 });
    drawStack(painter, 20, 28, 5, { 9, 4, 8, 3 });
    painter.setPen(QPen(yellow, 2));
    painter.drawPolyline(QPolygon({ QPoint(8, 17), QPoint(15, 10), QPoint(22, 3) }));
    return icon;
}

QIcon programIcon() { return QIcon(QPixmap::fromImage(programIconImage())); }
