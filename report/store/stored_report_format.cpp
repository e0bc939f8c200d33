#include "report/store/stored_report_format.h"

#include "report/store/stream.h"

#include <QtEndian>
#include <cstring>

namespace StoredReport {

namespace {

    // "EMF" of the metafile header's signature stands 41 bytes into the picture,
    // and the picture 8 bytes into the page record.
    constexpr int SignatureOffset = 49;
    constexpr int SearchLimit = 1001;

    bool hasSignatureAt(const QByteArray& start, int offset)
    {
        return offset >= 0 && offset + 3 <= start.size() && std::memcmp(start.constData() + offset, "EMF", 3) == 0;
    }

}

double dateTimeValue(const QDateTime& local)
{
    static const QDate epoch(1899, 12, 30);
    return static_cast<double>(epoch.daysTo(local.date())) + local.time().msecsSinceStartOfDay() / 86400000.0;
}

QByteArray header(qint32 pageCount, bool compressed, double created)
{
    QByteArray bytes(HeaderSize, '\0');
    char* d = bytes.data();
    qToLittleEndian<quint16>(FormatNumber, d);
    qToLittleEndian<quint16>(50, d + 2);
    qToLittleEndian<qint32>(pageCount, d + 8);
    qToLittleEndian<double>(created, d + 16);
    d[CompressedFlagOffset] = compressed ? 1 : 0;
    std::memset(d + 26, 0x48, 100);
    return bytes;
}

int detectHeaderSize(const QByteArray& start)
{
    for (int size : { 124, 120, 96, 128 }) {
        if (hasSignatureAt(start, size + SignatureOffset))
            return size;
    }
    const int found = start.left(SearchLimit + 3).indexOf("EMF");
    if (found >= SignatureOffset)
        return found - SignatureOffset;
    return HeaderSize;
}

HeaderInfo readHeader(const QByteArray& start)
{
    HeaderInfo info;
    info.headerSize = detectHeaderSize(start);
    const char* d = start.constData();
    switch (info.headerSize) {
    case 128:
        if (start.size() >= 128) {
            info.pageCount = qFromLittleEndian<qint32>(d + 8);
            info.compressed = d[CompressedFlagOffset] == 1;
        }
        break;
    case 124:
        // The 128-byte layout without the reserved word at offset 12.
        if (start.size() >= 124) {
            info.pageCount = qFromLittleEndian<qint32>(d + 8);
            info.compressed = d[CompressedFlagOffset - 4] == 1;
        }
        break;
    case 120:
        info.pageCount = 1;
        break;
    default:
        info.countKnown = false;
        break;
    }
    return info;
}

}
