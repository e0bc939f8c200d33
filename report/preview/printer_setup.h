#pragma once

#include <functional>

class TBVPrintDialog;
class TBVPrinter;
class TBVReport;

// Shows the print dialog; true when the user chose OK.
using PrintDialogRunner = std::function<bool(TBVPrintDialog& dialog)>;

// The printer setup of a report, for the page printer its preview shows:
// the dialog is made from the report's settings, run, and on OK its choices
// go into the report's settings, its second settings set and the page
// printer (a preview of a loaded stored report file keeps the report's own
// settings). The report's Tag says how it ended: 1 cancelled, 0 OK.
void PrinterSetup(TBVReport& report, TBVPrinter& shown, bool loadedFile, const PrintDialogRunner& run);

// The dialog as the setup shows it: page numbers allowed, the report's
// printer, orientation and copies, and the page limits of a finished report.
void prepareSetupDialog(TBVPrintDialog& dialog, const TBVReport& report, const TBVPrinter& shown);

// What OK does with the dialog's choices.
void applySetupChoices(TBVReport& report, const TBVPrintDialog& dialog, TBVPrinter& shown, bool loadedFile);
