#pragma once

#include <QPoint>
#include <QSize>

class QPrinter;
class QWidget;

enum class TBVPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
enum class TBVPrintRange { prAllPages, prSelection, prPageNums };

// The engine's print dialog: what the system's print dialog is shown with,
// and, after OK, what the user chose, in the platform's codes (source,
// paper, duplex, orientation 1 portrait / 2 landscape).
class TBVPrintDialog {
public:
    int Copies = 1;
    int Collate = 0;
    int FromPage = 0;
    int ToPage = 0;
    int MinPage = 0;
    int MaxPage = 0;
    unsigned Options = 0;
    bool PrintToFile = false;
    TBVPrintRange PrintRange = TBVPrintRange::prAllPages;
    int Orientation = 1;
    int OutputBin = 0;
    int PaperSize = 0;
    int Paperwidth = 0;
    int Paperlength = 0;
    int PrintQuality = 0;
    int ColorOption = 0;
    int DuplexCode = 1;
    bool Duplex = false;
    int PrinterIndex = -1; // position of the chosen printer in the system's list

    void setOption(TBVPrintDialogOption option, bool on = true);
    bool hasOption(TBVPrintDialogOption option) const;

    // Shows the system's print dialog modally on the printer object, placed
    // centred across the screen with its top at a third of the remaining
    // height. On OK the printer object takes the user's choices and the
    // dialog reads them back; on Cancel nothing changes. Returns whether the
    // user chose OK.
    bool Execute(QPrinter& printer, QWidget* parent);

    // Reads the chosen printer's settings after OK; the printer object has
    // taken the dialog's copy count already.
    void readChoices(const QPrinter& printer);
};

// Where a dialog of this size opens on a screen area of that size: centred
// across, its top at a third of the height that remains below it.
QPoint printDialogPosition(QSize screen, QSize dialog);
