#pragma once

#include "report/preview/command_state.h"
#include "report/preview/preview_owner.h"
#include "report/preview/preview_settings.h"
#include "report/preview/printer_setup.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
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

    // The platform printer object the previews' page printers and the print
    // runs use instead of the system's printers (not owned): a PDF printer
    // in tests, a device a caller chose.
    void setPrinterObject(QPrinter* printer) { m_printerObject = printer; }

    // Replaces the system's print dialog of the printer setup (tests).
    void setPrintDialogRunner(PrintDialogRunner run) { m_printDialogRunner = std::move(run); }

    // Generates the report into a new page printer while its preview window
    // shows the pages, and returns when the window has been closed. Does
    // nothing while the report generates or a command of its windows runs. An error of the run propagates
    // after the window has been told that the run ended; the window stays
    // open with the pages that were kept.
    void Preview();

    // The page printer of the latest preview while its window is open.
    TBVPrinter* printer() const;

    TBVPreviewSettings PreviewSettings() const override;
    bool AllowPreviewCommand(TBVPreviewCommand command) override;
    // Generation, export, printing and printer setup each hold the one
    // command state; the other three refuse to start while it is held.
    bool CommandInProgress() const override { return m_commandState.held(); }
    bool ExportToFilter(TBVExportFilter& filter) override;
    void Print(TBVPrinter& shown, bool loadedFile) override;
    void PrinterSetup(TBVPrinter& shown, bool loadedFile, QWidget* parent) override;
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
    void commandStateChanged();

    TBVReport& m_report;
    TBVPreviewSettings m_settings;
    std::function<void(TBVStandardPreview&)> m_windowCreated;
    std::vector<ShownPreview> m_shown; // the latest preview last
    TBVPrinter* m_generating = nullptr;
    QPrinter* m_printerObject = nullptr;
    PrintDialogRunner m_printDialogRunner;
    TBVCommandState m_commandState;
};
