// fundorix-cli solve: the goal-seeking operations of the window, with the
// target given on the command line instead of the input box.
#include "argument_parser.h"
#include "command.h"
#include "form_session.h"
#include "json_writer.h"
#include "plan_output.h"
#include "target_solvers.h"

namespace {

const QStringList searchedFields { QStringLiteral("Sparen"), QStringLiteral("Rendite"), QStringLiteral("AnlageSumme") };

TargetSolvers::Outcome runSolver(TargetSolvers& solvers, const QString& kind)
{
    if (kind == QLatin1String("monthly"))
        return solvers.AnlageWunschDblClick();
    if (kind == QLatin1String("rate"))
        return solvers.ANLAGEGEWINNDblClick();
    return solvers.Label15DblClick();
}

void printResult(const FormModel& form, const TargetSolvers::Outcome& outcome, bool asJson)
{
    if (asJson) {
        JsonObjectWriter json;
        for (const QString& name : searchedFields)
            json.addString(name, form.fieldText(*fieldByName(name)));
        json.addInteger(QStringLiteral("trials"), outcome.trials);
        addPlanJson(json, form);
        printLine(json.text());
        return;
    }
    QList<NamedText> lines;
    for (const QString& name : searchedFields)
        lines.append({ name, form.fieldText(*fieldByName(name)) });
    lines.append({ QStringLiteral("SparenHint"), form.fieldHint(Field::Sparen) });
    lines.append({ QStringLiteral("trials"), QString::number(outcome.trials) });
    printNamedTexts(lines + shownTexts(form));
}

QString checkUsage(const ParsedArguments& parsed, QString& kind, QString& settings)
{
    if (!parsed.error.isEmpty())
        return parsed.error;
    QStringList positionals = parsed.positionals;
    if (positionals.isEmpty())
        return QStringLiteral("solve needs monthly, rate or payout");
    kind = positionals.takeFirst();
    const bool needsTarget = kind == QLatin1String("monthly") || kind == QLatin1String("rate");
    if (!needsTarget && kind != QLatin1String("payout"))
        return QStringLiteral("unknown search '%1'").arg(kind);
    const bool hasTarget = parsed.values.contains(QStringLiteral("--target"));
    if (needsTarget && !hasTarget)
        return QStringLiteral("solve %1 needs --target VALUE").arg(kind);
    if (!needsTarget && hasTarget)
        return QStringLiteral("solve payout takes no --target");
    QString error;
    takeSettingsArgument(positionals, settings, error);
    return error;
}

int runSolve(const QStringList& arguments)
{
    const ParsedArguments parsed
        = parseArguments(arguments, { QStringLiteral("--target") }, { QStringLiteral("--json") });
    QString kind;
    QString settings;
    const QString error = checkUsage(parsed, kind, settings);
    if (!error.isEmpty())
        return usageError(error);

    FormSession session(settings);
    if (parsed.values.contains(QStringLiteral("--target")))
        session.services().inputAnswer = parsed.values.value(QStringLiteral("--target"));
    TargetSolvers solvers(session.form());
    const TargetSolvers::Outcome outcome = runSolver(solvers, kind);
    session.reportMessages();
    if (outcome.status == TargetSolvers::Status::Failed)
        return exitFailure;
    printResult(session.form(), outcome, parsed.hasFlag(QStringLiteral("--json")));
    return outcome.status == TargetSolvers::Status::Bounded ? exitFailure : exitSuccess;
}

const CommandRegistration registration({ "solve",
    "  fundorix-cli solve monthly --target VALUE [--json] [SETTINGS]\n"
    "  fundorix-cli solve rate    --target VALUE [--json] [SETTINGS]\n"
    "  fundorix-cli solve payout  [--json] [SETTINGS]\n",
    runSolve });

}
