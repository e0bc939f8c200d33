#pragma once

#include "plans/filter_component.h"
#include "plans/plan_definition.h"
#include "plans/plan_layout.h"
#include "report/engine/report.h"

#include <map>
#include <memory>
#include <vector>

class TBVImage;
class TBVLabel;
class TBVMemo;

// A report definition built from its layout table: the report component with
// its page setup, bands and printables, and the export filter components. It
// lives as long as the program and keeps every text a command gave it.
class ReportPlanDefinition : public PlanDefinition {
public:
    explicit ReportPlanDefinition(const PlanReportLayout& layout);
    ~ReportPlanDefinition() override;

    QString name() const override { return m_layout.definitionName; }
    QString caption(const QString& label) const override;
    void setCaption(const QString& label, const QString& text) override;
    void clearLines(const QString& memo) override;
    void addLine(const QString& memo, const QString& line) override;
    int lineCount(const QString& memo) const override;
    void setPicture(const QString& image, const QImage& picture) override;
    TBVReport* report() override { return &m_report; }

    TBVReport& BVReport1() { return m_report; }
    const PlanReportLayout& layout() const { return m_layout; }
    const std::vector<std::unique_ptr<PlanFilterComponent>>& filters() const { return m_filters; }
    // The printable of that name; throws std::out_of_range for an unknown one.
    TBVPrintable& printable(const QString& name) const;

private:
    void setUpReport();
    TBVCustomBand& addBand(const PlanBandLayout& layout, TBVCustomBand* parent);
    void addPrintable(TBVCustomBand& band, const PlanPrintableLayout& layout);
    template <typename T> T& element(const QString& name) const;

    const PlanReportLayout& m_layout;
    TBVReport m_report;
    std::map<QString, TBVPrintable*> m_printables;
    std::vector<std::unique_ptr<PlanFilterComponent>> m_filters;
};

// The investment development report.
class TQEntwicklung : public ReportPlanDefinition {
public:
    TQEntwicklung();
};

// The loan repayment plan, also used for the pension payout plan.
class TTilgungsplan : public ReportPlanDefinition {
public:
    TTilgungsplan();
};

// The net plan after fund costs, taxes and inflation, with its year table.
class TNettoEntwicklung : public ReportPlanDefinition {
public:
    TNettoEntwicklung();
};
