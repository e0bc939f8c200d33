#include "export/pdf/lzw.h"

#include <algorithm>
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

// The string table as a map from (prefix code, next byte) to code: an
// open-addressing hash table twice the size of the largest table, with the
// key and the code packed into one 32-bit slot (0 is empty: no code is 0),
// small enough to stay in the fastest cache. Every lookup depends on the one
// before it, so the table's latency is the encoder's speed.
class StringTable {
public:
    StringTable()
        : m_slots(slotCount, 0)
    {
    }
    int find(int prefix, uint8_t byte) const
    {
        const uint32_t key = keyOf(prefix, byte);
        for (size_t slot = slotOf(key);; slot = (slot + 1) & (slotCount - 1)) {
            const uint32_t entry = m_slots[slot];
            if (entry == 0)
                return 0;
            if (entry >> codeBits == key)
                return static_cast<int>(entry & codeMask);
        }
    }
    void add(int prefix, uint8_t byte, int code)
    {
        const uint32_t key = keyOf(prefix, byte);
        size_t slot = slotOf(key);
        while (m_slots[slot] != 0)
            slot = (slot + 1) & (slotCount - 1);
        m_slots[slot] = (key << codeBits) | static_cast<uint32_t>(code);
    }
    void clear() { std::fill(m_slots.begin(), m_slots.end(), 0u); }

private:
    static constexpr size_t slotCount = 8192;
    static constexpr int codeBits = 12;
    static constexpr uint32_t codeMask = (1u << codeBits) - 1;
    // A prefix code of 12 bits and a byte: 20 bits, leaving 12 for the code.
    static uint32_t keyOf(int prefix, uint8_t byte) { return (static_cast<uint32_t>(prefix) << 8) | byte; }
    // The byte shifted over the prefix code, as compress(1) hashes: cheap, and
    // the bytes that follow one prefix spread over the table.
    static size_t slotOf(uint32_t key) { return ((key & 0xFF) << 5 ^ key >> 8) & (slotCount - 1); }

    std::vector<uint32_t> m_slots;
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
        const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
        int prefix = bytes[0];
        for (qsizetype i = 1; i < data.size(); ++i) {
            const uint8_t byte = bytes[i];
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
    // Pictures of reports compress well; a large guess would only cost fresh memory pages.
    out.reserve(data.size() / 16 + 16);
    Encoder encoder(out);
    if (!data.isEmpty())
        encoder.encode(data);
    encoder.finish();
    return out;
}
