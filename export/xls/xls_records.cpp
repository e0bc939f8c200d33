#include "export/xls/xls_records.h"

#include <QLocale>
#include <QtEndian>
#include <cstring>

namespace {

enum RecordType : quint16 {
    NumberType = 0x0003,
    TextType = 0x0004,
    EndOfFileType = 0x000A,
    DimensionsType = 0x0200,
    BeginningOfFileType = 0x0809,
};

void appendWord(QByteArray& bytes, int value)
{
    const quint16 word = qToLittleEndian(static_cast<quint16>(value));
    bytes.append(reinterpret_cast<const char*>(&word), sizeof word);
}

// The number in C notation ("-1234.5e3") when the whole text is blanks, an
// optional sign, digits with at most one decimal separator (at least one
// digit in all), an optional exponent and blanks; empty otherwise.
QString plainNumberText(const QString& text, QChar decimalSeparator)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text.at(i) == ' ')
        ++i;
    while (end > i && text.at(end - 1) == ' ')
        --end;
    QString plain;
    if (i < end && (text.at(i) == '+' || text.at(i) == '-'))
        plain += text.at(i++);
    int digits = 0;
    bool decimalSeen = false;
    for (; i < end; ++i) {
        const QChar c = text.at(i);
        if (c >= '0' && c <= '9') {
            ++digits;
            plain += c;
        } else if (c == decimalSeparator && !decimalSeen) {
            decimalSeen = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (digits == 0)
        return {};
    if (i < end && (text.at(i) == 'e' || text.at(i) == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text.at(i) == '+' || text.at(i) == '-'))
            plain += text.at(i++);
        const qsizetype exponentStart = i;
        for (; i < end && text.at(i) >= '0' && text.at(i) <= '9'; ++i)
            plain += text.at(i);
        if (i == exponentStart)
            return {};
    }
    return i == end ? plain : QString();
}

QByteArray record(RecordType type, const QByteArray& data)
{
    QByteArray bytes;
    bytes.reserve(4 + data.size());
    appendWord(bytes, type);
    appendWord(bytes, static_cast<int>(data.size()));
    bytes.append(data);
    return bytes;
}

// Row, column and the three attribute bytes every cell record starts with.
QByteArray cellStart(int row, int column)
{
    QByteArray data;
    appendWord(data, row);
    appendWord(data, column);
    data.append(3, '\0');
    return data;
}

}

namespace XlsRecords {

QByteArray beginningOfFile()
{
    QByteArray data;
    for (int word : { 0x0000, 0x0010, 0x0000 })
        appendWord(data, word);
    return record(BeginningOfFileType, data);
}

QByteArray dimensions() { return record(DimensionsType, QByteArray(10, '\0')); }

QByteArray numberCell(int row, int column, double value)
{
    QByteArray data = cellStart(row, column);
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    bits = qToLittleEndian(bits);
    data.append(reinterpret_cast<const char*>(&bits), sizeof bits);
    return record(NumberType, data);
}

QByteArray textCell(int row, int column, const QByteArray& text)
{
    const QByteArray stored = text.left(maxTextBytes);
    QByteArray data = cellStart(row, column);
    data.append(static_cast<char>(stored.size()));
    data.append(stored);
    return record(TextType, data);
}

QByteArray endOfFile() { return record(EndOfFileType, {}); }

}

std::optional<double> cellNumber(const QString& text, const NumberConventions& conventions)
{
    QString cleaned = text;
    cleaned.remove(conventions.thousandsSeparator);
    const QString plain = plainNumberText(cleaned, conventions.decimalSeparator);
    if (plain.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}
