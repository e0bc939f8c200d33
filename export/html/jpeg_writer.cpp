#include "export/html/jpeg_writer.h"

#include "export/document_writer.h"

#include <QSaveFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through a callback that must not return: it
// jumps back to the compressing function, which keeps only plain C state so
// that the jump skips no destructor.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf returnPoint;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JumpingErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->returnPoint, 1);
}

struct RgbRows {
    const unsigned char* first;
    int width;
    int height;
    qsizetype stride;
};

// Baseline, 4:2:0, the library's defaults apart from the quality.
bool compress(const RgbRows& rows, int quality, unsigned char** buffer, unsigned long* size, JumpingErrors& errors)
{
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    if (setjmp(errors.returnPoint)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rows.width);
    info.image_height = static_cast<JDIMENSION>(rows.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(rows.first + rows.stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}

namespace JpegWriter {

QByteArray encode(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const RgbRows rows { rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine() };
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    JumpingErrors errors {};
    const bool done = compress(rows, quality, &buffer, &size, errors);
    QByteArray bytes;
    if (done)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (!done)
        throw EExportError(QString::fromLocal8Bit(errors.message));
    return bytes;
}

void write(const QImage& image, const QString& fileName)
{
    const QByteArray bytes = encode(image);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw fileCreationError(fileName, file.errorString());
}

}
