#pragma once

#include "plans/plan_source.h"

#include <functional>

class ChartBinding;
class FormModel;

// The net view of the form's plan under the given options, the options
// written as numbers in the program's general format.
NetPlanView netPlanView(const FormModel& form, const fundorix::calc::NetOptions& options);

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
    // What the page "Netto" shows (the window's print menu attaches the
    // page); without a page, the plan under the default options.
    NetPlanView netView() const override;
    void setNetView(std::function<NetPlanView()> view) { m_netView = std::move(view); }
    QImage renderChart(const QSize& size) const override;
    void showMessage(const QString& message) override;
    void showError(const QString& message) override;
    CommandGuard& commandGuard() override;
    // The form's payout search, the one the double-click on Label15 runs.
    bool searchPayout() override;

private:
    FormModel& m_form;
    ChartBinding& m_chart;
    std::function<NetPlanView()> m_netView;
};
