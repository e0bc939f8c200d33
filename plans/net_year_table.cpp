#include "plans/net_year_table.h"

#include "calc/number_text.h"
#include "plans/net_plan_texts.h"

namespace netyeartable {

namespace {

    QString amount(double value) { return QString::fromStdString(fundorix::calc::formatAmount(value)); }

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
