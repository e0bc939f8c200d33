// fundorix-cli print: a printed plan, filled and generated exactly as the
// print menu does it, sent to a printer as the preview's print button does.
#include "argument_parser.h"
#include "chart_binding.h"
#include "command.h"
#include "form_plan_source.h"
#include "form_session.h"
#include "plan_commands.h"
#include "plans/plan_definition.h"
#include "plans/plan_output.h"
#include "plans/report_plan_definition.h"
#include "print_request.h"
#include "report/engine/report_output.h"

namespace {

// The end of the print command: every report of the plan goes to the printer.
class PrinterPlanOutput : public PlanOutput {
public:
    explicit PrinterPlanOutput(const PrintRequest& request)
        : m_request(request)
    {
    }

    void preview(PlanDefinition& definition) override
    {
        TBVReport* report = definition.report();
        if (!report)
            return;
        printReport(*report, m_request);
    }

private:
    PrintRequest m_request;
};

QString checkUsage(const ParsedArguments& parsed, PlanCommand& command, PrintRequest& request, QString& settings)
{
    if (!parsed.error.isEmpty())
        return parsed.error;
    QStringList positionals = parsed.positionals;
    const QString planError = takePlanCommand(QStringLiteral("print"), positionals, command);
    if (!planError.isEmpty())
        return planError;
    const QString error = parsePrintOptions(parsed.values.value(QStringLiteral("--pages")),
        parsed.values.value(QStringLiteral("--copies")), parsed.values.value(QStringLiteral("--duplex")), request);
    if (!error.isEmpty())
        return error;
    QString settingsError;
    takeSettingsArgument(positionals, settings, settingsError);
    return settingsError;
}

int runPrint(const QStringList& arguments)
{
    const QStringList options { QStringLiteral("--printer"), QStringLiteral("--pages"), QStringLiteral("--copies"),
        QStringLiteral("--duplex") };
    const ParsedArguments parsed = parseArguments(arguments, options, {});
    PlanCommand command = nullptr;
    PrintRequest request;
    QString settings;
    const QString error = checkUsage(parsed, command, request, settings);
    if (!error.isEmpty())
        return usageError(error);
    const QString printerError
        = choosePrinter(parsed.values.value(QStringLiteral("--printer")), installedPrinters(), request);
    if (!printerError.isEmpty())
        throw CliFailure(printerError);

    ChartBinding chart;
    FormSession session(settings, &chart);
    FormPlanSource source(session.form(), chart);
    TQEntwicklung qEntwicklung;
    TTilgungsplan tTilgungsplan;
    PrinterPlanOutput output(request);
    PrintCommands commands(source, qEntwicklung, tTilgungsplan, output);
    const PlanOutcome outcome = (commands.*command)();
    session.reportMessages();
    return outcome == PlanOutcome::Shown ? exitSuccess : exitFailure;
}

const CommandRegistration registration({ "print",
    "  fundorix-cli print anlage|darlehen|rente|sparplan [--printer NAME] [--pages FROM-TO] [--copies N]\n"
    "                     [--duplex none|long|short] [SETTINGS]\n",
    runPrint, true });

}
