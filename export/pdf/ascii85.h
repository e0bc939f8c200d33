#pragma once

#include <QByteArray>

// ASCII85 encoding for the PDF ASCII85Decode filter: every 4 bytes become 5
// characters "!" to "u", a group of four zero bytes "z", a final group of n
// bytes n + 1 characters; a CR LF follows whenever the characters made since
// the last break (5 for a "z") reach 201; the data ends with "~>".
QByteArray ascii85Encode(const QByteArray& data);
