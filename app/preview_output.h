#pragma once

#include "plans/plan_output.h"

#include <map>
#include <memory>

class ReportPreview;
class TBVReport;

// The window's end of a print command: the report's preview, shown while the
// pages are made; the command goes on when the user has closed it. Failures
// inside the window (saving, loading) show the application's error box.
class PreviewOutput : public PlanOutput {
public:
    PreviewOutput();
    ~PreviewOutput() override;

    void preview(PlanDefinition& definition) override;

    // The preview of that report, made on first use and kept for the
    // report's lifetime.
    ReportPreview& previewOf(TBVReport& report);

private:
    std::map<TBVReport*, std::unique_ptr<ReportPreview>> m_previews;
};
