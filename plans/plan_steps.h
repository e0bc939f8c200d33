#pragma once

#include "plans/command_guard.h"
#include "plans/plan_outcome.h"
#include "plans/plan_source.h"

#include <QString>
#include <exception>

class PlanDefinition;

// Steps every print command shares.
namespace plansteps {

// A menu command is a user action: whatever fails inside it ends there, in
// the standard error box, and never reaches the event loop. The preview
// handles events while it is open, so another command could be chosen then:
// it does not start until this one has returned.
template <typename Command> PlanOutcome runGuarded(PlanSource& source, Command command)
{
    CommandGuard& guard = source.commandGuard();
    if (guard.busy())
        return PlanOutcome::Busy;
    const CommandGuard::Hold hold(guard);
    try {
        return command();
    } catch (const std::exception& failure) {
        source.showError(QString::fromUtf8(failure.what()));
        return PlanOutcome::Failed;
    }
}

// The inputs block, copied unconverted: the report shows what the user typed.
void fillInputBlock(const PlanSource& source, PlanDefinition& definition, const QString& currency);

}
