#pragma once

#include "report/store/printer_settings.h"

class TBVPage;
class TBVPrinter;

// The printer settings a report keeps with its definition; they are handed
// to its page printer before every run. The defaults are those of a new
// report.
struct TBVReportPrinterSettings {
    static constexpr int DefaultMemoryLimit = 250000;

    int Copies = 1;
    TBVBin OutputBin = TBVBin::Auto;
    bool Duplex = false;
    int ExtendedDuplex = 0; // a duplex code that wins over Duplex when not 0
    int FirstPage = 0; // 0: from the first page
    int LastPage = 0; // 0: to the last page
    bool UseStandardprinter = false;
    bool UseCustomBinCode = false;
    int CustomBinCode = 0;
    bool UseCustomPaperCode = false;
    int CustomPaperCode = 0;
    bool PrintMetaFile = false;
    int MemoryLimit = DefaultMemoryLimit;
    int PrintQuality = 0;
    int Collate = 0;
    int ColorOption = 0;
    int PrinterIndex = -1; // position in the system's printer list; -1: the default printer

    TPrinterSettings::DeviceHook OnGetPrinterSettings;
    TPrinterSettings::DeviceHook OnApplyPrinterSettings;
};

// The report's second settings set, holding what the printer setup dialogs
// returned, with the orientation chosen there.
struct TBVSetupPrinterSettings : TBVReportPrinterSettings {
    TBVOrientation Orientation = TBVOrientation::Portrait;
};

// Paper size, portrait paper width and length, and orientation of the page.
void applyPagePaper(const TBVPage& page, TPrinterSettings& target);

// Hands the report's settings and its page's paper and orientation to the
// page printer, in the order the device settings depend on: the printer
// first (switching it resets and rereads its device settings), then paper,
// orientation and the rest.
void ApplyPrinterSettings(const TBVReportPrinterSettings& settings, const TBVPage& page, TBVPrinter& printer);
