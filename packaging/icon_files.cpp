// fundorix-icons: writes the program's icon for the desktop's icon theme from
// the very picture the window shows, so the menu entry and the window never
// differ. Called by the build: fundorix-icons FOLDER NAME writes
// FOLDER/<n>x<n>/apps/NAME.png for each theme size and
// FOLDER/scalable/apps/NAME.svg.
#include "program_pictures.h"

#include <QColor>
#include <QDir>
#include <QSaveFile>
#include <cstdio>

namespace {

constexpr int themeSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

// The icon is a pixel picture: whole multiples of it keep every pixel a sharp
// square; any other size is smoothed down from the next larger multiple, so
// that no size is blown up from a blurred copy.
QImage iconAtSize(const QImage& picture, int size)
{
    const int factor = (size + picture.width() - 1) / picture.width();
    const QImage enlarged = picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (enlarged.width() == size)
        return enlarged;
    return enlarged.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString svgRect(int x, int y, int width, QRgb pixel)
{
    QString rect = QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"%4\"")
                       .arg(x)
                       .arg(y)
                       .arg(width)
                       .arg(QColor(pixel).name());
    if (qAlpha(pixel) < 255)
        rect += QStringLiteral(" fill-opacity=\"%1\"").arg(qAlpha(pixel) / 255.0, 0, 'f', 3);
    return rect + QStringLiteral("/>\n");
}

// The picture itself as vector shapes: one rectangle per run of equal pixels
// in a row. Any size then shows exactly the drawn pixels, enlarged.
QString svgOf(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                 "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
                      .arg(image.width())
                      .arg(image.height());
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width()) {
            const QRgb pixel = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == pixel)
                ++end;
            if (qAlpha(pixel) > 0)
                svg += svgRect(x, y, end - x, pixel);
            x = end;
        }
    }
    return svg + QStringLiteral("</svg>\n");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writeIcons(const QString& folder, const QString& name)
{
    const QImage picture = programIconImage();
    for (int size : themeSizes) {
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(sizeFolder) || !iconAtSize(picture, size).save(sizeFolder + '/' + name + ".png"))
            return false;
    }
    const QString scalableFolder = folder + QStringLiteral("/scalable/apps");
    return QDir().mkpath(scalableFolder) && writeFile(scalableFolder + '/' + name + ".svg", svgOf(picture).toUtf8());
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: fundorix-icons FOLDER NAME\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!writeIcons(folder, QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "fundorix-icons: cannot write the icons into '%s'\n", argv[1]);
        return 1;
    }
    return 0;
}
