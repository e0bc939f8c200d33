#include "report/preview/report_preview.h"

#include "report/engine/paper.h"
#include "report/engine/report.h"
#include "report/engine/report_output.h"
#include "report/preview/print_dialog.h"
#include "report/preview/progress_form.h"
#include "report/preview/standard_preview.h"
#include "report/preview/stored_pages_print.h"
#include "report/store/printer.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <algorithm>

ReportPreview::ReportPreview(TBVReport& report)
    : m_report(report)
{
    m_report.setProgressFactory(&TBVProgressForm::forRun);
    m_commandState.setChanged([this] { commandStateChanged(); });
}

// Open windows name this object as their owner: they go first.
ReportPreview::~ReportPreview()
{
    for (ShownPreview& shown : m_shown)
        delete shown.window.data();
}

void ReportPreview::Preview()
{
    QCoreApplication::processEvents();
    if (!m_report.Idle() || m_commandState.held())
        return;
    auto owned = std::make_unique<TBVPrinter>();
    TBVPrinter& printer = *owned;
    if (m_printerObject)
        printer.SetPlatformPrinter(m_printerObject);
    // The window prints a loaded file from this printer's stored pages.
    QObject::connect(&printer, &TBVPrinter::afterPrint, [this] {
        if (m_report.AfterPrint)
            m_report.AfterPrint(m_report);
    });
    ApplyPrinterSettings(m_report.PrinterSettings, m_report.Page(), printer);
    printer.SetTitle(m_report.ReportTitle);
    m_shown.push_back({ nullptr, std::move(owned) });
    const QPointer<TBVStandardPreview> window = showWindow(printer);
    m_shown.back().window = window;

    // A window closed while its pages were made goes with its printer once
    // the run has ended, also when the run ended with an error.
    bool cancelled = false;
    const auto releaseCancelled = qScopeGuard([&] {
        if (cancelled)
            release(&printer);
    });
    cancelled = generateInto(printer, window);
    if (!cancelled)
        TBVStandardPreview::WaitUntilClosed(window);
}

TBVStandardPreview* ReportPreview::showWindow(TBVPrinter& printer)
{
    auto* window = new TBVStandardPreview(&printer, this);
    // The window's own signal says which of the report's windows closed.
    QObject::connect(window, &TBVStandardPreview::closed, window, [this, closing = &printer] {
        if (closing == m_generating)
            m_report.Cancel();
        else
            release(closing);
    });
    if (m_windowCreated)
        m_windowCreated(*window);
    window->show();
    return window;
}

// Events are handled between pages, so page 1 shows while later pages are
// made; the run's pump is the only place that handles them. Returns whether
// the run was cancelled by closing the window.
bool ReportPreview::generateInto(TBVPrinter& printer, TBVStandardPreview* window)
{
    const QPointer<TBVStandardPreview> shown(window);
    TBVReportRun run(printer);
    run.setEventPump([] { QCoreApplication::processEvents(); });
    m_generating = &printer;
    {
        const auto ended = qScopeGuard([&] {
            m_generating = nullptr;
            if (shown)
                shown->GenerationEnded();
        });
        const TBVCommandState::Hold generating(m_commandState);
        if (generating.taken() && m_report.CreateReport(run))
            printer.SetStoredPagesFinal(true);
    }
    if (m_report.AfterPreview)
        m_report.AfterPreview(m_report);
    return run.cancelRequested();
}

// Every window of the report hears of it: a command in one window disables
// the commands of all.
void ReportPreview::commandStateChanged()
{
    for (const ShownPreview& shown : m_shown) {
        if (shown.window)
            shown.window->CommandStateChanged();
    }
}

void ReportPreview::release(TBVPrinter* printer)
{
    const auto found = std::find_if(m_shown.begin(), m_shown.end(),
        [printer](const ShownPreview& shown) { return shown.printer.get() == printer; });
    if (found != m_shown.end())
        m_shown.erase(found);
}

TBVPrinter* ReportPreview::printer() const { return m_shown.empty() ? nullptr : m_shown.back().printer.get(); }

TBVPreviewSettings ReportPreview::PreviewSettings() const
{
    TBVPreviewSettings settings = m_settings;
    settings.reportTitle = m_report.ReportTitle;
    settings.zoom = m_report.Zoom();
    settings.orientation = m_report.Page().Orientation();
    return settings;
}

bool ReportPreview::AllowPreviewCommand(TBVPreviewCommand) { return true; }

bool ReportPreview::ExportToFilter(TBVExportFilter& filter)
{
    const TBVCommandState::Hold exporting(m_commandState);
    return exporting.taken() && exportReport(m_report, filter, [] { QCoreApplication::processEvents(); });
}

void ReportPreview::Print(TBVPrinter& shown, bool loadedFile)
{
    const TBVCommandState::Hold printing(m_commandState);
    if (!printing.taken())
        return;
    if (loadedFile)
        printStoredPages(shown, m_report.ShowProgress);
    else
        m_report.Print(
            m_printerObject, [] { QCoreApplication::processEvents(); }, shown.PageCount());
}

void ReportPreview::PrinterSetup(TBVPrinter& shown, bool loadedFile, QWidget* parent)
{
    const TBVCommandState::Hold settingUp(m_commandState);
    if (!settingUp.taken())
        return;
    const PrintDialogRunner systemDialog = [&shown, parent](TBVPrintDialog& dialog) {
        QPrinter* printer = shown.PlatformPrinter();
        return printer && dialog.Execute(*printer, parent);
    };
    ::PrinterSetup(m_report, shown, loadedFile, m_printDialogRunner ? m_printDialogRunner : systemDialog);
}

// The program's reports have no records to stop.
void ReportPreview::StopTakingRecords() { }

void ReportPreview::ApplyLoadedPageSetup(TBVOrientation orientation, int paperSize)
{
    m_report.Page().setOrientation(orientation);
    // A custom size in a file carries dimensions the report's page would not
    // get from the code alone: keep the report's paper then.
    const auto paper = static_cast<TBVPaperSize>(paperSize);
    if (paperSize >= 0 && paperSize <= static_cast<int>(TBVPaperSize::Custom) && paperDimensions(paper))
        m_report.Page().setPaperSize(paper);
}

// Closing is handled per window through its closed signal, which says which
// of the report's windows it was.
void ReportPreview::PreviewClosed() { }
