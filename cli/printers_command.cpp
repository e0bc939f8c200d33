// fundorix-cli printers: the system's printers, one a line, the default one
// marked.
#include "command.h"
#include "form_session.h"
#include "report/engine/report_output.h"

namespace {

int runPrinters(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return usageError(QStringLiteral("printers takes no arguments"));
    const QStringList names = installedPrinters();
    const int defaultIndex = defaultPrinter();
    for (int i = 0; i < names.size(); ++i)
        printLine(i == defaultIndex ? names.at(i) + QStringLiteral(" default") : names.at(i));
    return exitSuccess;
}

const CommandRegistration registration({ "printers",
    "  fundorix-cli printers                        # one line per printer, \"default\" marks the default\n",
    runPrinters, true });

}
