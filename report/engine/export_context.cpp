#include "report/engine/export_context.h"

#include "report/engine/report.h"
#include "report/engine/report_printer.h"
#include "report/engine/report_run.h"

namespace {
constexpr long double screenFactor = 96.0L / 254.0L;
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
    return printer ? printer->DeviceX(xNative) : roundToInt(xNative * screenFactor);
}

int ReportExportContext::deviceY(long double yNative) const
{
    const ReportPrinter* printer = m_report.printer();
    return printer ? printer->DeviceY(yNative) : roundToInt(yNative * screenFactor);
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
