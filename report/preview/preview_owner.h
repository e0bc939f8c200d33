#pragma once

#include "report/preview/preview_settings.h"

#include <QString>

class TBVExportFilter;

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

    // Generates the report once more into the filter (the save command's
    // export); the pages on show are not touched. False when the run was
    // cancelled, so that the output is thrown away.
    virtual bool ExportToFilter(TBVExportFilter& filter) = 0;

    // The cancel button, or PagesInPreview reached: stop taking records.
    virtual void StopTakingRecords() = 0;

    // A stored report file was loaded: its orientation and paper size become
    // the report's page settings.
    virtual void ApplyLoadedPageSetup(TBVOrientation orientation, int paperSize) = 0;

    // The window has closed; the report frees its page printer when idle.
    virtual void PreviewClosed() = 0;
};
