#include "report/store/page_list.h"

#include "report/store/bv_error.h"
#include "report/store/compress.h"
#include "report/store/stored_report_format.h"
#include "report/store/stream.h"

#include <QtEndian>
#include <cstdlib>
#include <limits>

namespace {

// The metafile header's byte count sits 48 bytes into the picture.
constexpr int MetafileSizeOffset = 48;
constexpr int SignatureProbe = 1100;

}

void TBVPageList::SetStream(TBVStream* stream)
{
    m_stream = stream;
    m_lastPage = 0;
}

void TBVPageList::ResetPages()
{
    m_pageCount = 0;
    m_lastPage = 0;
}

void TBVPageList::WriteHeader()
{
    if (!m_stream || m_pageCount == 0)
        return;
    const qint64 saved = m_stream->position();
    m_stream->seek(0);
    m_stream->write(StoredReport::header(m_pageCount, m_compressed, m_created));
    m_stream->seek(saved);
}

void TBVPageList::AddPage(const QByteArray& metafile)
{
    if (!m_stream)
        return;
    if (m_pageCount == 0) {
        m_headerSize = StoredReport::HeaderSize;
        m_created = StoredReport::dateTimeValue(QDateTime::currentDateTime());
        m_stream->seek(0);
        m_stream->write(StoredReport::header(1, m_compressed, m_created));
    }
    QByteArray body;
    if (m_compressed) {
        putInt32(body, static_cast<qint32>(metafile.size()));
        body.append(compressPage(metafile));
    } else {
        body = metafile;
    }
    const qint64 start = m_stream->size();
    const qint64 next = start + StoredReport::RecordOverhead + body.size();
    if (next > std::numeric_limits<qint32>::max())
        throw EBVError(BVErrorText::CannotWrite);
    const int number = m_pageCount + 1;
    QByteArray record;
    record.reserve(body.size() + StoredReport::RecordOverhead);
    putInt32(record, number);
    putInt32(record, static_cast<qint32>(next));
    record.append(body);
    putInt32(record, static_cast<qint32>(start));
    m_stream->seek(start);
    m_stream->write(record);
    m_pageCount = number;
    m_lastPage = number;
    m_lastStart = start;
    m_endStart = start;
}

qint64 TBVPageList::moveToPage(int n)
{
    const qint64 size = m_stream->size();
    // Start from the record read last, or from whichever end is nearer.
    int page = 1;
    qint64 start = m_headerSize;
    if (m_lastPage > 0 && std::abs(m_lastPage - n) < n - 1) {
        page = m_lastPage;
        start = m_lastStart;
    }
    if (m_pageCount - n < std::abs(page - n)) {
        page = m_pageCount;
        start = m_endStart;
    }
    for (int hops = 0;; ++hops) {
        if (start < m_headerSize || start > size - StoredReport::RecordOverhead || hops > m_pageCount)
            throw EBVError(BVErrorText::CorruptRecord);
        m_stream->seek(start);
        if (m_stream->readInt32() != page)
            throw EBVError(BVErrorText::CorruptRecord);
        if (page == n)
            return start;
        qint64 target;
        if (page < n) {
            target = m_stream->readInt32();
            if (target <= start)
                throw EBVError(BVErrorText::CorruptRecord);
            ++page;
        } else {
            m_stream->seek(start - 4);
            target = m_stream->readInt32();
            if (target >= start)
                throw EBVError(BVErrorText::CorruptRecord);
            --page;
        }
        start = target;
    }
}

