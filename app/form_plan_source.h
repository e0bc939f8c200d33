#pragma once

#include "plans/plan_source.h"

class ChartBinding;
class FormModel;

// The calculator form as the print commands see it. The window and the
// command-line tool hand the commands this one source, so a printed plan
// always shows what the form shows: its texts, its chart, its dialogs.
class FormPlanSource : public PlanSource {
public:
    // `chart` is the form's Chart1, fed by the form's recomputes.
    FormPlanSource(FormModel& form, ChartBinding& chart);

    QString fieldText(PlanField field) const override;
    void setFieldText(PlanField field, const QString& text) override;
    void setSparenHint(const QString& hint) override;
    QString caption(PlanCaption caption) const override;
    QString gridCell(int row, int column) const override;
    int years() const override;
    void setYears(int years) override;
    double depotwert() const override;
    QImage renderChart(const QSize& size) const override;
    void showMessage(const QString& message) override;
    void showError(const QString& message) override;
    void setBusy(bool busy) override;
    CommandGuard& commandGuard() override;
    // The form's own payout search, which skips the trials it can compute.
    bool searchPayout() override;

private:
    FormModel& m_form;
    ChartBinding& m_chart;
};
