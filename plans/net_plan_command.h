#pragma once

#include "plans/plan_outcome.h"
#include "plans/print_commands.h"

#include <QString>

class PlanDefinition;
class PlanOutput;
class PlanSource;
struct NetPlanView;

// The fifth command of the print menu, "Netto-Anlageentwicklung": fills the
// net plan TNettoEntwicklung from the calculator form and the page "Netto"
// and hands it to the output. Like the four plans it computes nothing of its
// own: the inputs are copied as typed, the results and the year table are
// the page's net view in the amount format.
class NetPlanCommand {
public:
    NetPlanCommand(PlanSource& source, PlanDefinition& tNettoEntwicklung, PlanOutput& output,
        QString currencySymbol = PrintCommands::systemCurrencySymbol());

    PlanOutcome NettoAnlageentwicklung1Click();

private:
    PlanOutcome run();
    void fillOptions(const NetPlanView& view) const;
    void fillResults(const NetPlanView& view) const;
    void fillYearTable(const NetPlanView& view) const;

    PlanSource& m_source;
    PlanDefinition& m_definition;
    PlanOutput& m_output;
    QString m_currency;
};
