#include "export/pdf/lzw.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int clearCode = 256;
constexpr int endOfData = 257;
constexpr int firstFreeCode = 258;
constexpr int minWidth = 9;
// The last code a 12-bit table takes before it must be cleared, leaving the
// decoder, which adds its entries one code later, room for its last one.
constexpr int lastCode = 4094;

class BitWriter {
public:
    explicit BitWriter(QByteArray& out)
        : m_out(out)
    {
    }
    void put(int code, int width)
    {
        m_bits = (m_bits << width) | static_cast<uint32_t>(code);
        m_count += width;
        while (m_count >= 8) {
            m_count -= 8;
            m_out += static_cast<char>((m_bits >> m_count) & 0xFF);
        }
    }
    void flush()
    {
        if (m_count > 0)
            m_out += static_cast<char>((m_bits << (8 - m_count)) & 0xFF);
        m_count = 0;
    }

private:
    QByteArray& m_out;
    uint32_t m_bits = 0;
    int m_count = 0;
};

// The string table as a map from (prefix code, next byte) to code; the keys
// set since the last clear are remembered so that a clear touches only them.
class StringTable {
public:
    StringTable()
        : m_codes(4096 * 256, 0)
    {
    }
    int find(int prefix, uint8_t byte) const { return m_codes[key(prefix, byte)]; }
    void add(int prefix, uint8_t byte, int code)
    {
        const size_t slot = key(prefix, byte);
        m_codes[slot] = static_cast<uint16_t>(code);
        m_used.push_back(slot);
    }
    void clear()
    {
        for (const size_t slot : m_used)
            m_codes[slot] = 0;
        m_used.clear();
    }

private:
    static size_t key(int prefix, uint8_t byte) { return static_cast<size_t>(prefix) * 256 + byte; }
    std::vector<uint16_t> m_codes; // 0: no entry (0 is never a code for a string of two or more bytes)
    std::vector<size_t> m_used;
};

class Encoder {
public:
    explicit Encoder(QByteArray& out)
        : m_bits(out)
    {
        m_bits.put(clearCode, m_width);
    }

    // Emits a code; the decoder adds a table entry for every code after the
    // first, one code behind the encoder, so the width follows the entry count.
    void emitCode(int code)
    {
        m_bits.put(code, m_width);
        ++m_nextCode;
        if (m_nextCode == lastCode) {
            m_bits.put(clearCode, m_width);
            m_table.clear();
            m_nextCode = firstFreeCode;
            m_width = minWidth;
            m_tableCleared = true;
        } else if (m_nextCode > (1 << m_width) - 1) {
            ++m_width;
        }
    }

    void encode(const QByteArray& data)
    {
        int prefix = static_cast<uint8_t>(data.at(0));
        for (qsizetype i = 1; i < data.size(); ++i) {
            const auto byte = static_cast<uint8_t>(data.at(i));
            const int found = m_table.find(prefix, byte);
            if (found != 0) {
                prefix = found;
                continue;
            }
            const int newCode = m_nextCode;
            m_tableCleared = false;
            emitCode(prefix);
            if (!m_tableCleared)
                m_table.add(prefix, byte, newCode);
            prefix = byte;
        }
        emitCode(prefix);
    }

    void finish()
    {
        m_bits.put(endOfData, m_width);
        m_bits.flush();
    }

private:
    BitWriter m_bits;
    StringTable m_table;
    int m_nextCode = firstFreeCode;
    int m_width = minWidth;
    bool m_tableCleared = false;
};

}

QByteArray lzwEncode(const QByteArray& data)
{
    QByteArray out;
    out.reserve(data.size() / 2 + 16);
    Encoder encoder(out);
    if (!data.isEmpty())
        encoder.encode(data);
    encoder.finish();
    return out;
}
