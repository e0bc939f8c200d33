#include "export/pdf/ascii85.h"

#include <cstdint>

namespace {

constexpr int charactersPerLine = 201;

void appendGroup(QByteArray& out, uint32_t value, int characters)
{
    char digits[5];
    for (int i = 4; i >= 0; --i) {
        digits[i] = static_cast<char>('!' + value % 85);
        value /= 85;
    }
    out.append(digits, characters);
}

uint32_t groupValue(const char* bytes, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | (i < count ? static_cast<uint8_t>(bytes[i]) : 0u);
    return value;
}

// The short last group counts too, so the end mark may begin a line of its own.
void breakLineWhenFull(QByteArray& out, int& sinceBreak)
{
    if (sinceBreak < charactersPerLine)
        return;
    out += "\r\n";
    sinceBreak = 0;
}

}

QByteArray ascii85Encode(const QByteArray& data)
{
    QByteArray out;
    out.reserve(data.size() * 5 / 4 + data.size() / 80 + 8);
    const qsizetype fullGroups = data.size() / 4;
    int sinceBreak = 0;
    for (qsizetype group = 0; group < fullGroups; ++group) {
        const uint32_t value = groupValue(data.constData() + group * 4, 4);
        if (value == 0)
            out += 'z';
        else
            appendGroup(out, value, 5);
        sinceBreak += 5;
        breakLineWhenFull(out, sinceBreak);
    }
    const int rest = static_cast<int>(data.size() % 4);
    if (rest > 0) {
        appendGroup(out, groupValue(data.constData() + fullGroups * 4, rest), rest + 1);
        sinceBreak += rest + 1;
        breakLineWhenFull(out, sinceBreak);
    }
    out += "~>";
    return out;
}
