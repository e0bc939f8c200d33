#include "net_csv.h"

#include "plans/net_year_table.h"

#include <QStringList>
#include <cstdio>

namespace {

QByteArray csvLine(const QStringList& fields) { return fields.join(QLatin1Char(';')).toUtf8() + "\r\n"; }

}

void printNetYearsCsv(const std::vector<fundorix::calc::NetYear>& years)
{
    QByteArray csv = csvLine(netyeartable::headings());
    for (const fundorix::calc::NetYear& year : years)
        csv += csvLine(netyeartable::cells(year));
    std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
}
