#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

// The printers the program can print on: the system's, unless a catalogue
// of its own has been installed (tests, which must not depend on the
// printers of the machine they run on).
class PrinterCatalogue {
public:
    virtual ~PrinterCatalogue() = default;
    // Read afresh on every call: printers come and go while the program runs.
    virtual QStringList names() const = 0;
    // The default printer's name; empty when there is none.
    virtual QString defaultName() const = 0;
    // A printer object for one of the names (for the default printer when
    // the name is empty), with the device's settings.
    virtual std::unique_ptr<QPrinter> printerFor(const QString& name) const = 0;
};

// Puts `catalogue` (not owned) in the place of the system's printers; null
// brings the system's back.
void installPrinterCatalogue(const PrinterCatalogue* catalogue);

// The printer list of the installed catalogue.
QStringList printerNames();
// The position of the default printer in printerNames(); -1 when there is none.
int defaultPrinterIndex();
// A printer object for the printer at this position of printerNames(), or
// for the default printer when the position is -1.
std::unique_ptr<QPrinter> makePrinter(int index);
