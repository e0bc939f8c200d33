#pragma once

#include "plans/print_commands.h"

#include <QString>
#include <QStringList>

using PlanCommand = PlanOutcome (PrintCommands::*)();

// Takes the plan name (anlage, darlehen, rente, sparplan) off the front of
// the tool command's arguments and sets the print menu command it stands
// for; answers the usage error, empty when the plan is known.
QString takePlanCommand(const QString& toolCommand, QStringList& positionals, PlanCommand& command);
