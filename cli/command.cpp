#include "command.h"

#include <cstdio>
#include <vector>

namespace {

std::vector<CliCommand>& commands()
{
    static std::vector<CliCommand> registered;
    return registered;
}

}

void CommandRegistry::add(const CliCommand& command) { commands().push_back(command); }

const CliCommand* CommandRegistry::find(const QString& name)
{
    for (const CliCommand& command : commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

QString CommandRegistry::usageText()
{
    QString text = QStringLiteral("Usage:\n");
    for (const CliCommand& command : commands())
        text += QString::fromUtf8(command.usage);
    text += QStringLiteral("  fundorix-cli --help | --version\n\n"
                           "SETTINGS is a settings file of the program (default: the default inputs).\n"
                           "render writes the pages of a stored report as OUT-1.png, OUT-2.png, ... at 96 dpi.\n"
                           "Exit status: 0 success, 1 the operation failed, 2 wrong usage.\n");
    return text;
}

int usageError(const QString& message)
{
    std::fprintf(stderr, "fundorix-cli: %s\n\n%s", message.toUtf8().constData(),
        CommandRegistry::usageText().toUtf8().constData());
    return exitUsage;
}
