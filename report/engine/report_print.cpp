// The printer run of a report: generation straight to a printer.
#include "report/engine/report.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

bool TBVReport::Print(QPrinter* printerObject, std::function<void()> pumpEvents, int expectedPages)
{
    if (!Idle())
        return false;
    TBVPrinter printer;
    if (printerObject)
        printer.SetPlatformPrinter(printerObject);
    if (!printer.PrintersAvailable())
        throw EBVError(QString::fromLatin1(BVErrorText::NoPrinter));
    printer.SetDestination(TBVDestination::Printer);
    printer.SetTitle(ReportTitle);
    // The device's settings are read first; the report's are applied over them.
    printer.PlatformPrinter();
    QObject::connect(&printer, &TBVPrinter::afterPrint, [this] {
        if (AfterPrint)
            AfterPrint(*this);
    });
    TBVReportRun run(printer);
    run.setEventPump(std::move(pumpEvents));
    run.setExpectedPages(expectedPages);
    return CreateReport(run);
}
