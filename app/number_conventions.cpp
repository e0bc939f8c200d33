#include "number_conventions.h"

#include "calc/number_text.h"

#include <QDate>
#include <QLocale>
#include <QTime>

long double parseDecimal(const QString& text) { return fundorix::calc::parseDecimal(text.toStdString()); }

std::optional<int> parseWholeNumber(const QString& text)
{
    return fundorix::calc::tryParseWholeNumber(text.toStdString());
}

QString formatGeneral(long double value) { return QString::fromStdString(fundorix::calc::formatGeneral(value)); }

void applyNumberConventions()
{
    QLocale conventions(QLocale::German, QLocale::Germany);
    conventions.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(conventions);
}

QString formatShortDate(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }

QString formatShortTime(const QTime& time) { return time.toString(QStringLiteral("HH:mm")); }
