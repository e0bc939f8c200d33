#pragma once

#include "export/device_units.h"
#include "report/store/page_canvas.h"

#include <QString>

class TBVPage;
struct TBVReportPrinterSettings;

// What generation needs of a page printer. The page store's TBVPrinter is
// used through PagePrinterAdapter; tests and other destinations may supply
// their own. All positions are native (tenths of a millimetre); the factors
// are device pixels per tenth of a millimetre.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // Takes paper size and orientation of the report's page.
    virtual void applyPageSetup(const TBVPage& page) = 0;
    // Takes the report's printer settings, then paper and orientation of its
    // page; a printer without device settings takes only the page setup.
    virtual void applyPrinterSettings(const TBVReportPrinterSettings& /*settings*/, const TBVPage& page)
    {
        applyPageSetup(page);
    }
    virtual void setTitle(const QString& title) = 0;
    virtual void setCompression(bool on) = 0;
    virtual void setOwnerExporting(bool on) = 0;

    virtual void StartJob() = 0;
    virtual void NewPage() = 0;
    virtual void FinishJob() = 0;
    virtual void AbortJob() = 0;

    // The canvas of the page in progress; null before the first page.
    virtual PageCanvas* Canvas() const = 0;
    virtual long double XFactor() const = 0;
    virtual long double YFactor() const = 0;
    virtual long double LeftOffset() const { return 0; }
    virtual long double TopOffset() const { return 0; }

    int DeviceX(long double x) const { return DeviceUnits::toDevice(x, LeftOffset(), XFactor()); }
    int DeviceY(long double y) const { return DeviceUnits::toDevice(y, TopOffset(), YFactor()); }
    int DeviceWidth(long double width) const { return DeviceUnits::sizeToDevice(width, XFactor()); }
    int DeviceHeight(long double height) const { return DeviceUnits::sizeToDevice(height, YFactor()); }
};
