#include "report/preview/printer_setup.h"

#include "report/engine/report.h"
#include "report/preview/print_dialog.h"
#include "report/store/device_mode.h"
#include "report/store/printer.h"

namespace {

// Source codes below this name a bin by its ordinal; larger ones are the
// device's own and are written as they are.
constexpr int FirstCustomBinCode = 13;

TBVOrientation orientationOf(int code)
{
    return code == TDeviceMode::Landscape ? TBVOrientation::Landscape : TBVOrientation::Portrait;
}

// A page range only when the user chose one: "all pages" prints all pages
// again, whatever numbers the dialog still holds.
std::pair<int, int> chosenRange(const TBVPrintDialog& dialog)
{
    if (dialog.PrintRange == TBVPrintRange::prPageNums)
        return { dialog.FromPage, dialog.ToPage };
    return { 0, 0 };
}

struct BinChoice {
    TBVBin bin = TBVBin::First;
    bool custom = false;
    int customCode = 0;
};

BinChoice binChoice(int sourceCode, const BinChoice& previous)
{
    BinChoice choice = previous;
    if (sourceCode >= 0 && sourceCode < FirstCustomBinCode) {
        choice.bin = static_cast<TBVBin>(sourceCode);
        choice.custom = false;
    } else if (sourceCode >= FirstCustomBinCode) {
        choice.customCode = sourceCode;
        choice.custom = true;
    }
    return choice;
}

void fillSecondSet(TBVReport& report, const TBVPrintDialog& dialog)
{
    TBVSetupPrinterSettings& second = report.SetupPrinterSettings;
    const auto [from, to] = chosenRange(dialog);
    second.CustomBinCode = dialog.OutputBin;
    second.ExtendedDuplex = dialog.DuplexCode;
    second.PrintQuality = dialog.PrintQuality;
    second.Collate = dialog.Collate;
    second.ColorOption = dialog.ColorOption;
    second.Copies = dialog.Copies;
    second.Orientation = orientationOf(dialog.Orientation);
    second.FirstPage = from;
    second.LastPage = to;
    second.CustomPaperCode = dialog.PaperSize;
    second.PrinterIndex = dialog.PrinterIndex;
    second.Duplex = dialog.Duplex;
    second.OutputBin = binForCode(dialog.OutputBin).value_or(report.PrinterSettings.OutputBin);
}

void applyToPagePrinter(TBVPrinter& shown, const TBVReport& report, const TBVPrintDialog& dialog)
{
    shown.SelectPrinter(report.PrinterSettings.PrinterIndex);
    TPrinterSettings& settings = shown.PrinterSettings();
    const BinChoice bin
        = binChoice(dialog.OutputBin, { settings.outputBin, settings.useCustomBinCode, settings.customBinCode });
    settings.outputBin = bin.bin;
    settings.useCustomBinCode = bin.custom;
    settings.customBinCode = bin.customCode;
    settings.collate = dialog.Collate;
    settings.colorOption = dialog.ColorOption;
    settings.printQuality = dialog.PrintQuality;
    settings.copies = dialog.Copies;
    settings.duplex = dialog.Duplex;
    const auto [from, to] = chosenRange(dialog);
    settings.firstPage = from;
    settings.lastPage = to;
    settings.extendedDuplex = dialog.DuplexCode;
    settings.useExtendedDuplex = dialog.DuplexCode > 1;
}

void takeSecondSet(TBVReport& report, const TBVPrintDialog& dialog)
{
    const TBVSetupPrinterSettings& second = report.SetupPrinterSettings;
    TBVReportPrinterSettings& settings = report.PrinterSettings;
    const BinChoice bin
        = binChoice(dialog.OutputBin, { settings.OutputBin, settings.UseCustomBinCode, settings.CustomBinCode });
    settings.OutputBin = bin.bin;
    settings.UseCustomBinCode = bin.custom;
    settings.CustomBinCode = bin.customCode;
    settings.PrinterIndex = second.PrinterIndex;
    settings.Copies = second.Copies;
    settings.Duplex = second.Duplex;
    settings.FirstPage = second.FirstPage;
    settings.LastPage = second.LastPage;
    settings.UseStandardprinter = second.UseStandardprinter;
    settings.ExtendedDuplex = second.ExtendedDuplex;
    settings.UseCustomPaperCode = second.UseCustomPaperCode;
    settings.CustomPaperCode = second.CustomPaperCode;
    settings.MemoryLimit = second.MemoryLimit;
    settings.PrintQuality = second.PrintQuality;
    settings.Collate = second.Collate;
    settings.ColorOption = second.ColorOption;
    report.Page().setOrientation(second.Orientation);
    // The paper the user chose, when the report knows its size.
    const auto paper = static_cast<TBVPaperSize>(second.CustomPaperCode);
    if (second.CustomPaperCode > 0 && paper < TBVPaperSize::Custom && paperDimensions(paper)
        && paper != report.Page().PaperSize())
        report.Page().setPaperSize(paper);
}

} // namespace

void prepareSetupDialog(TBVPrintDialog& dialog, const TBVReport& report, const TBVPrinter& shown)
{
    dialog.setOption(TBVPrintDialogOption::poPageNums);
    dialog.setOption(TBVPrintDialogOption::poWarning);
    dialog.PrinterIndex = report.PrinterSettings.PrinterIndex;
    dialog.Orientation
        = report.Page().Orientation() == TBVOrientation::Landscape ? TDeviceMode::Landscape : TDeviceMode::Portrait;
    dialog.Copies = report.PrinterSettings.Copies;
    dialog.MinPage = 0;
    dialog.MaxPage = 9999;
    if (shown.Status() == TBVPrinterStatus::Finished) {
        dialog.MinPage = 1;
        dialog.MaxPage = shown.PageCount();
        dialog.FromPage = 1;
        dialog.ToPage = shown.PageCount();
    }
}

void applySetupChoices(TBVReport& report, const TBVPrintDialog& dialog, TBVPrinter& shown, bool loadedFile)
{
    report.PrinterSettings.Copies = dialog.Copies;
    report.PrinterSettings.PrinterIndex = dialog.PrinterIndex;
    report.Page().setOrientation(orientationOf(dialog.Orientation));
    fillSecondSet(report, dialog);
    const auto [from, to] = chosenRange(dialog);
    report.PrinterSettings.FirstPage = from;
    report.PrinterSettings.LastPage = to;
    report.Tag = 0;
    applyToPagePrinter(shown, report, dialog);
    if (!loadedFile)
        takeSecondSet(report, dialog);
}

void PrinterSetup(TBVReport& report, TBVPrinter& shown, bool loadedFile, const PrintDialogRunner& run)
{
    shown.SelectPrinter(report.PrinterSettings.PrinterIndex);
    TBVPrintDialog dialog;
    prepareSetupDialog(dialog, report, shown);
    if (!run(dialog)) {
        report.Tag = 1;
        return;
    }
    applySetupChoices(report, dialog, shown, loadedFile);
}
