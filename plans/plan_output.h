#pragma once

class PlanDefinition;

// The last step of every print command: hand the filled report on. The window
// shows the preview and returns when the user has closed it; the command-line
// tool generates the report and saves it instead.
class PlanOutput {
public:
    virtual ~PlanOutput() = default;
    virtual void preview(PlanDefinition& definition) = 0;
};
