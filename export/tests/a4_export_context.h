#pragma once

#include "export/device_units.h"
#include "export/filter.h"

#include <QMap>
#include <QStringList>

// The report side of an export run as the formats see it: an A4 portrait
// page with margins of 10 mm, converted at 96 pixels per inch, with report
// constants and a progress window that records what it was told.
class A4ExportContext : public ExportContext {
public:
    TBVExportPageSetup pageSetup() const override
    {
        TBVExportPageSetup setup;
        setup.paperWidth = 2100;
        setup.paperLength = 2970;
        setup.topMargin = setup.bottomMargin = setup.leftMargin = setup.rightMargin = 100;
        setup.paperSize = 9;
        return setup;
    }
    int deviceX(long double xNative) const override { return pixels(xNative); }
    int deviceY(long double yNative) const override { return pixels(yNative); }
    long double horizontalFactor() const override { return 96.0L / 254.0L; }
    long double verticalFactor() const override { return 96.0L / 254.0L; }
    QVariant constant(const QString& name) const override { return constants.value(name); }
    void setConstant(const QString& name, const QVariant& value) override { constants.insert(name, value); }
    void setProgressCaption(const QString& caption) override { captions << caption; }
    void reportProgress(int percent) override { progress << percent; }

    QMap<QString, QVariant> constants;
    QStringList captions;
    QList<int> progress;

private:
    static int pixels(long double native) { return DeviceUnits::toDevice(native, 0, 96.0L / 254.0L); }
};
