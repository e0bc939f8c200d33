#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QFile;
class QTemporaryFile;

// The page stream: the bytes of a stored report while it is made or shown.
// A new stream lives in memory; once a write leaves it larger than the memory
// limit it moves to a temporary file named "BVP…" in the system's temporary
// directory, which is deleted with the stream. A stream opened on a stored
// report file reads that file and never writes it. Used on the program's one
// thread only: the preview reads pages between the steps of a run, never
// during one.
class TBVStream {
public:
    explicit TBVStream(qint64 memoryLimit);
    // Opens an existing file read-only; throws EBVError when it cannot.
    static std::unique_ptr<TBVStream> openFile(const QString& fileName);
    ~TBVStream();

    TBVStream(const TBVStream&) = delete;
    TBVStream& operator=(const TBVStream&) = delete;

    qint64 size() const;
    qint64 position() const;
    void seek(qint64 position);

    // Writes at the position; throws EBVError when the temporary file
    // cannot be made or written, or the stream is read-only.
    void write(const char* data, qint64 size);
    void write(const QByteArray& data) { write(data.constData(), data.size()); }

    // Reads exactly size bytes at the position; throws EBVError (truncated)
    // when the stream ends first.
    void readExact(char* data, qint64 size);
    QByteArray readExact(qint64 size);
    qint32 readInt32();

    bool isInMemory() const { return m_file == nullptr; }
    // The temporary file's name while the stream lives in one, else empty.
    QString temporaryFileName() const;

    // Copies the whole stream into a new file, in blocks, replacing the file
    // only when every byte has been written. Throws EBVError on failure.
    void copyToFile(const QString& fileName);

private:
    TBVStream() = default;
    void moveToTemporaryFile();

    qint64 m_memoryLimit = 0;
    QByteArray m_memory;
    qint64 m_position = 0;
    std::unique_ptr<QTemporaryFile> m_temporary;
    std::unique_ptr<QFile> m_readOnly;
    QFile* m_file = nullptr;
};

// Little-endian 32-bit values as the stored report file holds them.
void putInt32(QByteArray& out, qint32 value);
qint32 getInt32(const char* data);
