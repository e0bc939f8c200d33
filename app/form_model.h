#pragma once

#include "calc/simulation.h"
#include "extra_grid.h"
#include "form_fields.h"
#include "plans/command_guard.h"

#include <QObject>
#include <QString>
#include <array>
#include <vector>

class FormServices;
class YearSeriesListener;

// The state of the main window without any widget: the seven input texts,
// the years spinner, the counters of the other spinners, hints, result
// captions, the extra-payments grid and the numbers the simulation keeps.
//
// Writing a field text that differs from the current one is a change event:
// it runs the recompute (TrackBar1Change) before the write returns, and the
// recompute's own corrections are writes too, so recomputes nest. Writing
// the text a field already holds runs nothing. The window, the target
// solvers, the print plans and the command-line tool all drive this object.
class FormModel : public QObject {
    Q_OBJECT
public:
    explicit FormModel(FormServices& services, QObject* parent = nullptr);
    ~FormModel() override;

    QString fieldText(Field field) const;
    void setFieldText(Field field, const QString& text);
    QString fieldHint(Field field) const;
    void setSparenHint(const QString& hint);

    QString resultText(ResultLabel label) const;
    QString resultHint(ResultLabel label) const;

    // Grid edits take effect at the next recompute; they run none.
    QString gridCell(int row, int column) const;
    void setGridCell(int row, int column, const QString& text);
    const ExtraGrid& grid() const { return m_grid; }

    // The years spinner UpDown2: setting it keeps the number within 1 to 100
    // and writes the kept number into Jahre.
    int years() const { return m_years; }
    void setYears(int years);
    // The spinner's arrows (and the up and down keys in Jahre): one year up
    // or down; at a bound nothing happens.
    void stepYears(bool up);

    // A click on one of the five counter spinners: field := field +/- step.
    // A field that does not parse is reported by the standard error box and
    // left unchanged.
    void clickSpinner(Spinner spinner, bool up);
    int spinnerCounter(Spinner spinner) const { return m_counters[static_cast<int>(spinner)]; }

    // TrackBar1Change: corrects the number fields, simulates, writes results.
    void recompute();

    const fundorix::calc::SimulationState& state() const { return m_state; }
    // Whether the latest recompute ran to its end (a failed one shows "0,00").
    bool lastRecomputeOk() const { return m_lastRecomputeOk; }
    double depotwert() const { return m_state.depotwert; }
    // The chart's current points (those of the latest run that reached the
    // series, complete or not).
    const std::vector<fundorix::calc::YearValues>& yearValues() const { return m_yearValues; }
    // The points of the chart's sum line "Wertentwicklung": those of the
    // latest run that reached the end of the years. A run that fails in the
    // years leaves the line as it was, so it may have more or fewer points
    // than yearValues().
    const std::vector<double>& sumLine() const { return m_sumLine; }
    // The field texts and years as the recompute reads them.
    fundorix::calc::SimulationInputs simulationInputs() const;

    FormServices& services() const { return m_services; }
    // Held by a print command or a search while it works on the form.
    CommandGuard& commandGuard() { return m_commandGuard; }
    void setYearSeriesListener(YearSeriesListener* listener) { m_listener = listener; }

signals:
    void fieldTextChanged(Field field, const QString& text);
    void yearsChanged(int years);
    // Result captions or hints may have changed.
    void resultsChanged();
    void gridCellChanged(int row, int column);

private:
    void correctNumberFields();
    void applyResult(const fundorix::calc::SimulationResult& result);
    void notifyListener(const fundorix::calc::SimulationResult& result);

    FormServices& m_services;
    YearSeriesListener* m_listener = nullptr;
    std::array<QString, fieldCount> m_fields;
    std::array<QString, fieldCount> m_fieldHints;
    std::array<QString, resultLabelCount> m_results;
    std::array<QString, resultLabelCount> m_resultHints;
    std::array<int, 5> m_counters {};
    int m_years = defaultYears;
    ExtraGrid m_grid;
    fundorix::calc::SimulationState m_state;
    bool m_lastRecomputeOk = false;
    std::vector<fundorix::calc::YearValues> m_yearValues;
    std::vector<double> m_sumLine;
    CommandGuard m_commandGuard;
};
