// fundorix-cli netto: the page "Netto" for the given settings and net options.
#include "argument_parser.h"
#include "command.h"
#include "form_session.h"
#include "json_writer.h"
#include "net_csv.h"
#include "net_options.h"
#include "plan_output.h"

using namespace fundorix::calc;

namespace {

QString yearsJson(const NetResult& result)
{
    QStringList years;
    for (const NetYear& y : result.years) {
        JsonObjectWriter year;
        year.addInteger(QStringLiteral("year"), y.year);
        year.addNumber(QStringLiteral("Einzahlungen"), y.einzahlungen);
        year.addNumber(QStringLiteral("Dividende"), y.dividende);
        year.addNumber(QStringLiteral("Vorabpauschale"), y.vorabpauschale);
        year.addNumber(QStringLiteral("Steuer"), y.steuer);
        year.addNumber(QStringLiteral("Depotwert"), y.depotwert);
        year.addNumber(QStringLiteral("Kaufkraft"), y.kaufkraft);
        years.append(year.text());
    }
    return QLatin1Char('[') + years.join(QLatin1Char(',')) + QLatin1Char(']');
}

QList<NamedText> resultTexts(const NetResult& result)
{
    QList<NamedText> texts;
    for (std::size_t i = 0; i < netItemCount; ++i) {
        const auto item = static_cast<NetItem>(i);
        texts.append({ QString::fromUtf8(netItemInfo(item).key), QString::fromStdString(result.text(item)) });
    }
    return texts;
}

void printJson(const NetResult& result, const NetOptions& options)
{
    JsonObjectWriter json;
    for (const NamedText& text : resultTexts(result))
        json.addString(text.first, text.second);
    json.addRaw(QStringLiteral("options"), netOptionsJson(options));
    json.addRaw(QStringLiteral("years"), yearsJson(result));
    printLine(json.text());
}

int runNetto(const QStringList& arguments)
{
    const ParsedArguments parsed
        = parseArguments(arguments, netOptionNames(), { QStringLiteral("--json"), QStringLiteral("--csv") });
    NetOptions options;
    QString settings;
    QString error = parsed.error;
    if (error.isEmpty())
        error = readNetOptions(parsed, options);
    if (error.isEmpty() && parsed.hasFlag(QStringLiteral("--json")) && parsed.hasFlag(QStringLiteral("--csv")))
        error = QStringLiteral("netto takes --json or --csv, not both");
    if (error.isEmpty())
        takeSettingsArgument(parsed.positionals, settings, error);
    if (!error.isEmpty())
        return usageError(error);

    FormSession session(settings);
    const FormModel& form = session.form();
    const NetResult result = computeNet(form.simulationInputs(), form.grid().cells(), options);
    if (parsed.hasFlag(QStringLiteral("--json")))
        printJson(result, options);
    else if (parsed.hasFlag(QStringLiteral("--csv")))
        printNetYearsCsv(result.years);
    else
        printNamedTexts(resultTexts(result));
    return exitSuccess;
}

const QString usage = QStringLiteral("  fundorix-cli netto [--json] %1 [SETTINGS]\n"
                                     "  fundorix-cli netto --csv [net options] [SETTINGS]\n")
                          .arg(netOptionsUsage());
const QByteArray usageUtf8 = usage.toUtf8();
const CommandRegistration registration({ "netto", usageUtf8.constData(), runNetto });

}
