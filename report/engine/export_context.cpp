#include "report/engine/export_context.h"

#include "export/device_units.h"
#include "report/engine/report.h"
#include "report/engine/report_printer.h"
#include "report/engine/report_run.h"

namespace {
// Outside a run there is no page printer; positions are then the screen's.
const long double screenFactor = DeviceUnits::factorForDpi(DeviceUnits::ScreenDpi);
}

ReportExportContext::ReportExportContext(TBVReport& report)
    : m_report(report)
{
}

TBVExportPageSetup ReportExportContext::pageSetup() const
{
    const TBVPage& page = m_report.Page();
    TBVExportPageSetup setup;
    setup.paperWidth = page.native(TBVPage::Width);
    setup.paperLength = page.native(TBVPage::Length);
    setup.topMargin = page.native(TBVPage::TopMargin);
    setup.bottomMargin = page.native(TBVPage::BottomMargin);
    setup.leftMargin = page.native(TBVPage::LeftMargin);
    setup.rightMargin = page.native(TBVPage::RightMargin);
    setup.landscape = page.Orientation() == TBVOrientation::Landscape;
    setup.paperSize = static_cast<int>(page.PaperSize());
    return setup;
}

int ReportExportContext::deviceX(long double xNative) const
{
    const ReportPrinter* printer = m_report.printer();
    return printer ? printer->DeviceX(xNative) : DeviceUnits::toDevice(xNative, 0, screenFactor);
}

int ReportExportContext::deviceY(long double yNative) const
{
    const ReportPrinter* printer = m_report.printer();
    return printer ? printer->DeviceY(yNative) : DeviceUnits::toDevice(yNative, 0, screenFactor);
}

long double ReportExportContext::horizontalFactor() const
{
    const ReportPrinter* printer = m_report.printer();
    return printer ? printer->XFactor() : screenFactor;
}

long double ReportExportContext::verticalFactor() const
{
    const ReportPrinter* printer = m_report.printer();
    return printer ? printer->YFactor() : screenFactor;
}

QVariant ReportExportContext::constant(const QString& name) const { return m_report.Constants.value(name); }

void ReportExportContext::setConstant(const QString& name, const QVariant& value)
{
    m_report.Constants.insert(name, value);
}

void ReportExportContext::setProgressCaption(const QString& caption)
{
    const TBVReportRun* run = m_report.activeRun();
    if (run && run->progress())
        run->progress()->setCaption(caption);
}

void ReportExportContext::reportProgress(int percent)
{
    TBVReportRun* run = m_report.activeRun();
    if (!run)
        return;
    run->reportProgress(percent);
    run->pumpEvents();
}
