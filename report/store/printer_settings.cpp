#include "report/store/printer_settings.h"

#include <QPrinter>
#include <cmath>

namespace {

// Source codes in the order of the bins; Cassette and Last share 14.
const int BinCodes[] = { 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 14 };

int toNative(double pixels, int dpi) { return static_cast<int>(std::nearbyint(pixels / dpi * 254)); }

int roundedNative(double native) { return static_cast<int>(std::nearbyint(native)); }

// The engine's paper for a device paper code: the code itself up to the last
// standard paper, Custom for the user-defined code, else the device's default.
int paperForCode(int code)
{
    if (code == TDeviceMode::UserPaperCode)
        return TPrinterSettings::Custom;
    return code > 0 && code < TPrinterSettings::Custom ? code : 0;
}

} // namespace

int binCode(TBVBin bin) { return BinCodes[static_cast<int>(bin)]; }

std::optional<TBVBin> binForCode(int code)
{
    for (int bin = 0; bin <= static_cast<int>(TBVBin::Last); ++bin) {
        if (BinCodes[bin] == code)
            return static_cast<TBVBin>(bin);
    }
    return std::nullopt;
}

void TPrinterSettings::ReadFromPrinter(int printerIndex)
{
    if (!printer || readIndex == printerIndex)
        return;
    deviceName = printer->printerName();
    TDeviceMode mode = readDeviceMode(*printer);
    bool handled = false;
    if (OnGetPrinterSettings)
        OnGetPrinterSettings(*this, handled, mode);
    // A reading the owner handled is not remembered: the next read asks it again.
    if (handled)
        return;
    readIndex = printerIndex;
    pixelsPerInchX = printer->logicalDpiX();
    pixelsPerInchY = printer->logicalDpiY();
    copies = printer->supportsMultipleCopies() ? mode.copies : 1;
    outputBin = binForCode(mode.defaultSource).value_or(TBVBin::First);
    duplex = mode.duplex != TDeviceMode::Simplex;
    extendedDuplex = mode.duplex;
    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    leftOffset = toNative(page.left() - paper.left(), pixelsPerInchX);
    topOffset = toNative(page.top() - paper.top(), pixelsPerInchY);
    paperSize = paperForCode(mode.paperSize);
    paperWidth = mode.paperWidth;
    paperLength = mode.paperLength;
    supportedPapers = capabilitiesOf(*printer).paperCodes;
    printQuality = mode.printQuality;
    collate = mode.collate;
    colorOption = mode.color;
}

TDeviceMode TPrinterSettings::deviceMode() const
{
    TDeviceMode mode;
    mode.paperWidth = roundedNative(paperWidth);
    mode.paperLength = roundedNative(paperLength);
    mode.paperSize = paperSize == Custom ? TDeviceMode::UserPaperCode : paperSize;
    // The device's own paper stays, whatever code would replace it.
    if (useCustomPaperCode && paperSize != 0)
        mode.paperSize = customPaperCode;
    mode.copies = copies;
    if (extendedDuplex != 0)
        mode.duplex = extendedDuplex;
    else
        mode.duplex = duplex ? TDeviceMode::DuplexLongEdge : TDeviceMode::Simplex;
    mode.defaultSource = useCustomBinCode ? customBinCode : binCode(outputBin);
    mode.orientation = orientation == TBVOrientation::Landscape ? TDeviceMode::Landscape : TDeviceMode::Portrait;
    mode.collate = collate;
    mode.printQuality = printQuality;
    mode.color = colorOption;
    return mode;
}

void TPrinterSettings::WriteToPrinter()
{
    TDeviceMode mode = deviceMode();
    bool handled = false;
    if (OnApplyPrinterSettings)
        OnApplyPrinterSettings(*this, handled, mode);
    if (handled || !printer)
        return;
    TDeviceCapabilities capabilities = capabilitiesOf(*printer);
    // Paper Default leaves the device's paper; any other goes only on a
    // device that has it.
    if (mode.paperSize == 0)
        capabilities.paperCodes = { 0 };
    writeDeviceMode(*printer, mode, capabilities);
}
