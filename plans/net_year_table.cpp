#include "plans/net_year_table.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "plans/net_plan_texts.h"

namespace netyeartable {

namespace {

    // A value beyond whole cents (the path of a plan may pass through values
    // larger than its end) keeps the fixed format's exponent form rather than
    // failing the whole table.
    QString amount(double value)
    {
        try {
            return QString::fromStdString(fundorix::calc::formatAmount(value));
        } catch (const fundorix::calc::ArithmeticError&) {
            return QString::fromStdString(fundorix::calc::formatFixed2(value));
        }
    }

}

QStringList headings()
{
    QStringList texts;
    for (const netplantexts::TableColumn& column : netplantexts::tableColumns)
        texts << QString::fromUtf8(column.heading);
    return texts;
}

QStringList cells(const fundorix::calc::NetYear& year)
{
    return { QString::number(year.year), amount(year.einzahlungen), amount(year.dividende), amount(year.vorabpauschale),
        amount(year.steuer), amount(year.depotwert), amount(year.kaufkraft) };
}

}
