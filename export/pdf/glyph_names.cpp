#include "export/pdf/glyph_names.h"

#include <unordered_map>

QString glyphNameOf(char32_t codePoint)
{
    static const std::unordered_map<char32_t, const char*> byCodePoint = [] {
        std::unordered_map<char32_t, const char*> map;
        for (std::size_t i = 0; i < glyphNameTableSize; ++i)
            map.emplace(glyphNameTable[i].codePoint, glyphNameTable[i].name);
        return map;
    }();
    const auto found = byCodePoint.find(codePoint);
    return found == byCodePoint.end() ? QString() : QString::fromLatin1(found->second);
}
