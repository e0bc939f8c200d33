#pragma once

// How a print command ended. The menu ignores it; the command-line tool turns
// anything but Shown into exit status 1.
enum class PlanOutcome {
    Shown, ///< every report of the command went to the output
    Refused, ///< a plan check refused the inputs; its message has been shown
    Failed, ///< a failure ended the command; the error box has been shown
    Busy, ///< another command was in progress on the form; nothing was done
};
