#pragma once

#include <QByteArray>
#include <vector>

// A reference decoder written from the LZWDecode description of the PDF
// format (EarlyChange 1), to read back what the encoder wrote.
inline QByteArray lzwDecode(const QByteArray& data)
{
    std::vector<QByteArray> table;
    auto reset = [&table] {
        table.clear();
        for (int i = 0; i < 256; ++i)
            table.push_back(QByteArray(1, static_cast<char>(i)));
        table.push_back(QByteArray()); // 256 clear
        table.push_back(QByteArray()); // 257 end of data
    };
    reset();
    QByteArray out;
    QByteArray previous;
    int width = 9;
    long long bitPosition = 0;
    const long long totalBits = static_cast<long long>(data.size()) * 8;
    while (bitPosition + width <= totalBits) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bitPosition) {
            const int bit = (static_cast<unsigned char>(data.at(bitPosition / 8)) >> (7 - bitPosition % 8)) & 1;
            code = (code << 1) | bit;
        }
        if (code == 257)
            break;
        if (code == 256) {
            reset();
            previous.clear();
            width = 9;
            continue;
        }
        QByteArray entry;
        if (code < static_cast<int>(table.size()))
            entry = table[static_cast<size_t>(code)];
        else if (code == static_cast<int>(table.size()) && !previous.isEmpty())
            entry = previous + previous.at(0);
        else
            return QByteArray("<bad code>");
        out += entry;
        if (!previous.isEmpty())
            table.push_back(previous + entry.at(0));
        previous = entry;
        // Early change: the width grows when the next entry would need it one code ahead.
        const int next = static_cast<int>(table.size()) + 1;
        if (next >= (1 << width) && width < 12)
            ++width;
    }
    return out;
}
