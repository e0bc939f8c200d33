#include "net_options.h"

#include "json_writer.h"

#include <array>

using namespace fundorix::calc;

namespace {

const QString taxOption = QStringLiteral("--steuer");
const QString fundOption = QStringLiteral("--fondsart");

struct NumberOption {
    const char* name;
    NetField field;
};

constexpr std::array<NumberOption, netFieldCount> numberOptions { {
    { "--freibetrag", NetField::Freibetrag },
    { "--basiszins", NetField::Basiszins },
    { "--kosten", NetField::Fondskosten },
    { "--inflation", NetField::Inflation },
    { "--dynamik", NetField::Dynamik },
} };

template <std::size_t N> QString keyList(const std::array<const char*, N>& keys)
{
    QStringList list;
    for (const char* key : keys)
        list.append(QString::fromUtf8(key));
    return list.join(QLatin1Char('|'));
}

QString badChoice(const QString& option, const QString& value, const QString& keys)
{
    return QStringLiteral("option %1 takes %2, not '%3'").arg(option, keys, value);
}

QString badNumber(const NumberOption& option, const QString& value)
{
    const QString range = QString::fromUtf8(netFieldInfo(option.field).range);
    const QString wanted = range.isEmpty() ? QStringLiteral("a number") : QStringLiteral("a number ") + range;
    return QStringLiteral("option %1 needs %2, not '%3'").arg(QString::fromUtf8(option.name), wanted, value);
}

QString readChoices(const ParsedArguments& parsed, NetOptions& options)
{
    if (parsed.values.contains(taxOption)) {
        const QString value = parsed.values.value(taxOption);
        const auto tax = netTaxFromKey(value.toStdString());
        if (!tax)
            return badChoice(taxOption, value, keyList(kNetTaxKeys));
        options.tax = *tax;
    }
    if (parsed.values.contains(fundOption)) {
        const QString value = parsed.values.value(fundOption);
        const auto fund = fundTypeFromKey(value.toStdString());
        if (!fund)
            return badChoice(fundOption, value, keyList(kFundTypeKeys));
        options.fund = *fund;
    }
    return {};
}

}

QStringList netOptionNames()
{
    QStringList names { taxOption, fundOption };
    for (const NumberOption& option : numberOptions)
        names.append(QString::fromUtf8(option.name));
    return names;
}

QString netOptionsUsage()
{
    return QStringLiteral("[--steuer %1] [--freibetrag EUR]\n"
                          "                     [--fondsart %2]\n"
                          "                     [--basiszins P] [--kosten P] [--inflation P] [--dynamik P]")
        .arg(keyList(kNetTaxKeys), keyList(kFundTypeKeys));
}

QString readNetOptions(const ParsedArguments& parsed, NetOptions& options)
{
    const QString choiceError = readChoices(parsed, options);
    if (!choiceError.isEmpty())
        return choiceError;
    for (const NumberOption& option : numberOptions) {
        const QString name = QString::fromUtf8(option.name);
        if (!parsed.values.contains(name))
            continue;
        const QString value = parsed.values.value(name);
        const auto number = parseNetField(option.field, value.toStdString());
        if (!number)
            return badNumber(option, value);
        setNetFieldValue(options, option.field, *number);
    }
    return {};
}

QString netOptionsJson(const NetOptions& options)
{
    JsonObjectWriter json;
    json.addString(QStringLiteral("steuer"), QString::fromUtf8(kNetTaxKeys[static_cast<std::size_t>(options.tax)]));
    json.addNumber(QStringLiteral("steuersatz"), taxRate(options.tax));
    json.addNumber(QStringLiteral("freibetrag"), options.freibetrag);
    json.addString(
        QStringLiteral("fondsart"), QString::fromUtf8(kFundTypeKeys[static_cast<std::size_t>(options.fund)]));
    json.addNumber(QStringLiteral("teilfreistellung"), teilfreistellung(options.fund));
    json.addNumber(QStringLiteral("basiszins"), options.basiszins);
    json.addNumber(QStringLiteral("kosten"), options.fondskosten);
    json.addNumber(QStringLiteral("inflation"), options.inflation);
    json.addNumber(QStringLiteral("dynamik"), options.dynamik);
    return json.text();
}
