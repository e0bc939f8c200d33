#pragma once

#include <QByteArray>
#include <QDateTime>

// The byte layout of a stored report file: a 128-byte header, then one
// record per page (page number, offset past the record, body, offset of the
// record's start), all integers little-endian.
namespace StoredReport {

constexpr int HeaderSize = 128;
constexpr int FormatNumber = 3;
constexpr int CompressedFlagOffset = 25;
// Page number and next offset before the body, start offset after it.
constexpr int RecordOverhead = 12;

// A date and time as days since 30 December 1899 plus the fraction of the day.
double dateTimeValue(const QDateTime& local);

QByteArray header(qint32 pageCount, bool compressed, double created);

// The header size of a file from its first bytes: where the first page's
// metafile signature stands tells which of the known layouts it has (128,
// 124, 120 or 96 bytes); failing those, the first "EMF" within the first
// 1002 bytes; failing that, 128. A signature too early for any header gives
// 128 as well, so that a header is never taken to be negative.
int detectHeaderSize(const QByteArray& start);

struct HeaderInfo {
    int headerSize = HeaderSize;
    qint32 pageCount = 0;
    bool compressed = false;
    bool countKnown = true; // false: the layout has no page count; count the records
};

// Reads the fields a header of the detected size holds.
HeaderInfo readHeader(const QByteArray& start);

}
