#include "plan_commands.h"

#include <map>

QString takePlanCommand(const QString& toolCommand, QStringList& positionals, PlanCommand& command)
{
    static const std::map<QString, PlanCommand> commands {
        { QStringLiteral("anlage"), &PrintCommands::Anlageentwicklung1Click },
        { QStringLiteral("darlehen"), &PrintCommands::Tilgungsplan1Click },
        { QStringLiteral("rente"), &PrintCommands::RentenplanAuszahlungsphase1Click },
        { QStringLiteral("sparplan"), &PrintCommands::SparplanmitanschlieenderAuszahlungber30Jahre1Click },
    };
    if (positionals.isEmpty())
        return QStringLiteral("%1 needs anlage, darlehen, rente or sparplan").arg(toolCommand);
    const QString plan = positionals.takeFirst();
    const auto found = commands.find(plan);
    if (found == commands.end())
        return QStringLiteral("unknown plan '%1'").arg(plan);
    command = found->second;
    return QString();
}
