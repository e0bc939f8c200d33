#pragma once

#include "report/preview/preview_owner.h"
#include "report/preview/preview_settings.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class TBVPrinter;
class TBVReport;
class TBVStandardPreview;

// The preview of an engine report: a new page printer per preview, the
// standard preview window shown while the pages are being made, and a wait
// until the user has closed it. The report's page printer lives until its
// window has closed; a preview started from another preview's window (the
// window is not modal) gets a printer of its own, and the earlier window
// keeps its pages.
class ReportPreview : public TBVPreviewOwner {
public:
    explicit ReportPreview(TBVReport& report);
    ~ReportPreview() override;
    ReportPreview(const ReportPreview&) = delete;
    ReportPreview& operator=(const ReportPreview&) = delete;

    // The window settings the report keeps besides its title, zoom and
    // orientation, which come from the report itself.
    TBVPreviewSettings& settings() { return m_settings; }

    // Called with every new window before it is shown: the application puts
    // its own dialogs in, tests script the window.
    void setWindowCreated(std::function<void(TBVStandardPreview&)> hook) { m_windowCreated = std::move(hook); }

    // Generates the report into a new page printer while its preview window
    // shows the pages, and returns when the window has been closed. Does
    // nothing while the report is generating. An error of the run propagates
    // after the window has been told that the run ended; the window stays
    // open with the pages that were kept.
    void Preview();

    // The page printer of the latest preview while its window is open.
    TBVPrinter* printer() const;

    TBVPreviewSettings PreviewSettings() const override;
    bool AllowPreviewCommand(TBVPreviewCommand command) override;
    bool ExportToFilter(TBVExportFilter& filter) override;
    void StopTakingRecords() override;
    void ApplyLoadedPageSetup(TBVOrientation orientation, int paperSize) override;
    void PreviewClosed() override;

private:
    struct ShownPreview {
        QPointer<TBVStandardPreview> window;
        std::unique_ptr<TBVPrinter> printer;
    };

    TBVStandardPreview* showWindow(TBVPrinter& printer);
    bool generateInto(TBVPrinter& printer, TBVStandardPreview* window);
    void release(TBVPrinter* printer);

    TBVReport& m_report;
    TBVPreviewSettings m_settings;
    std::function<void(TBVStandardPreview&)> m_windowCreated;
    std::vector<ShownPreview> m_shown; // the latest preview last
    TBVPrinter* m_generating = nullptr;
};
