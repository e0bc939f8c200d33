// The printer run of a report: generation straight to a printer.
#include "report/engine/printer_adapter.h"
#include "report/engine/report.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

void TBVReport::Print(QPrinter* printerObject, const std::function<void(TBVPrinter&)>& started)
{
    if (!m_run.idle)
        return;
    TBVPrinter printer;
    if (printerObject)
        printer.SetPlatformPrinter(printerObject);
    if (!printer.PrintersAvailable())
        throw EBVError(QString::fromLatin1(BVErrorText::NoPrinter));
    printer.SetDestination(TBVDestination::Printer);
    // The device's settings are read first; the report's are applied over them.
    printer.PlatformPrinter();
    QObject::connect(&printer, &TBVPrinter::afterPrint, [this] {
        if (AfterPrint)
            AfterPrint(*this);
    });
    if (started)
        started(printer);
    ReportPrinter* previous = m_printer;
    PagePrinterAdapter adapter(printer, PrinterSettings);
    try {
        CreateReport(adapter);
    } catch (...) {
        m_printer = previous;
        throw;
    }
    m_printer = previous;
}
