#include "target_solvers.h"

#include "form_model.h"
#include "form_services.h"

#include <exception>

namespace calc = fundorix::calc;

namespace {

Field searchedField(calc::SolverOperation operation)
{
    return operation == calc::SolverOperation::Rate ? Field::Rendite : Field::Sparen;
}

}

TargetSolvers::TargetSolvers(FormModel& form)
    : m_form(form)
{
}

TargetSolvers::Outcome TargetSolvers::AnlageWunschDblClick()
{
    return searchWithInputBox(calc::SolverOperation::MonthlyAmount);
}

TargetSolvers::Outcome TargetSolvers::ANLAGEGEWINNDblClick() { return searchWithInputBox(calc::SolverOperation::Rate); }

TargetSolvers::Outcome TargetSolvers::Label15DblClick()
{
    m_form.setFieldText(Field::AnlageSumme, m_form.resultText(ResultLabel::AnlageWunsch));
    return search(calc::SolverOperation::Payout, 0);
}

TargetSolvers::Outcome TargetSolvers::payoutSearch() { return search(calc::SolverOperation::Payout, 0); }

TargetSolvers::Outcome TargetSolvers::searchWithInputBox(calc::SolverOperation operation)
{
    FormServices& services = m_form.services();
    const QString text = services.inputBox(QString::fromUtf8(calc::kSearchInputCaption),
        QString::fromUtf8(calc::kSearchInputPrompt), m_form.resultText(ResultLabel::AnlageWunsch));
    std::optional<double> target;
    try {
        target = calc::parseTargetText(text.toStdString());
    } catch (const std::exception& e) {
        services.showError(QString::fromStdString(e.what()));
        return { Status::Failed, 0 };
    }
    if (!target)
        return { Status::Unchanged, 0 };
    return search(operation, *target);
}

// The one place where a search starts and ends: under the busy cursor and the
// form's command guard (no print command starts on a form whose fields are
// being searched), with the field handed back when the search gives up or
// fails half-way.
TargetSolvers::Outcome TargetSolvers::search(calc::SolverOperation operation, double target)
{
    FormServices& services = m_form.services();
    BusyCursor busy(services);
    CommandGuard::Hold commandInProgress(m_form.commandGuard());
    const Field field = searchedField(operation);
    const QString textBefore = m_form.fieldText(field);
    calc::SearchSetup setup;
    setup.operation = operation;
    setup.target = target;
    setup.anlageSumme = m_form.fieldText(Field::AnlageSumme).toStdString();
    setup.fieldText = textBefore.toStdString();
    setup.years = m_form.years();
    setup.depotwert = m_form.depotwert();
    // Lets the search skip writing long stretches of trials it can evaluate
    // directly; the outcome is the same, a 100-year payout just takes
    // milliseconds instead of using up the work bound.
    const calc::SimulationInputs inputs = m_form.simulationInputs();
    setup.inputs = &inputs;
    setup.grid = &m_form.grid().cells();
    std::int64_t trials = 0;
    const calc::TrialFunction trial = [this, field, &trials](const std::string& value) {
        ++trials;
        m_form.setFieldText(field, QString::fromStdString(value));
        return m_form.depotwert();
    };
    try {
        const calc::SearchResult result = calc::searchTarget(setup, trial, m_limits);
        m_form.setFieldText(field, QString::fromStdString(result.fieldText));
        if (result.sparenHint)
            m_form.setSparenHint(QString::fromStdString(*result.sparenHint));
        if (result.bounded) {
            services.showInformation(QString::fromUtf8(calc::kSearchBoundMessage));
            return { Status::Bounded, result.trials };
        }
        return { Status::Solved, result.trials };
    } catch (const std::exception& e) {
        m_form.setFieldText(field, textBefore);
        services.showError(QString::fromStdString(e.what()));
        return { Status::Failed, trials };
    }
}
