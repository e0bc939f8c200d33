#pragma once

#include <QByteArray>
#include <QSize>

// One page picture: the bytes of a complete enhanced metafile whose records
// have all been checked. Only fromBytes makes one, so holding an EmfPage
// means every record is complete, inside the buffer and safe to read.
class EmfPage {
public:
    // Validates the metafile (header first, every record's size and fields,
    // end-of-file record last) and throws EBVError when any check fails.
    static EmfPage fromBytes(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }

    // Size of the page in device pixels, from the header's inclusive bounds.
    QSize sizePx() const { return m_sizePx; }

    // Size of the picture frame in hundredths of a millimetre.
    QSize frameHundredthMm() const { return m_frame; }

    // Width and height in pixels at the given resolution, as a metafile
    // object reports its size: frame size * dpi / 2540, rounded.
    QSize sizeAtDpi(int dpi) const;

private:
    EmfPage() = default;

    QByteArray m_bytes;
    QSize m_sizePx;
    QSize m_frame;
};
