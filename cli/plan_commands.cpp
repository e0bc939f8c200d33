#include "plan_commands.h"

#include <map>

PlanCommand planCommand(const QString& name)
{
    static const std::map<QString, PlanCommand> commands {
        { QStringLiteral("anlage"), &PrintCommands::Anlageentwicklung1Click },
        { QStringLiteral("darlehen"), &PrintCommands::Tilgungsplan1Click },
        { QStringLiteral("rente"), &PrintCommands::RentenplanAuszahlungsphase1Click },
        { QStringLiteral("sparplan"), &PrintCommands::SparplanmitanschlieenderAuszahlungber30Jahre1Click },
    };
    const auto found = commands.find(name);
    return found == commands.end() ? nullptr : found->second;
}
