#include "report/preview/print_dialog.h"

#include "report/store/device_mode.h"
#include "report/store/printer_list.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

namespace {

// The system's dialog, moved to its place when it first shows.
class PlacedPrintDialog : public QPrintDialog {
public:
    PlacedPrintDialog(QPrinter* printer, QWidget* parent)
        : QPrintDialog(printer, parent)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QPrintDialog::showEvent(event);
        const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
        if (!shown)
            return;
        const QRect area = shown->availableGeometry();
        move(area.topLeft() + printDialogPosition(area.size(), frameGeometry().size()));
    }
};

unsigned bit(TBVPrintDialogOption option) { return 1u << static_cast<unsigned>(option); }

QAbstractPrintDialog::PrintRange qtRange(TBVPrintRange range)
{
    switch (range) {
    case TBVPrintRange::prSelection:
        return QAbstractPrintDialog::Selection;
    case TBVPrintRange::prPageNums:
        return QAbstractPrintDialog::PageRange;
    case TBVPrintRange::prAllPages:
        break;
    }
    return QAbstractPrintDialog::AllPages;
}

TBVPrintRange rangeOf(QAbstractPrintDialog::PrintRange range)
{
    if (range == QAbstractPrintDialog::Selection)
        return TBVPrintRange::prSelection;
    if (range == QAbstractPrintDialog::PageRange)
        return TBVPrintRange::prPageNums;
    return TBVPrintRange::prAllPages;
}

} // namespace

QPoint printDialogPosition(QSize screen, QSize dialog)
{
    return QPoint((screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 3);
}

void TBVPrintDialog::setOption(TBVPrintDialogOption option, bool on)
{
    Options = on ? Options | bit(option) : Options & ~bit(option);
}

bool TBVPrintDialog::hasOption(TBVPrintDialogOption option) const { return (Options & bit(option)) != 0; }

bool TBVPrintDialog::Execute(QPrinter& printer, QWidget* parent)
{
    // The dialog works on a copy of the device settings: only OK gives them
    // to the printer object.
    QPrinter proposal(QPrinter::HighResolution);
    proposal.setPrinterName(printer.printerName());
    proposal.setPageLayout(printer.pageLayout());
    proposal.setCopyCount(Copies);
    proposal.setCollateCopies(Collate != 0);
    proposal.setDuplex(printer.duplex());
    proposal.setPageOrientation(Orientation == TDeviceMode::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    proposal.setFromTo(FromPage, ToPage);
    PlacedPrintDialog dialog(&proposal, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinMax(MinPage, MaxPage);
    dialog.setPrintRange(qtRange(PrintRange));
    const bool toFile
        = hasOption(TBVPrintDialogOption::poPrintToFile) && !hasOption(TBVPrintDialogOption::poDisablePrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, toFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, hasOption(TBVPrintDialogOption::poPageNums));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasOption(TBVPrintDialogOption::poSelection));
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintToFile = !proposal.outputFileName().isEmpty();
    PrintRange = rangeOf(dialog.printRange());
    FromPage = dialog.fromPage();
    ToPage = dialog.toPage();
    printer.setPrinterName(proposal.printerName());
    printer.setPageLayout(proposal.pageLayout());
    printer.setCopyCount(proposal.copyCount());
    printer.setCollateCopies(proposal.collateCopies());
    printer.setDuplex(proposal.duplex());
    printer.setPaperSource(proposal.paperSource());
    printer.setColorMode(proposal.colorMode());
    readChoices(printer);
    return true;
}

void TBVPrintDialog::readChoices(const QPrinter& printer)
{
    Copies = printer.copyCount();
    const TDeviceMode mode = readDeviceMode(printer);
    OutputBin = mode.defaultSource;
    PaperSize = mode.paperSize;
    Paperwidth = mode.paperWidth;
    Paperlength = mode.paperLength;
    Orientation = mode.orientation;
    PrintQuality = mode.printQuality;
    ColorOption = mode.color;
    DuplexCode = mode.duplex;
    Duplex = mode.duplex != TDeviceMode::Simplex;
    Collate = mode.collate;
    PrinterIndex = static_cast<int>(printerNames().indexOf(printer.printerName()));
}
