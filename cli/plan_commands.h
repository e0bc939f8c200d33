#pragma once

#include "plans/print_commands.h"

#include <QString>

using PlanCommand = PlanOutcome (PrintCommands::*)();

// The print menu command a plan name of the tool stands for (anlage,
// darlehen, rente, sparplan); null for any other name.
PlanCommand planCommand(const QString& name);
