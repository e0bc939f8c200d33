#pragma once

#include <QByteArray>
#include <QString>

// The settings file is written in the Windows ANSI code page 1252. glibc's
// iconv rejects the five bytes that code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D); Windows maps them to the C1 controls of the same value,
// and so do we, so that every byte of a file survives a read and a write.
namespace windows1252 {

QString decode(const QByteArray& bytes);

// Characters the code page cannot hold become "?", as the ANSI conversion of
// the platform does.
QByteArray encode(const QString& text);

}
