#pragma once

#include "report/preview/preview_settings.h"

#include <QString>

class QWidget;
class TBVExportFilter;
class TBVPrinter;

// The commands a preview offers to its owner report for a veto, with their
// codes; creation and closing are only announced.
enum class TBVPreviewCommand {
    Created = 0,
    Closed = 1,
    Copy = 2,
    Print = 3,
    PrintSetup = 4,
    Load = 5,
    Save = 6,
    Cancel = 7
};

QString previewCommandName(TBVPreviewCommand command);

// What the preview window needs of the report whose page printer it shows.
// The report implements it; a window without an owner shows a loaded file.
class TBVPreviewOwner {
public:
    virtual ~TBVPreviewOwner() = default;

    virtual TBVPreviewSettings PreviewSettings() const = 0;

    // Offers a command (code and previewCommandName) to the report's handler;
    // false vetoes it. Creation and closing are only announced.
    virtual bool AllowPreviewCommand(TBVPreviewCommand command) = 0;

    // True while a command of the report or its windows runs (generation,
    // export, printing, printer setup): the window's commands that would
    // start another are disabled and do not start.
    virtual bool CommandInProgress() const { return false; }

    // Generates the report once more into the filter (the save command's
    // export); the pages on show are not touched. False when the run was
    // cancelled or refused (another command in progress), so that the output
    // is thrown away.
    virtual bool ExportToFilter(TBVExportFilter& filter) = 0;

    // The print command: pages that come from the report are generated once
    // more straight to the printer; a loaded stored report file prints the
    // page printer's stored pages. Throws EBVError when no printer is
    // installed or the printer fails. Does nothing while another command is
    // in progress.
    virtual void Print(TBVPrinter& /*shown*/, bool /*loadedFile*/) { }

    // The printer setup for the page printer on show; loadedFile: the window
    // shows a loaded stored report file.
    virtual void PrinterSetup(TBVPrinter& /*shown*/, bool /*loadedFile*/, QWidget* /*parent*/) { }

    // The cancel button, or PagesInPreview reached: stop taking records.
    virtual void StopTakingRecords() = 0;

    // A stored report file was loaded: its orientation and paper size become
    // the report's page settings.
    virtual void ApplyLoadedPageSetup(TBVOrientation orientation, int paperSize) = 0;

    // The window has closed; the report frees its page printer when idle.
    virtual void PreviewClosed() = 0;
};
