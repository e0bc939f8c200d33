#include "number_conventions.h"

#include "calc/number_text.h"

long double parseDecimal(const QString& text) { return fundorix::calc::parseDecimal(text.toStdString()); }

std::optional<int> parseWholeNumber(const QString& text)
{
    return fundorix::calc::tryParseWholeNumber(text.toStdString());
}

QString formatGeneral(long double value) { return QString::fromStdString(fundorix::calc::formatGeneral(value)); }
