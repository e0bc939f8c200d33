#include "report/store/printer_list.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

class SystemPrinters : public PrinterCatalogue {
public:
    QStringList names() const override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultName() const override { return QPrinterInfo::defaultPrinterName(); }
    std::unique_ptr<QPrinter> printerFor(const QString& name) const override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!name.isEmpty())
            printer->setPrinterName(name);
        return printer;
    }
};

const PrinterCatalogue* installedCatalogue = nullptr;

const PrinterCatalogue& catalogue()
{
    static const SystemPrinters system;
    return installedCatalogue ? *installedCatalogue : system;
}

} // namespace

void installPrinterCatalogue(const PrinterCatalogue* catalogue) { installedCatalogue = catalogue; }

QStringList printerNames() { return catalogue().names(); }

int defaultPrinterIndex()
{
    const QString name = catalogue().defaultName();
    return name.isEmpty() ? -1 : static_cast<int>(printerNames().indexOf(name));
}

std::unique_ptr<QPrinter> makePrinter(int index)
{
    const QStringList names = printerNames();
    return catalogue().printerFor(index >= 0 && index < names.size() ? names.at(index) : QString());
}
