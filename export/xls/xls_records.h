#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>

// The records of the classic binary spreadsheet stream: a 2-byte type, a
// 2-byte length and the data, all little endian. Rows and columns are 0-based.
namespace XlsRecords {

QByteArray beginningOfFile();
// All zero: the file is opened before any page is known.
QByteArray dimensions();
QByteArray numberCell(int row, int column, double value);
// The text as it is stored, at most 255 bytes (longer texts are cut).
QByteArray textCell(int row, int column, const QByteArray& text);
QByteArray endOfFile();

constexpr int maxTextBytes = 255;

}

// How the program writes numbers: a thousands point and a decimal comma.
struct NumberConventions {
    QChar thousandsSeparator = '.';
    QChar decimalSeparator = ',';
};

// The value of a cell text that reads as a number once its thousands
// separators are removed: optional blanks and sign, digits with the decimal
// separator, an optional exponent. Nothing for any other text ("10,00 %").
std::optional<double> cellNumber(const QString& text, const NumberConventions& conventions = {});
