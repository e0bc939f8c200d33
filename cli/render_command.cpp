// fundorix-cli render: a stored report file, loaded as the preview's "Load"
// does, written out as one PNG picture per page.
#include "argument_parser.h"
#include "command.h"
#include "report/engine/report_output.h"
#include "report_files.h"

namespace {

QString checkUsage(const ParsedArguments& parsed, QString& input, QString& output)
{
    if (!parsed.error.isEmpty())
        return parsed.error;
    if (parsed.positionals.size() != 1)
        return QStringLiteral("render needs one stored report file");
    input = parsed.positionals.first();
    output = parsed.values.value(QStringLiteral("-o"));
    if (output.isEmpty())
        return QStringLiteral("render needs -o FILE.png");
    return QString();
}

// Every page is read before the first picture is written, so a damaged file
// leaves nothing behind.
ReportPages loadAllPages(const QString& fileName)
{
    try {
        return ReportPages::load(fileName);
    } catch (const std::runtime_error& error) {
        throw CliFailure(QStringLiteral("cannot load '%1': %2").arg(fileName, QString::fromUtf8(error.what())));
    }
}

int runRender(const QStringList& arguments)
{
    const ParsedArguments parsed = parseArguments(arguments, { QStringLiteral("-o") }, {});
    QString input;
    QString output;
    const QString error = checkUsage(parsed, input, output);
    if (!error.isEmpty())
        return usageError(error);
    const ReportPages pages = loadAllPages(input);
    try {
        writePagePictures(pages, output);
    } catch (const std::runtime_error& failure) {
        throw CliFailure(QString::fromUtf8(failure.what()));
    }
    return exitSuccess;
}

const CommandRegistration registration({ "render", "  fundorix-cli render FILE.bvp -o OUT.png\n", runRender, true });

}
