#pragma once

#include "chart_binding.h"
#include "dialog_services.h"
#include "form_fields.h"
#include "form_model.h"
#include "target_solvers.h"

#include <QMainWindow>

class ChartView;
class PlanPage;
class QMenu;
class QTabWidget;

// The main window: a thin view over the form model. User edits go to the
// model; the model's changes are shown in the controls. Menu actions carry
// object names ("Info1", "Anlageentwicklung1", ...) so that the print
// commands and the information window can be connected to them.
class TAnlageRech : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: reads the chart colours from the per-user store, then the
    // settings file at `settingsPath` (if it exists), and shows the plan
    // computed from it; "&Beenden" writes the settings file back there.
    explicit TAnlageRech(const QString& settingsPath, QWidget* parent = nullptr);

    FormModel& form() { return m_form; }
    TargetSolvers& solvers() { return m_solvers; }
    // Chart1, refilled by every recompute; the printed plans render it.
    ChartBinding& chart() { return m_chart; }
    // The page "Diagramm", which the chart fills.
    QWidget* diagrammPage() const { return m_diagrammPage; }
    QMenu* chartPopupMenu() const { return m_popupMenu; }

public slots:
    // "&Beenden": writes the settings file, then closes the window.
    void BitBtn1Click();
    // "Fundo&rix" in the menu "&Info": the information window.
    void Info1Click();

protected:
    // FormClose: every way of closing stores the chart colours; no question.
    void closeEvent(QCloseEvent* event) override;

private:
    bool readSeriesColours();
    void buildPages();
    void addPageKeys();
    void buildChartPage();
    void buildMenus();
    void connectFields();
    void connectSpinners();
    void connectResults();
    void showField(Field field, const QString& text);
    void showResults();
    bool eventFilter(QObject* watched, QEvent* event) override;

    DialogServices m_services;
    // Declared before the form, which feeds it on every recompute.
    ChartBinding m_chart;
    FormModel m_form;
    TargetSolvers m_solvers;
    QString m_settingsPath;
    QTabWidget* m_pages = nullptr;
    PlanPage* m_plan = nullptr;
    QWidget* m_diagrammPage = nullptr;
    ChartView* m_chartView = nullptr;
    QMenu* m_popupMenu = nullptr;
};
