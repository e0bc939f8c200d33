#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstring>
#include <functional>

// One checked record of a metafile: its type, size and bytes. Records are
// only ever handed out by forEachEmfRecord, which has checked that the
// record lies inside the metafile and that libuemf finds its fields safe.
struct EmfRecord {
    uint32_t type = 0;
    uint32_t size = 0;
    const char* data = nullptr;

    // Copies a fixed part of the record; false when the record is shorter.
    template <typename T> bool read(T& out, size_t offset = 0) const
    {
        if (offset > size || sizeof(T) > size - offset)
            return false;
        std::memcpy(&out, data + offset, sizeof(T));
        return true;
    }
};

// Walks the records of a metafile, checking each before it is handed on:
// the first must be the header, sizes must be whole, inside the bytes and
// safe for libuemf, and the walk must end with the end-of-file record exactly
// at the end of the bytes. Returns false at the first failed check; the
// visitor returns false to stop early.
bool forEachEmfRecord(const QByteArray& bytes, const std::function<bool(const EmfRecord&)>& visit);
