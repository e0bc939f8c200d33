// fundorix-cli report: a printed plan, filled and generated exactly as the
// print menu does it, written to files instead of shown in the preview.
#include "argument_parser.h"
#include "chart_binding.h"
#include "command.h"
#include "form_plan_source.h"
#include "form_session.h"
#include "net_options.h"
#include "plan_commands.h"
#include "plans/net_plan_command.h"
#include "plans/report_plan_definition.h"
#include "report_files.h"

#include <map>

namespace {

const std::map<QString, ReportFileFormat> fileFormats {
    { QStringLiteral("bvp"), ReportFileFormat::StoredReport },
    { QStringLiteral("png"), ReportFileFormat::Png },
    { QStringLiteral("pdf"), ReportFileFormat::Export },
    { QStringLiteral("htm"), ReportFileFormat::Export },
    { QStringLiteral("xls"), ReportFileFormat::Export },
    { QStringLiteral("rtf"), ReportFileFormat::Export },
};

const QString formatList = QStringLiteral("bvp|png|pdf|htm|xls|rtf");

const QString netPlanName = QStringLiteral("netto");

struct ReportRequest {
    // The command of one of the four plans; none for the net plan.
    PlanCommand command = nullptr;
    fundorix::calc::NetOptions netOptions;
    ReportFileFormat format = ReportFileFormat::StoredReport;
    // The extension of the export format, as the filter library knows it ("PDF").
    QString exportExtension;
    QString output;
    QString settings;
};

// The net plan takes the net options; the four plans know none of them.
QString takePlan(const ParsedArguments& parsed, QStringList& positionals, ReportRequest& request)
{
    if (positionals.isEmpty())
        return QStringLiteral("report needs anlage, darlehen, rente, sparplan or netto");
    if (positionals.first() == netPlanName) {
        positionals.removeFirst();
        return readNetOptions(parsed, request.netOptions);
    }
    for (const QString& option : netOptionNames()) {
        if (parsed.values.contains(option))
            return QStringLiteral("option %1 is only for report netto").arg(option);
    }
    return takePlanCommand(QStringLiteral("report"), positionals, request.command);
}

QString checkUsage(const ParsedArguments& parsed, ReportRequest& request)
{
    if (!parsed.error.isEmpty())
        return parsed.error;
    QStringList positionals = parsed.positionals;
    const QString planError = takePlan(parsed, positionals, request);
    if (!planError.isEmpty())
        return planError;
    const QString formatName = parsed.values.value(QStringLiteral("--format"));
    const auto format = fileFormats.find(formatName.toLower());
    if (format == fileFormats.end())
        return formatName.isEmpty() ? QStringLiteral("report needs --format %1").arg(formatList)
                                    : QStringLiteral("unknown format '%1'").arg(formatName);
    request.format = format->second;
    request.exportExtension = format->first.toUpper();
    request.output = parsed.values.value(QStringLiteral("-o"));
    if (request.output.isEmpty())
        return QStringLiteral("report needs -o FILE");
    QString error;
    takeSettingsArgument(positionals, request.settings, error);
    return error;
}

PlanOutcome runNetPlan(FormSession& session, FormPlanSource& source, PlanOutput& output, const ReportRequest& request)
{
    const FormModel& form = session.form();
    const fundorix::calc::NetOptions options = request.netOptions;
    source.setNetView([&form, options] { return netPlanView(form, options); });
    TNettoEntwicklung tNettoEntwicklung;
    return NetPlanCommand(source, tNettoEntwicklung, output).NettoAnlageentwicklung1Click();
}

int runReport(const QStringList& arguments)
{
    const ParsedArguments parsed = parseArguments(
        arguments, QStringList { QStringLiteral("--format"), QStringLiteral("-o") } + netOptionNames(), {});
    ReportRequest request;
    const QString error = checkUsage(parsed, request);
    if (!error.isEmpty())
        return usageError(error);

    ChartBinding chart;
    FormSession session(request.settings, &chart);
    FormPlanSource source(session.form(), chart);
    TQEntwicklung qEntwicklung;
    TTilgungsplan tTilgungsplan;
    ReportFileOutput output(request.format, request.output, request.exportExtension);
    PrintCommands commands(source, qEntwicklung, tTilgungsplan, output);
    const PlanOutcome outcome
        = request.command ? (commands.*request.command)() : runNetPlan(session, source, output, request);
    session.reportMessages();
    return outcome == PlanOutcome::Shown ? exitSuccess : exitFailure;
}

const CommandRegistration registration({ "report",
    "  fundorix-cli report anlage|darlehen|rente|sparplan --format bvp|png|pdf|htm|xls|rtf -o FILE [SETTINGS]\n"
    "  fundorix-cli report netto --format bvp|png|pdf|htm|xls|rtf -o FILE [net options] [SETTINGS]\n",
    runReport, true });

}
