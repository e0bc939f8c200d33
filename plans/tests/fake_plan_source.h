#pragma once

#include "calc/simulation.h"
#include "plans/command_guard.h"
#include "plans/plan_definition.h"
#include "plans/plan_layout.h"
#include "plans/plan_output.h"
#include "plans/plan_source.h"

#include <QMap>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

// A calculator form without a window: field writes run the real simulation,
// as the form model does, so results and searches behave as in the program.
class FakePlanSource : public PlanSource {
public:
    FakePlanSource();

    QString fieldText(PlanField field) const override;
    void setFieldText(PlanField field, const QString& text) override;
    void setSparenHint(const QString& hint) override { m_sparenHint = hint; }
    QString caption(PlanCaption caption) const override;
    QString gridCell(int row, int column) const override;
    int years() const override { return m_years; }
    void setYears(int years) override;
    double depotwert() const override { return m_state.depotwert; }
    // The net view of the plan under netOptions, as the page "Netto" computes it.
    NetPlanView netView() const override;
    QImage renderChart(const QSize& size) const override;
    void showMessage(const QString& message) override { messages << message; }
    void showError(const QString& message) override { errors << message; }
    // The search as the window runs it, without the busy cursor.
    bool searchPayout() override;
    CommandGuard& commandGuard() override { return guard; }

    // Sets several inputs at once, then recomputes once.
    void setInputs(const std::map<PlanField, QString>& texts);
    void setGridCell(int row, int column, const QString& text);
    // Pins a caption to a text, whatever the recompute writes.
    void pinCaption(PlanCaption caption, const QString& text) { m_pinned[caption] = text; }

    QString sparenHint() const { return m_sparenHint; }
    // The chart's points of the last recompute that reached the chart.
    const std::vector<fundorix::calc::YearValues>& yearValues() const { return m_yearValues; }

    QStringList messages;
    QStringList errors;
    CommandGuard guard;
    fundorix::calc::NetOptions netOptions;

private:
    void recompute();
    fundorix::calc::SimulationInputs simulationInputs() const;

    std::map<PlanField, QString> m_fields;
    std::map<PlanCaption, QString> m_captions;
    std::map<PlanCaption, QString> m_pinned;
    QString m_sparenHint;
    int m_years = 10;
    fundorix::calc::GridCells m_grid;
    fundorix::calc::SimulationState m_state;
    std::vector<fundorix::calc::YearValues> m_yearValues;
};

// A report definition that only records what the commands set, starting
// from the design texts of its layout.
class FakePlanDefinition : public PlanDefinition {
public:
    explicit FakePlanDefinition(const PlanReportLayout& layout);

    QString name() const override { return m_name; }
    QString caption(const QString& label) const override;
    void setCaption(const QString& label, const QString& text) override;
    void clearLines(const QString& memo) override;
    void addLine(const QString& memo, const QString& line) override;
    int lineCount(const QString& memo) const override;
    void setPicture(const QString& image, const QImage& picture) override;

    QStringList lines(const QString& memo) const { return m_lines.value(memo); }
    QImage picture(const QString& image) const { return m_pictures.value(image); }
    QMap<QString, QString> captions() const { return m_captions; }

    // Lets a test make the memo fail after some lines.
    std::function<void(const QString& line)> beforeAddLine;

private:
    void require(const QString& name, PlanPrintableKind kind) const;

    QString m_name;
    const PlanReportLayout& m_layout;
    QMap<QString, QString> m_captions;
    QMap<QString, QStringList> m_lines;
    QMap<QString, QImage> m_pictures;
};

// What a definition held when a command handed it to the output.
struct PreviewShot {
    QString definition;
    QMap<QString, QString> captions;
    QStringList memo;
    QSize pictureSize;
};

class RecordingOutput : public PlanOutput {
public:
    void preview(PlanDefinition& definition) override;

    std::vector<PreviewShot> shots;
    std::function<void()> onPreview;
};
