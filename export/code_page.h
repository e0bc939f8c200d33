#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Conversions between Unicode and the platform code pages of the export
// formats, done by the C library's iconv.
namespace CodePage {

// The Windows ANSI code page of Western Europe, the one the program's texts are in.
constexpr int Ansi = 1252;
// The OEM code page of a German system, for the OEM character set.
constexpr int Oem = 850;

// The code page of a Windows character set number (0 and 1 give the ANSI code page).
int ofCharSet(int charSet);

// Every character as its byte in the code page; a character the code page
// cannot hold becomes the substitute byte. Only for single-byte code pages.
QByteArray encode(const QString& text, int codePage, char substitute = '?');

// The text in UTF-7 (RFC 2152), without a byte order mark.
QByteArray toUtf7(const QString& text);

// The characters the bytes denote in the code page, one per byte. A byte
// that a single-byte code page leaves undefined gives U+FFFD; a byte that
// is no character of its own in a double-byte code page (a lead byte) makes
// the whole conversion fail.
std::optional<QString> decode(const QByteArray& bytes, int codePage);

}
