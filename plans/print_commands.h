#pragma once

#include "plans/plan_outcome.h"
#include "plans/plan_source.h"

#include <QString>

class PlanDefinition;
class PlanOutput;

// The four commands of the print menu. Each fills a report definition from
// the calculator form and hands it to the output (the preview). They compute
// next to nothing: inputs and results are copied as the form shows them, so a
// report always matches the window it was printed from.
class PrintCommands {
public:
    // The currency symbol is that of the regional settings; tests pass their own.
    PrintCommands(PlanSource& source, PlanDefinition& qEntwicklung, PlanDefinition& tTilgungsplan, PlanOutput& output,
        QString currencySymbol = systemCurrencySymbol());

    // "&Anlageentwicklung": the investment development on TQEntwicklung.
    PlanOutcome Anlageentwicklung1Click();
    // "&Darlehnsberechnung": the loan repayment plan on TTilgungsplan.
    PlanOutcome Tilgungsplan1Click();
    // "Rentenplan Auszahlungsphase": the pension payout on TTilgungsplan.
    PlanOutcome RentenplanAuszahlungsphase1Click();
    // "Sparplan mit anschließender Auszahlung über 30 Jahre": the savings
    // report, then the form turned into a 30-year payout and its report. The
    // form keeps the payout phase afterwards.
    PlanOutcome SparplanmitanschlieenderAuszahlungber30Jahre1Click();

    static QString systemCurrencySymbol();

private:
    PlanOutcome runDevelopment();
    PlanOutcome runLoan();
    PlanOutcome runPayout();
    PlanOutcome runSavingsThenPayout();

    bool savingsPhaseAllowed() const;
    bool payoutPhaseAllowed() const;

    void fillExtraPayments(PlanDefinition& definition) const;
    void fillChartPicture(PlanDefinition& definition) const;
    void fillDevelopmentResults() const;
    void fillLoanSummary() const;
    void fillPayoutSummary() const;
    void fillMoneySummary() const;
    void fillLoanSentences() const;

    long double fieldNumber(PlanField field) const;
    long double captionNumber(PlanCaption caption) const;
    QString money(const QString& text) const;

    PlanSource& m_source;
    PlanDefinition& m_qEntwicklung;
    PlanDefinition& m_tTilgungsplan;
    PlanOutput& m_output;
    QString m_currency;
};
