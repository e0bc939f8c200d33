#include "report/emf/emf_page.h"

#include "report/emf/emf_records.h"
#include "report/store/bv_error.h"

#include <cmath>
#include <uemf.h>

namespace {

// Sides beyond this are not pages; they would only make viewers allocate
// absurd images.
constexpr int MaxPageSide = 100000;

}

EmfPage EmfPage::fromBytes(const QByteArray& bytes)
{
    U_EMRHEADER header {};
    bool headerRead = false;
    const bool ok = forEachEmfRecord(bytes, [&](const EmfRecord& record) {
        if (record.type == U_EMR_HEADER)
            headerRead = record.size >= 88 && record.read(header, 0);
        return true;
    });
    if (!ok || !headerRead || header.dSignature != U_ENHMETA_SIGNATURE
        || header.nBytes != static_cast<uint32_t>(bytes.size()))
        throw EBVError(BVErrorText::CorruptPicture);
    const qint64 width = static_cast<qint64>(header.rclBounds.right) - header.rclBounds.left + 1;
    const qint64 height = static_cast<qint64>(header.rclBounds.bottom) - header.rclBounds.top + 1;
    const qint64 frameWidth = static_cast<qint64>(header.rclFrame.right) - header.rclFrame.left;
    const qint64 frameHeight = static_cast<qint64>(header.rclFrame.bottom) - header.rclFrame.top;
    if (width < 1 || height < 1 || width > MaxPageSide || height > MaxPageSide || frameWidth < 0 || frameHeight < 0
        || frameWidth > 100LL * MaxPageSide || frameHeight > 100LL * MaxPageSide)
        throw EBVError(BVErrorText::CorruptPicture);
    EmfPage page;
    page.m_bytes = bytes;
    page.m_sizePx = QSize(static_cast<int>(width), static_cast<int>(height));
    page.m_frame = QSize(static_cast<int>(frameWidth), static_cast<int>(frameHeight));
    return page;
}

QSize EmfPage::sizeAtDpi(int dpi) const
{
    return QSize(static_cast<int>(std::lround(m_frame.width() * static_cast<double>(dpi) / 2540.0)),
        static_cast<int>(std::lround(m_frame.height() * static_cast<double>(dpi) / 2540.0)));
}
