#include "form_plan_source.h"

#include "chart_binding.h"
#include "form_model.h"
#include "form_services.h"
#include "target_solvers.h"

namespace {

Field formField(PlanField field)
{
    switch (field) {
    case PlanField::AnlageSumme:
        return Field::AnlageSumme;
    case PlanField::Rendite:
        return Field::Rendite;
    case PlanField::ComboBox1:
        return Field::ComboBox1;
    case PlanField::Sparen:
        return Field::Sparen;
    case PlanField::Edit1:
        return Field::Edit1;
    case PlanField::Jahre:
        return Field::Jahre;
    case PlanField::Dividente:
        return Field::Dividente;
    }
    return Field::AnlageSumme;
}

ResultLabel formLabel(PlanCaption caption)
{
    switch (caption) {
    case PlanCaption::AnlageWunsch:
        return ResultLabel::AnlageWunsch;
    case PlanCaption::Kapitaleinsatz:
        return ResultLabel::Kapitaleinsatz;
    case PlanCaption::DividenteWiederanlage:
        return ResultLabel::DividenteWiederanlage;
    case PlanCaption::ANLAGEGEWINN:
        return ResultLabel::ANLAGEGEWINN;
    case PlanCaption::AnlageProzent:
        return ResultLabel::AnlageProzent;
    }
    return ResultLabel::AnlageWunsch;
}

}

FormPlanSource::FormPlanSource(FormModel& form, ChartBinding& chart)
    : m_form(form)
    , m_chart(chart)
{
}

QString FormPlanSource::fieldText(PlanField field) const { return m_form.fieldText(formField(field)); }

void FormPlanSource::setFieldText(PlanField field, const QString& text) { m_form.setFieldText(formField(field), text); }

void FormPlanSource::setSparenHint(const QString& hint) { m_form.setSparenHint(hint); }

QString FormPlanSource::caption(PlanCaption caption) const { return m_form.resultText(formLabel(caption)); }

QString FormPlanSource::gridCell(int row, int column) const { return m_form.gridCell(row, column); }

int FormPlanSource::years() const { return m_form.years(); }

void FormPlanSource::setYears(int years) { m_form.setYears(years); }

double FormPlanSource::depotwert() const { return m_form.depotwert(); }

NetPlanView FormPlanSource::netView() const
{
    return m_netView ? m_netView() : netPlanView(m_form, fundorix::calc::NetOptions());
}

QImage FormPlanSource::renderChart(const QSize& size) const { return m_chart.render(size); }

void FormPlanSource::showMessage(const QString& message) { m_form.services().showMessage(message); }

void FormPlanSource::showError(const QString& message) { m_form.services().showError(message); }

bool FormPlanSource::searchPayout()
{
    return TargetSolvers(m_form).payoutSearch().status == TargetSolvers::Status::Solved;
}

CommandGuard& FormPlanSource::commandGuard() { return m_form.commandGuard(); }

NetPlanView netPlanView(const FormModel& form, const fundorix::calc::NetOptions& options)
{
    return netPlanViewOf(options, fundorix::calc::computeNet(form.simulationInputs(), form.grid().cells(), options));
}
