#pragma once

#include <QByteArray>

// LZW compression as the PDF LZWDecode filter reads it with its default
// parameters: codes of 9 to 12 bits, most significant bit first, the code
// width growing one code early (EarlyChange 1), a clear-table code (256) at
// the start and whenever the table is full, the end-of-data code (257) at the
// end and the last byte padded with zero bits.
QByteArray lzwEncode(const QByteArray& data);
