#include "preview_output.h"

#include "error_box.h"
#include "plans/plan_definition.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/report_preview.h"
#include "report/preview/standard_preview.h"

namespace {

// The preview's questions as the engine asks them, its failures in the
// application's standard error box.
class StandardErrorPreviewDialogs : public QtPreviewDialogs {
public:
    void showError(QWidget* parent, const QString& text) override { showStandardErrorBox(parent, text); }
};

}

PreviewOutput::PreviewOutput() = default;

PreviewOutput::~PreviewOutput() = default;

void PreviewOutput::preview(PlanDefinition& definition)
{
    if (TBVReport* report = definition.report())
        previewOf(*report).Preview();
}

ReportPreview& PreviewOutput::previewOf(TBVReport& report)
{
    std::unique_ptr<ReportPreview>& preview = m_previews[&report];
    if (!preview) {
        preview = std::make_unique<ReportPreview>(report);
        preview->setWindowCreated(
            [](TBVStandardPreview& window) { window.setDialogs(std::make_unique<StandardErrorPreviewDialogs>()); });
    }
    return *preview;
}
