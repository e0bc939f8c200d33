#include "report/store/stream.h"

#include "report/store/bv_error.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QtEndian>
#include <cstring>

namespace {

constexpr qint64 CopyBlock = 10240;

}

void putInt32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

qint32 getInt32(const char* data) { return qFromLittleEndian<qint32>(data); }

TBVStream::TBVStream(qint64 memoryLimit)
    : m_memoryLimit(memoryLimit)
{
}

std::unique_ptr<TBVStream> TBVStream::openFile(const QString& fileName)
{
    std::unique_ptr<TBVStream> stream(new TBVStream);
    stream->m_readOnly = std::make_unique<QFile>(fileName);
    if (!stream->m_readOnly->open(QIODevice::ReadOnly))
        throw EBVError(BVErrorText::CannotOpen);
    stream->m_file = stream->m_readOnly.get();
    return stream;
}

TBVStream::~TBVStream() = default;

qint64 TBVStream::size() const { return m_file ? m_file->size() : m_memory.size(); }

qint64 TBVStream::position() const { return m_file ? m_file->pos() : m_position; }

void TBVStream::seek(qint64 position)
{
    position = std::clamp<qint64>(position, 0, size());
    if (m_file)
        m_file->seek(position);
    else
        m_position = position;
}

void TBVStream::write(const char* data, qint64 size)
{
    if (m_readOnly)
        throw EBVError(BVErrorText::CannotWrite);
    if (m_file) {
        if (m_file->write(data, size) != size)
            throw EBVError(BVErrorText::CannotWrite);
        return;
    }
    const qint64 end = m_position + size;
    if (end > m_memory.size())
        m_memory.resize(end);
    std::memcpy(m_memory.data() + m_position, data, static_cast<size_t>(size));
    m_position = end;
    if (m_memory.size() > m_memoryLimit)
        moveToTemporaryFile();
}

void TBVStream::moveToTemporaryFile()
{
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/BVPXXXXXX.tmp"));
    file->setAutoRemove(true);
    if (!file->open() || file->write(m_memory) != m_memory.size() || !file->seek(m_position))
        throw EBVError(BVErrorText::CannotCreateTemp);
    m_temporary = std::move(file);
    m_file = m_temporary.get();
    m_memory = QByteArray();
    m_position = 0;
}

void TBVStream::readExact(char* data, qint64 size)
{
    if (size < 0 || size > this->size() - position())
        throw EBVError(BVErrorText::Truncated);
    if (m_file) {
        if (m_file->read(data, size) != size)
            throw EBVError(BVErrorText::Truncated);
        return;
    }
    std::memcpy(data, m_memory.constData() + m_position, static_cast<size_t>(size));
    m_position += size;
}

QByteArray TBVStream::readExact(qint64 size)
{
    if (size < 0 || size > this->size() - position())
        throw EBVError(BVErrorText::Truncated);
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    readExact(bytes.data(), size);
    return bytes;
}

qint32 TBVStream::readInt32()
{
    char bytes[4];
    readExact(bytes, 4);
    return getInt32(bytes);
}

QString TBVStream::temporaryFileName() const { return m_temporary ? m_temporary->fileName() : QString(); }

void TBVStream::copyToFile(const QString& fileName)
{
    const qint64 saved = position();
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly))
        throw EBVError(BVErrorText::CannotWrite);
    seek(0);
    char block[CopyBlock];
    for (qint64 left = size(); left > 0;) {
        const qint64 n = std::min(left, CopyBlock);
        readExact(block, n);
        if (out.write(block, n) != n) {
            seek(saved);
            throw EBVError(BVErrorText::CannotWrite);
        }
        left -= n;
    }
    seek(saved);
    if (!out.commit())
        throw EBVError(BVErrorText::CannotWrite);
}
