#pragma once

#include <QByteArray>
#include <QImage>

// The pixels of a 24-bit bottom-up device-independent bitmap, rows padded
// to four bytes, as picture records carry them.
struct DibPixels {
    int width = 0;
    int height = 0;
    QByteArray bits;
};

// A picture as a 24-bit DIB; transparent parts are laid on white, as they
// would show on paper.
DibPixels dibFromImage(const QImage& image);

// Decodes the uncompressed DIB of a picture record: 1, 4, 8, 24 or 32 bits
// per pixel, bottom-up or top-down, with a colour table for the palette
// depths. Every size is checked against the bytes given; a DIB that does not
// fit or uses another layout gives a null image.
QImage imageFromDib(const char* info, size_t infoSize, const char* bits, size_t bitsSize);
