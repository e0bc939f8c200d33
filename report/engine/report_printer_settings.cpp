#include "report/engine/report_printer_settings.h"

#include "report/engine/page.h"
#include "report/store/printer.h"
#include "report/store/printer_list.h"

#include <cmath>
#include <utility>

namespace {

void selectPrinter(const TBVReportPrinterSettings& settings, TBVPrinter& printer)
{
    const bool printersExist = !printerNames().isEmpty();
    if (printersExist && !settings.UseStandardprinter && settings.PrinterIndex != -1
        && settings.PrinterIndex != printer.PrinterIndex())
        printer.SelectPrinter(settings.PrinterIndex);
}

} // namespace

void applyPagePaper(const TBVPage& page, TPrinterSettings& target)
{
    target.paperSize = static_cast<int>(page.PaperSize());
    target.orientation = page.Orientation();
    double width = static_cast<double>(page.native(TBVPage::Width));
    double length = static_cast<double>(page.native(TBVPage::Length));
    // The printer keeps the portrait size and swaps it itself in landscape.
    if (page.Orientation() == TBVOrientation::Landscape)
        std::swap(width, length);
    if (page.PaperSize() == TBVPaperSize::Custom) {
        width = std::nearbyint(width);
        length = std::nearbyint(length);
    }
    target.paperWidth = width;
    target.paperLength = length;
}

void ApplyPrinterSettings(const TBVReportPrinterSettings& settings, const TBVPage& page, TBVPrinter& printer)
{
    selectPrinter(settings, printer);
    TPrinterSettings& target = printer.PrinterSettings();
    applyPagePaper(page, target);
    target.copies = settings.Copies;
    target.outputBin = settings.OutputBin;
    target.firstPage = settings.FirstPage;
    target.lastPage = settings.LastPage;
    target.duplex = settings.Duplex;
    target.useStandardPrinter = settings.UseStandardprinter;
    target.printMetaFile = settings.PrintMetaFile;
    target.useCustomBinCode = settings.UseCustomBinCode;
    target.customBinCode = settings.CustomBinCode;
    target.useCustomPaperCode = settings.UseCustomPaperCode;
    target.customPaperCode = settings.CustomPaperCode;
    target.printQuality = settings.PrintQuality;
    target.collate = settings.Collate;
    target.colorOption = settings.ColorOption;
    target.extendedDuplex = settings.ExtendedDuplex;
    target.useExtendedDuplex = settings.ExtendedDuplex > 1;
    target.memoryLimit = settings.MemoryLimit;
    target.OnGetPrinterSettings = settings.OnGetPrinterSettings;
    target.OnApplyPrinterSettings = settings.OnApplyPrinterSettings;
}
