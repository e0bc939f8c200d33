#include "theme_icons.h"

#include <QColor>
#include <QDir>
#include <QSaveFile>

namespace {

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

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}

QImage themeIcon(const QImage& picture, int size)
{
    const int factor = (size + picture.width() - 1) / picture.width();
    const QImage enlarged = picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (enlarged.width() == size)
        return enlarged;
    return enlarged.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString svgOfPicture(const QImage& picture)
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

bool writeThemeIcons(const QImage& picture, const QString& folder, const QString& name)
{
    for (int size : themeIconSizes) {
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(sizeFolder) || !themeIcon(picture, size).save(sizeFolder + '/' + name + ".png"))
            return false;
    }
    const QString scalableFolder = folder + QStringLiteral("/scalable/apps");
    return QDir().mkpath(scalableFolder)
        && writeFile(scalableFolder + '/' + name + ".svg", svgOfPicture(picture).toUtf8());
}
