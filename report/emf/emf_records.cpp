#include "report/emf/emf_records.h"

#include <uemf.h>
#include <uemf_endian.h>
#include <uemf_safe.h>

bool forEachEmfRecord(const QByteArray& bytes, const std::function<bool(const EmfRecord&)>& visit)
{
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    const char* at = begin;
    bool first = true;
    while (end - at >= 8) {
        uint32_t size = 0;
        uint32_t type = 0;
        // libuemf reads record fields in place: it needs whole, aligned records.
        if (!U_emf_record_sizeok(at, end, &size, &type, 1) || size < 8 || size % 4 != 0
            || size > static_cast<size_t>(end - at))
            return false;
        if (first != (type == U_EMR_HEADER))
            return false;
        if (!U_emf_record_safe(at))
            return false;
        first = false;
        if (!visit(EmfRecord { type, size, at }))
            return true;
        at += size;
        if (type == U_EMR_EOF)
            return at == end;
    }
    return false;
}
