#include "report/store/compress.h"

#include "report/store/bv_error.h"

TBVCompress::TBVCompress()
{
    m_up[0] = 0;
    for (int i = 1; i <= 512; ++i)
        m_up[i] = static_cast<uint16_t>((i - 1) / 2);
    for (int i = 0; i < 256; ++i) {
        m_left[i] = static_cast<uint16_t>(2 * i + 1);
        m_right[i] = static_cast<uint16_t>(2 * i + 2);
    }
}

void TBVCompress::splay(int byte)
{
    int a = byte + 256;
    do {
        const int p = m_up[a];
        if (p != 0) {
            const int g = m_up[p];
            int s;
            if (m_left[g] == p) {
                s = m_right[g];
                m_right[g] = static_cast<uint16_t>(a);
            } else {
                s = m_left[g];
                m_left[g] = static_cast<uint16_t>(a);
            }
            if (m_left[p] == a)
                m_left[p] = static_cast<uint16_t>(s);
            else
                m_right[p] = static_cast<uint16_t>(s);
            m_up[a] = static_cast<uint16_t>(g);
            m_up[s] = static_cast<uint16_t>(p);
            a = g;
        } else {
            a = p;
        }
    } while (a != 0);
}

void TBVCompress::compress(const char* data, size_t size, QByteArray& out)
{
    // A path is at most 256 inner nodes long; its bits are noted leaf-up and
    // sent root-down.
    bool path[512];
    for (size_t i = 0; i < size; ++i) {
        const int byte = static_cast<uint8_t>(data[i]);
        int depth = 0;
        for (int a = byte + 256; a != 0; a = m_up[a])
            path[depth++] = m_right[m_up[a]] == a;
        while (depth > 0) {
            if (path[--depth])
                m_byte |= static_cast<uint8_t>(1u << m_bit);
            if (++m_bit == 8) {
                out.append(static_cast<char>(m_byte));
                m_byte = 0;
                m_bit = 0;
            }
        }
        splay(byte);
    }
}

void TBVCompress::flush(QByteArray& out)
{
    if (m_bit > 0)
        out.append(static_cast<char>(m_byte));
    m_byte = 0;
    m_bit = 0;
}

QByteArray TBVCompress::expand(const char* input, size_t inputSize, size_t count)
{
    QByteArray out(static_cast<qsizetype>(count), Qt::Uninitialized);
    size_t next = 0;
    int bit = 8;
    uint8_t current = 0;
    for (size_t i = 0; i < count; ++i) {
        int a = 0;
        while (a < 256) {
            if (bit == 8) {
                if (next >= inputSize)
                    throw EBVError(BVErrorText::Truncated);
                current = static_cast<uint8_t>(input[next++]);
                bit = 0;
            }
            a = ((current >> bit++) & 1) ? m_right[a] : m_left[a];
        }
        if (a > 511)
            throw EBVError(BVErrorText::CorruptRecord);
        out[static_cast<qsizetype>(i)] = static_cast<char>(a - 256);
        splay(a - 256);
    }
    return out;
}

QByteArray compressPage(const QByteArray& page)
{
    TBVCompress coder;
    QByteArray out;
    out.reserve(page.size() / 2 + 16);
    coder.compress(page.constData(), static_cast<size_t>(page.size()), out);
    coder.flush(out);
    return out;
}

QByteArray expandPage(const char* input, size_t inputSize, size_t count)
{
    TBVCompress coder;
    return coder.expand(input, inputSize, count);
}
