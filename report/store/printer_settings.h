#pragma once

#include "report/store/device_mode.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;

enum class TBVOrientation { Portrait, Landscape };

// Paper sources in the order of their ordinals; the platform's source code of
// each is binCode().
enum class TBVBin {
    First,
    Upper,
    Lower,
    Middle,
    Manual,
    Envelope,
    EnvManual,
    Auto,
    Tractor,
    SmallFormat,
    LargeFormat,
    LargeCapacity,
    Cassette,
    Last
};

int binCode(TBVBin bin);
// The first bin written with this source code; none for a code no bin has.
std::optional<TBVBin> binForCode(int code);

// The page printer's settings: a mirror of the chosen platform printer's
// device settings, the paper and orientation its pages have, the memory a
// page stream may hold and the printer page range. Paper sizes are the
// platform's codes (A4 = 9, Custom = 69); width and length are the portrait
// paper size in tenths of a millimetre, filled from the paper table for
// standard sizes by whoever sets the code.
struct TPrinterSettings {
    static constexpr int A4 = 9;
    static constexpr int Custom = 69;
    static constexpr int DefaultMemoryLimit = 250000;

    // Sender, Handled, device settings: an owner that sets Handled replaces
    // the reading or the writing of the device settings.
    using DeviceHook = std::function<void(TPrinterSettings& sender, bool& handled, TDeviceMode& mode)>;

    int paperSize = A4;
    double paperWidth = 2100;
    double paperLength = 2970;
    TBVOrientation orientation = TBVOrientation::Portrait;
    qint64 memoryLimit = DefaultMemoryLimit;
    int firstPage = 0; // printer output only; 0 = no limit
    int lastPage = 0;

    int copies = 1;
    TBVBin outputBin = TBVBin::Auto;
    bool duplex = false;
    int extendedDuplex = 0;
    bool useExtendedDuplex = false;
    int collate = 0;
    int colorOption = 0;
    int printQuality = 0;
    bool useStandardPrinter = false;
    bool printMetaFile = false;
    bool useCustomBinCode = false;
    int customBinCode = 0;
    bool useCustomPaperCode = false;
    int customPaperCode = 0;

    // Read from the device.
    QString deviceName;
    int pixelsPerInchX = 96;
    int pixelsPerInchY = 96;
    double leftOffset = 0; // unprintable margins, tenths of a millimetre
    double topOffset = 0;
    QList<int> supportedPapers; // paper codes; empty when any paper is taken

    DeviceHook OnGetPrinterSettings;
    DeviceHook OnApplyPrinterSettings;

    // The platform printer read from and written to (not owned), and the
    // printer list index last read (none before the first read).
    QPrinter* printer = nullptr;
    std::optional<int> readIndex;

    // Reads the printer's device settings when the printer object's index
    // differs from the one last read.
    void ReadFromPrinter(int printerIndex);
    // Writes the settings into the printer's device settings.
    void WriteToPrinter();
    // The device settings these settings write.
    TDeviceMode deviceMode() const;
};
