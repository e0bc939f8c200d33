#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// A font as the PDF export tells fonts apart: face, style and character set.
struct TPDFFontKey {
    QString faceName;
    bool bold = false;
    bool italic = false;
    int charSet = 1;

    // Face name, style letters ("B", "I"), character set and base-font name, tab-separated.
    QString key() const;
    // The face name without spaces, with ",Bold", ",Italic" or ",BoldItalic": "Arial,Bold".
    QString baseFontName() const;
};

// The metrics of one font that its PDF font resource carries.
struct TTFontrec {
    int FirstChar = 0;
    int LastChar = 255;
    std::array<int, 256> Widths {};
    int16_t Ascent = 0;
    int16_t Descent = 0;
    int ItalicAngle = 0;
    int Flags = 0;
    std::array<int, 4> FontBBox {};
    QString Encoding;
};

// Measures the installed font that the key names, at an em of 1024 units.
// Raises EExportError "GetFontData error" when the platform has no TrueType
// data for it, and the widths message when it gives no advance widths.
TTFontrec measureFont(const TPDFFontKey& key);

// measureFont, once per font in the process: the installed fonts do not
// change while the program runs, and every export uses the same few.
TTFontrec measuredFont(const TPDFFontKey& key);

// The /Flags value for the high byte of the OS/2 family class.
int fontFlagsOfFamilyClass(int familyClass);

// The value after "/Encoding ": the code page's bytes 2 to 255 as glyph
// names in a /Differences array, or the Windows ANSI encoding when the code
// page's bytes do not convert one by one.
QString fontEncoding(int codePage);

// The lines of the font dictionary and of the font descriptor after their "obj" lines.
QStringList fontDictionaryLines(const TPDFFontKey& key, const TTFontrec& metrics, int fontNumber, int descriptorObject);
QStringList fontDescriptorLines(const TTFontrec& metrics, int fontNumber);
