#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Baseline colour JPEG through libjpeg, at the quality the pictures of an
// HTML document are written with.
namespace JpegWriter {

constexpr int pictureQuality = 90;

// The JPEG bytes of the image; an empty image gives an empty array.
QByteArray encode(const QImage& image, int quality = pictureQuality);

// Writes the picture through a temporary file that replaces the target only
// when complete; throws EExportError naming the file and the reason.
void write(const QImage& image, const QString& fileName);

}
