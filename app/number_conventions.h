#pragma once

#include <QString>
#include <optional>

// The system's number texts on Qt strings: decimal comma, no thousands
// separator in input, independent of the process locale.

// Throws fundorix::calc::ConversionError when the text is no decimal number.
long double parseDecimal(const QString& text);
std::optional<int> parseWholeNumber(const QString& text);
QString formatGeneral(long double value);

class QDate;
class QTime;

// Fixes the application's number and date conventions independent of the
// user's locale (decimal comma, thousands point, "dd.MM.yyyy", "HH:mm"), so
// that every text Qt formats for the program follows them.
void applyNumberConventions();

QString formatShortDate(const QDate& date);
QString formatShortTime(const QTime& time);