QByteArray TBVPageList::readBody(qint64 start, int n)
{
    m_stream->seek(start + 4);
    const qint64 next = m_stream->readInt32();
    const qint64 bodySize = next - start - StoredReport::RecordOverhead;
    if (bodySize < 0 || next > m_stream->size())
        throw EBVError(next > m_stream->size() ? BVErrorText::Truncated : BVErrorText::CorruptRecord);
    QByteArray body = m_stream->readExact(bodySize);
    if (m_stream->readInt32() != start)
        throw EBVError(BVErrorText::CorruptRecord);
    m_lastPage = n;
    m_lastStart = start;
    if (m_compressed) {
        if (bodySize < 4)
            throw EBVError(BVErrorText::CorruptRecord);
        const qint64 length = getInt32(body.constData());
        // Every byte takes at least one bit of code.
        if (length < 0 || length > (bodySize - 4) * 8)
            throw EBVError(BVErrorText::CorruptRecord);
        return expandPage(body.constData() + 4, static_cast<size_t>(bodySize - 4), static_cast<size_t>(length));
    }
    if (bodySize < MetafileSizeOffset + 4)
        throw EBVError(BVErrorText::CorruptRecord);
    const qint64 length = qFromLittleEndian<quint32>(body.constData() + MetafileSizeOffset);
    if (length > bodySize)
        throw EBVError(BVErrorText::CorruptRecord);
    body.truncate(length);
    return body;
}

std::unique_ptr<EmfPage> TBVPageList::GetPage(int n)
{
    if (!m_stream || n < 1 || n > m_pageCount)
        return nullptr;
    const qint64 saved = m_stream->position();
    try {
        QByteArray metafile = readBody(moveToPage(n), n);
        m_stream->seek(saved);
        return std::make_unique<EmfPage>(EmfPage::fromBytes(metafile));
    } catch (const EBVError&) {
        m_lastPage = 0;
        m_stream->seek(saved);
        throw;
    }
}

void TBVPageList::CopyToFile(const QString& fileName)
{
    if (m_stream)
        m_stream->copyToFile(fileName);
}

void TBVPageList::OpenFile(TBVStream* stream)
{
    SetStream(stream);
    m_pageCount = 0;
    stream->seek(0);
    const QByteArray start = stream->readExact(std::min<qint64>(stream->size(), SignatureProbe));
    const StoredReport::HeaderInfo info = StoredReport::readHeader(start);
    if (stream->size() < info.headerSize || info.pageCount < 0)
        throw EBVError(BVErrorText::NotAStoredReport);
    m_headerSize = info.headerSize;
    m_compressed = info.compressed;
    m_pageCount = info.pageCount;
    checkRecordList(info.headerSize == StoredReport::HeaderSize);
}

// Walks the records from the first on: each must carry the next page number,
// end inside the stream and point back at its own start; the stream must end
// with the last record, whose start it holds in its last 4 bytes. A 128-byte
// header states the page count, and the records must hold exactly that many:
// a file whose header undercounts its pages would otherwise show short.
// Layouts without a page count take the number of records found.
void TBVPageList::checkRecordList(bool countStated)
{
    const qint64 size = m_stream->size();
    qint64 start = m_headerSize;
    int page = 0;
    const bool countRecords = !countStated && m_pageCount == 0;
    while (start < size && (page < m_pageCount || countRecords)) {
        if (size - start < StoredReport::RecordOverhead)
            throw EBVError(BVErrorText::Truncated);
        m_stream->seek(start);
        const qint32 number = m_stream->readInt32();
        const qint64 next = m_stream->readInt32();
        if (number != page + 1 || next < start + StoredReport::RecordOverhead)
            throw EBVError(page == 0 ? BVErrorText::NotAStoredReport : BVErrorText::CorruptRecord);
        if (next > size)
            throw EBVError(BVErrorText::Truncated);
        m_stream->seek(next - 4);
        if (m_stream->readInt32() != start)
            throw EBVError(BVErrorText::CorruptRecord);
        ++page;
        m_endStart = start;
        start = next;
    }
    if (page < m_pageCount)
        throw EBVError(page == 0 ? BVErrorText::NotAStoredReport : BVErrorText::Truncated);
    if (countStated && start < size)
        throw EBVError(BVErrorText::PageCountMismatch);
    m_pageCount = page;
    m_lastPage = 0;
}
