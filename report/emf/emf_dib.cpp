#include "report/emf/emf_dib.h"

#include <QPainter>
#include <cstring>

namespace {

struct DibHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t clrUsed;
    uint32_t clrImportant;
};
static_assert(sizeof(DibHeader) == 40, "BITMAPINFOHEADER is 40 bytes");

// Largest picture side accepted from a stored page; keeps a forged header
// from asking for gigabytes.
constexpr int MaxSide = 16384;
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

qint64 rowStride(int width, int bitCount) { return ((static_cast<qint64>(width) * bitCount + 31) / 32) * 4; }

}

DibPixels dibFromImage(const QImage& image)
{
    QImage rgb(image.size(), QImage::Format_BGR888);
    rgb.fill(Qt::white);
    {
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    }
    DibPixels dib;
    dib.width = rgb.width();
    dib.height = rgb.height();
    const qint64 stride = rowStride(dib.width, 24);
    dib.bits = QByteArray(static_cast<qsizetype>(stride * dib.height), '\0');
    for (int y = 0; y < dib.height; ++y) {
        // Bottom-up: the first stored row is the picture's last.
        std::memcpy(
            dib.bits.data() + stride * (dib.height - 1 - y), rgb.constScanLine(y), static_cast<size_t>(dib.width) * 3);
    }
    return dib;
}

QImage imageFromDib(const char* info, size_t infoSize, const char* bits, size_t bitsSize)
{
    DibHeader h;
    if (!info || !bits || infoSize < sizeof h)
        return {};
    std::memcpy(&h, info, sizeof h);
    const bool topDown = h.height < 0;
    const qint64 height = topDown ? -static_cast<qint64>(h.height) : h.height;
    if (h.size < sizeof h || h.size > infoSize || h.compression != 0 || h.width <= 0 || height <= 0 || h.width > MaxSide
        || height > MaxSide || static_cast<qint64>(h.width) * height > MaxPixels)
        return {};
    const int depth = h.bitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32)
        return {};
    const qint64 stride = rowStride(h.width, depth);
    if (static_cast<qint64>(bitsSize) < stride * height)
        return {};

    QVector<QRgb> palette;
    if (depth <= 8) {
        const qint64 colours = h.clrUsed ? std::min<qint64>(h.clrUsed, 1LL << depth) : (1LL << depth);
        if (static_cast<qint64>(infoSize) < h.size + colours * 4)
            return {};
        for (qint64 i = 0; i < colours; ++i) {
            const auto* q = reinterpret_cast<const uint8_t*>(info + h.size + i * 4);
            palette.append(qRgb(q[2], q[1], q[0]));
        }
    }

    QImage image(h.width, static_cast<int>(height), QImage::Format_RGB32);
    for (qint64 y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint8_t*>(bits + stride * (topDown ? y : height - 1 - y));
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (int x = 0; x < h.width; ++x) {
            if (depth == 24) {
                out[x] = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
            } else if (depth == 32) {
                out[x] = qRgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
            } else {
                const int perByte = 8 / depth;
                const int shift = (perByte - 1 - x % perByte) * depth;
                const int index = (row[x / perByte] >> shift) & ((1 << depth) - 1);
                out[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    return image;
}
