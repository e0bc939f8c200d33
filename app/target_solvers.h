#pragma once

#include "calc/target_search.h"

#include <QString>
#include <cstdint>
#include <optional>

class FormModel;

// The three goal-seeking operations of the main window. Each writes trial
// values into a field of the form (running the recompute) until the depot
// value hits the target's cent, then writes the rounded result.
class TargetSolvers {
public:
    enum class Status {
        Unchanged, // empty target text: nothing was done
        Solved,
        Bounded, // the search gave up; the searched field shows its text from before
        Failed, // a failure was shown in the standard error box
    };
    struct Outcome {
        Status status = Status::Unchanged;
        std::int64_t trials = 0;
    };

    explicit TargetSolvers(FormModel& form);

    // Double-click on AnlageWunsch: the monthly amount (Sparen) that reaches
    // the depot value entered in the input box.
    Outcome AnlageWunschDblClick();
    // Click on ANLAGEGEWINN (and double-click on Label16): the rate (Rendite)
    // that reaches the depot value entered in the input box.
    Outcome ANLAGEGEWINNDblClick();
    Outcome Label16DblClick() { return ANLAGEGEWINNDblClick(); }
    // Double-click on Label15: the depot value becomes the initial sum and the
    // monthly payout that empties it over the years is searched.
    Outcome Label15DblClick();
    // The search of Label15DblClick without moving the depot value into the
    // initial sum first: the monthly amount that brings the depot to 0.
    Outcome payoutSearch();

    // The work bound of the search; tests shorten it.
    void setLimits(const fundorix::calc::SearchLimits& limits) { m_limits = limits; }

private:
    Outcome searchWithInputBox(fundorix::calc::SolverOperation operation);
    Outcome search(fundorix::calc::SolverOperation operation, double target);

    FormModel& m_form;
    fundorix::calc::SearchLimits m_limits;
};
