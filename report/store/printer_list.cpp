#include "report/store/printer_list.h"

#include <QPrinterInfo>

QStringList printerNames() { return QPrinterInfo::availablePrinterNames(); }

int defaultPrinterIndex()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? -1 : static_cast<int>(printerNames().indexOf(name));
}
