// fundorix-cli calc: the plan's shown texts for the given settings.
#include "argument_parser.h"
#include "command.h"
#include "form_session.h"
#include "json_writer.h"
#include "plan_output.h"

namespace {

int runCalc(const QStringList& arguments)
{
    const ParsedArguments parsed = parseArguments(arguments, {}, { QStringLiteral("--json") });
    QString settings;
    QString error = parsed.error;
    if (error.isEmpty())
        takeSettingsArgument(parsed.positionals, settings, error);
    if (!error.isEmpty())
        return usageError(error);

    FormSession session(settings);
    if (parsed.hasFlag(QStringLiteral("--json"))) {
        JsonObjectWriter json;
        addPlanJson(json, session.form());
        printLine(json.text());
    } else {
        printNamedTexts(shownTexts(session.form()));
    }
    return exitSuccess;
}

const CommandRegistration registration({ "calc", "  fundorix-cli calc  [--json] [SETTINGS]\n", runCalc });

}
