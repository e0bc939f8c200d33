#include "program_pictures.h"
#include "theme_icons.h"

#include <QColor>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// Paints the SVG's rectangles the way a renderer does, into a picture of the
// SVG's size, so it can be compared with the picture it was made from.
QImage repaint(const QString& svg)
{
    QXmlStreamReader reader(svg);
    QImage image;
    while (reader.readNextStartElement()) {
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.name() == QLatin1String("svg")) {
            image = QImage(a.value("width").toInt(), a.value("height").toInt(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            continue;
        }
        QColor colour(a.value("fill").toString());
        if (a.hasAttribute("fill-opacity"))
            colour.setAlpha(qRound(a.value("fill-opacity").toDouble() * 255));
        const int x = a.value("x").toInt(), y = a.value("y").toInt();
        for (int i = 0; i < a.value("width").toInt(); ++i)
            image.setPixel(x + i, y, colour.rgba());
        reader.skipCurrentElement();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return image;
}

// Runs of equal pixels, a transparent pixel and a half-transparent one.
QImage madeUpPicture()
{
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 128));
    picture.setPixel(1, 0, qRgb(255, 255, 0));
    picture.setPixel(2, 1, qRgba(0, 0, 0, 0));
    picture.setPixel(3, 2, qRgba(255, 0, 0, 128));
    return picture;
}

TEST(ThemeIcons, ScalableIconRepaintsEveryPixel)
{
    for (const QImage& picture : { madeUpPicture(), programIconImage() }) {
        const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
        const QImage repainted = repaint(svgOfPicture(picture));
        ASSERT_EQ(repainted.size(), source.size());
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (qAlpha(source.pixel(x, y)) > 0 || qAlpha(repainted.pixel(x, y)) > 0) {
                    EXPECT_EQ(repainted.pixel(x, y), source.pixel(x, y)) << x << "," << y;
                }
    }
}

TEST(ThemeIcons, EverySizeIsSquareAndWholeMultiplesStaySharp)
{
    const QImage picture = programIconImage().convertToFormat(QImage::Format_ARGB32);
    for (int size : themeIconSizes) {
        const QImage icon = themeIcon(picture, size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        if (size % picture.width() != 0)
            continue;
        const int factor = size / picture.width();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixel(x, y), picture.pixel(x / factor, y / factor)) << size << ": " << x << "," << y;
    }
}

}
