#include "windows1252.h"

#include <array>
#include <iconv.h>
#include <unordered_map>

namespace {

// One table built once through iconv: the code page is single-byte, so a
// table lookup per byte is all the conversion needs afterwards.
struct CodeTable {
    std::array<char16_t, 256> toUnicode {};
    std::unordered_map<char16_t, char> fromUnicode;

    CodeTable()
    {
        iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1252");
        for (int b = 0; b < 256; ++b) {
            toUnicode[b] = static_cast<char16_t>(b);
            if (cd == reinterpret_cast<iconv_t>(-1))
                continue;
            char in = static_cast<char>(b);
            unsigned char out[4] = {};
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(out);
            size_t inLeft = 1;
            size_t outLeft = sizeof(out);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && outLeft == 2)
                toUnicode[b] = static_cast<char16_t>(out[0] | (out[1] << 8));
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
        for (int b = 255; b >= 0; --b)
            fromUnicode[toUnicode[b]] = static_cast<char>(b);
    }
};

const CodeTable& table()
{
    static const CodeTable instance;
    return instance;
}

}

namespace windows1252 {

QString decode(const QByteArray& bytes)
{
    const CodeTable& t = table();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char b : bytes)
        *out++ = QChar(t.toUnicode[static_cast<unsigned char>(b)]);
    return text;
}

QByteArray encode(const QString& text)
{
    const CodeTable& t = table();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        if (c.isLowSurrogate())
            continue; // the high half of the pair already stood in for the character
        auto it = t.fromUnicode.find(c.unicode());
        bytes.append(it == t.fromUnicode.end() ? '?' : it->second);
    }
    return bytes;
}

}
