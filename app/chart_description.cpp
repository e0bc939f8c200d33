#include "chart_description.h"

#include "calc/number_text.h"

#include <exception>

namespace calc = fundorix::calc;

namespace {

QString amount(double value)
{
    try {
        return QString::fromStdString(calc::formatAmount(value));
    } catch (const std::exception&) {
        return QString::fromStdString(calc::formatGeneral(value));
    }
}

}

QString chartDescription(const std::vector<calc::YearValues>& years)
{
    if (years.empty())
        return QStringLiteral("Balkendiagramm ohne Jahreswerte");
    const calc::YearValues& last = years.back();
    // The bar's total, summed in the order the chart's sum line adds its series.
    const double total = last.kapitaleinsatz + last.rendite + last.dividente + last.sonderzahlung;
    const QString span = years.size() == 1 ? QStringLiteral("1 Jahr") : QStringLiteral("%1 Jahre").arg(years.size());
    return QStringLiteral("Balkendiagramm über %1; Depotwert am Ende %2, davon Kapitaleinsatz %3, Rendite %4, "
                          "Dividende %5, Sonderzahlung %6.")
        .arg(span, amount(total), amount(last.kapitaleinsatz), amount(last.rendite), amount(last.dividente),
            amount(last.sonderzahlung));
}
