#include "plans/print_commands.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "plans/plan_definition.h"
#include "plans/plan_output.h"
#include "plans/plan_steps.h"
#include "plans/plan_texts.h"

#include <QLocale>

namespace {

const QString memoName = QStringLiteral("BVMemo1");
const QString imageName = QStringLiteral("BVImage1");
const QSize chartPictureSize(600, 400);

long double parseNumber(const QString& text) { return fundorix::calc::parseDecimal(text.toStdString()); }

QString fixed2(long double value) { return QString::fromStdString(fundorix::calc::formatFixed2(value)); }

}

PrintCommands::PrintCommands(PlanSource& source, PlanDefinition& qEntwicklung, PlanDefinition& tTilgungsplan,
    PlanOutput& output, QString currencySymbol)
    : m_source(source)
    , m_qEntwicklung(qEntwicklung)
    , m_tTilgungsplan(tTilgungsplan)
    , m_output(output)
    , m_currency(std::move(currencySymbol))
{
}

QString PrintCommands::systemCurrencySymbol()
{
    return plantexts::reportCurrencySymbol(QLocale::system().currencySymbol());
}

PlanOutcome PrintCommands::Anlageentwicklung1Click()
{
    return plansteps::runGuarded(m_source, [this] { return runDevelopment(); });
}

PlanOutcome PrintCommands::Tilgungsplan1Click()
{
    return plansteps::runGuarded(m_source, [this] { return runLoan(); });
}

PlanOutcome PrintCommands::RentenplanAuszahlungsphase1Click()
{
    return plansteps::runGuarded(m_source, [this] { return runPayout(); });
}

PlanOutcome PrintCommands::SparplanmitanschlieenderAuszahlungber30Jahre1Click()
{
    return plansteps::runGuarded(m_source, [this] { return runSavingsThenPayout(); });
}

PlanOutcome PrintCommands::runDevelopment()
{
    plansteps::fillInputBlock(m_source, m_qEntwicklung, m_currency);
    fillExtraPayments(m_qEntwicklung);
    fillChartPicture(m_qEntwicklung);
    fillDevelopmentResults();
    m_output.preview(m_qEntwicklung);
    return PlanOutcome::Shown;
}

PlanOutcome PrintCommands::runLoan()
{
    for (const plantexts::LabelText& heading : plantexts::loanHeadings())
        m_tTilgungsplan.setCaption(heading.label, heading.text);
    plansteps::fillInputBlock(m_source, m_tTilgungsplan, m_currency);
    fillExtraPayments(m_tTilgungsplan);
    fillChartPicture(m_tTilgungsplan);
    fillLoanSummary();
    m_output.preview(m_tTilgungsplan);
    return PlanOutcome::Shown;
}

PlanOutcome PrintCommands::runPayout()
{
    if (!payoutPhaseAllowed()) {
        m_source.showMessage(plantexts::payoutCheckMessage);
        return PlanOutcome::Refused;
    }
    for (const plantexts::LabelText& heading : plantexts::payoutHeadings())
        m_tTilgungsplan.setCaption(heading.label, heading.text);
    plansteps::fillInputBlock(m_source, m_tTilgungsplan, m_currency);
    fillExtraPayments(m_tTilgungsplan);
    fillChartPicture(m_tTilgungsplan);
    fillPayoutSummary();
    m_output.preview(m_tTilgungsplan);
    return PlanOutcome::Shown;
}

PlanOutcome PrintCommands::runSavingsThenPayout()
{
    if (!savingsPhaseAllowed()) {
        m_source.showMessage(plantexts::savingsCheckMessage);
        return PlanOutcome::Refused;
    }
    runDevelopment();
    // The final depot value becomes the capital to be paid out over 30 years;
    // each write recomputes the form, as the user's own edits would.
    m_source.setFieldText(PlanField::AnlageSumme, m_source.caption(PlanCaption::AnlageWunsch));
    m_source.setYears(30);
    // A payout the search could not solve would print a plan that does not
    // empty the depot; the user has been told, so stop before printing it.
    if (!m_source.searchPayout())
        return PlanOutcome::Failed;
    return runPayout();
}

// Go on when the monthly amount is negative, or else the yearly amount;
// Edit1 is not read when Sparen already decides.
bool PrintCommands::payoutPhaseAllowed() const
{
    return fieldNumber(PlanField::Sparen) < 0 || fieldNumber(PlanField::Edit1) < 0;
}

// Go on when nothing is paid out and there is a start capital, or when either
// amount pays in. Reads stop as soon as the outcome is known, so a text that
// does not matter cannot make the check fail.
bool PrintCommands::savingsPhaseAllowed() const
{
    if (fieldNumber(PlanField::Sparen) >= 0 && fieldNumber(PlanField::Edit1) >= 0
        && fieldNumber(PlanField::AnlageSumme) > 0)
        return true;
    return fieldNumber(PlanField::Sparen) > 0 || fieldNumber(PlanField::Edit1) > 0;
}

