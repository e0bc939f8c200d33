#pragma once

class PlanDefinition;

// The last step of every print command: hand the filled report on. The window
// shows the report's preview and returns when the user has closed it; the
// command-line tool instead generates the report into a page store
// (definition.report()->generate(printer)) and saves or renders the pages.
// A command that prints two reports calls it twice, the second time only
// after the first call has returned.
class PlanOutput {
public:
    virtual ~PlanOutput() = default;
    virtual void preview(PlanDefinition& definition) = 0;
};
