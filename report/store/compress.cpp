#include "report/store/compress.h"

#include "report/store/bv_error.h"

namespace {

// Paths up to this deep are gathered in one word; deeper ones (only after
// long skewed input) go bit by bit.
constexpr int WordPath = 56;

}

TBVCompress::TBVCompress()
{
    m_up[0] = 0;
    for (int i = 1; i <= 512; ++i)
        m_up[i] = static_cast<uint16_t>((i - 1) / 2);
    for (int i = 0; i < 256; ++i) {
        m_child[i][0] = static_cast<uint16_t>(2 * i + 1);
        m_child[i][1] = static_cast<uint16_t>(2 * i + 2);
    }
}

void TBVCompress::splay(int byte)
{
    int a = byte + 256;
    do {
        const int p = m_up[a];
        if (p != 0) {
            const int g = m_up[p];
            const int side = m_child[g][0] == p ? 1 : 0;
            const int s = m_child[g][side];
            m_child[g][side] = static_cast<uint16_t>(a);
            m_child[p][m_child[p][0] == a ? 0 : 1] = static_cast<uint16_t>(s);
            m_up[a] = static_cast<uint16_t>(g);
            m_up[s] = static_cast<uint16_t>(p);
            a = g;
        } else {
            a = p;
        }
    } while (a != 0);
}

void TBVCompress::putBits(uint64_t bits, int count, QByteArray& out)
{
    m_pending |= bits << m_pendingBits;
    m_pendingBits += count;
    while (m_pendingBits >= 8) {
        out.append(static_cast<char>(m_pending & 0xff));
        m_pending >>= 8;
        m_pendingBits -= 8;
    }
}

void TBVCompress::compress(const char* data, size_t size, QByteArray& out)
{
    for (size_t i = 0; i < size; ++i) {
        const int byte = static_cast<uint8_t>(data[i]);
        // Walking up from the leaf, each step shifts the bits gathered so far
        // up by one, so the root's bit ends in the lowest place: the order in
        // which the bits are sent.
        uint64_t code = 0;
        int depth = 0;
        int a = byte + 256;
        while (a != 0 && depth < WordPath) {
            const int p = m_up[a];
            code = (code << 1) | (m_child[p][1] == a ? 1u : 0u);
            ++depth;
            a = p;
        }
        if (a != 0) {
            // A deep path: send the part above, root first, bit by bit.
            bool upper[256];
            int upperDepth = 0;
            for (; a != 0; a = m_up[a])
                upper[upperDepth++] = m_child[m_up[a]][1] == a;
            while (upperDepth > 0)
                putBits(upper[--upperDepth] ? 1 : 0, 1, out);
        }
        putBits(code, depth, out);
        splay(byte);
    }
}

void TBVCompress::flush(QByteArray& out)
{
    if (m_pendingBits > 0)
        out.append(static_cast<char>(m_pending & 0xff));
    m_pending = 0;
    m_pendingBits = 0;
}

QByteArray TBVCompress::expand(const char* input, size_t inputSize, size_t count)
{
    QByteArray out(static_cast<qsizetype>(count), Qt::Uninitialized);
    char* target = out.data();
    size_t next = 0;
    uint64_t bits = 0;
    int available = 0;
    for (size_t i = 0; i < count; ++i) {
        int a = 0;
        do {
            if (available == 0) {
                // Refill with as many whole bytes as remain, up to eight.
                if (next >= inputSize)
                    throw EBVError(BVErrorText::Truncated);
                bits = 0;
                while (available < 64 && next < inputSize) {
                    bits |= static_cast<uint64_t>(static_cast<uint8_t>(input[next++])) << available;
                    available += 8;
                }
            }
            a = m_child[a][bits & 1];
            bits >>= 1;
            --available;
        } while (a < 256);
        if (a > 511)
            throw EBVError(BVErrorText::CorruptRecord);
        target[i] = static_cast<char>(a - 256);
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