// A failure part-way keeps the lines made so far and leaves out "keine", so
// the list never claims there are no payments when some were listed.
void PrintCommands::fillExtraPayments(PlanDefinition& definition) const
{
    try {
        definition.clearLines(memoName);
        for (int column = PlanSource::firstEntryColumn; column <= PlanSource::lastEntryColumn; ++column) {
            const QString year = m_source.gridCell(PlanSource::yearRow, column);
            if (year.isEmpty())
                continue;
            definition.addLine(memoName,
                plantexts::extraPaymentLine(year, m_source.gridCell(PlanSource::monthRow, column),
                    m_source.gridCell(PlanSource::amountRow, column), m_currency));
        }
        if (definition.lineCount(memoName) == 0)
            definition.addLine(memoName, plantexts::noExtraPayments);
    } catch (const fundorix::calc::ConversionError&) {
    }
}

void PrintCommands::fillChartPicture(PlanDefinition& definition) const
{
    definition.setPicture(imageName, m_source.renderChart(chartPictureSize));
}

void PrintCommands::fillDevelopmentResults() const
{
    PlanDefinition& d = m_qEntwicklung;
    d.setCaption(QStringLiteral("QEinsatz"), money(m_source.caption(PlanCaption::Kapitaleinsatz)));
    d.setCaption(QStringLiteral("QErtrag"), money(m_source.caption(PlanCaption::ANLAGEGEWINN)));
    d.setCaption(QStringLiteral("QKapital"), money(m_source.caption(PlanCaption::AnlageWunsch)));
    d.setCaption(QStringLiteral("QGDividenten"), money(m_source.caption(PlanCaption::DividenteWiederanlage)));
    // The caption already ends in " %".
    d.setCaption(QStringLiteral("QZuwach"), m_source.caption(PlanCaption::AnlageProzent));
}

// The summary is one block: a text that is no number stops it where it
// stands, without a message, and the report is shown all the same.
void PrintCommands::fillLoanSummary() const
{
    try {
        fillMoneySummary();
        fillLoanSentences();
    } catch (const fundorix::calc::ConversionError&) {
    }
}

void PrintCommands::fillPayoutSummary() const
{
    try {
        fillMoneySummary();
        m_tTilgungsplan.setCaption(QStringLiteral("QZuwach"), QString());
        m_tTilgungsplan.setCaption(QStringLiteral("BVLabel16"), QString());
    } catch (const fundorix::calc::ConversionError&) {
    }
}

void PrintCommands::fillMoneySummary() const
{
    PlanDefinition& d = m_tTilgungsplan;
    const long double credit = fieldNumber(PlanField::AnlageSumme);
    const long double paid = captionNumber(PlanCaption::Kapitaleinsatz);
    d.setCaption(QStringLiteral("QEinsatz"), money(fixed2(credit - paid)));
    d.setCaption(QStringLiteral("QErtrag"), money(m_source.caption(PlanCaption::ANLAGEGEWINN)));
    const long double remaining = captionNumber(PlanCaption::AnlageWunsch);
    d.setCaption(QStringLiteral("QTilgung"), money(fixed2(credit - remaining)));
    d.setCaption(QStringLiteral("QKapital"), money(m_source.caption(PlanCaption::AnlageWunsch)));
    d.setCaption(QStringLiteral("QGDividenten"), money(m_source.caption(PlanCaption::DividenteWiederanlage)));
}

// Products before divisions, in extended precision; only the text rounds.
// Without a credit there is no share to state, so both sentences keep what
// they said before.
void PrintCommands::fillLoanSentences() const
{
    const long double credit = fieldNumber(PlanField::AnlageSumme);
    const long double remaining = captionNumber(PlanCaption::AnlageWunsch);
    if (credit == 0)
        return;
    m_tTilgungsplan.setCaption(
        QStringLiteral("QZuwach"), plantexts::repaidShareSentence(fixed2((credit - remaining) * 100 / credit)));
    const long double interest = captionNumber(PlanCaption::ANLAGEGEWINN);
    m_tTilgungsplan.setCaption(QStringLiteral("BVLabel16"),
        plantexts::interestShareSentence(m_source.fieldText(PlanField::Jahre), fixed2(interest * 100 / credit)));
}

long double PrintCommands::fieldNumber(PlanField field) const { return parseNumber(m_source.fieldText(field)); }

long double PrintCommands::captionNumber(PlanCaption caption) const { return parseNumber(m_source.caption(caption)); }

QString PrintCommands::money(const QString& text) const { return plantexts::withCurrency(text, m_currency); }
