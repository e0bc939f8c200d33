#include "report/engine/report_output.h"

#include "report/emf/emf_player.h"
#include "report/engine/report.h"
#include "report/engine/report_run.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"
#include "report/store/printer_list.h"

#include <QPainter>

namespace {

// 96 dots per inch, as picture files store it.
constexpr int DotsPerMetre96 = 3780;

}

bool exportReport(TBVReport& report, TBVExportFilter& filter, std::function<void()> pumpEvents)
{
    TBVPrinter exportPrinter;
    TBVReportRun run(exportPrinter, &filter);
    run.setEventPump(std::move(pumpEvents));
    return report.CreateReport(run) && !run.cancelRequested();
}

QImage renderPage(const EmfPage& page)
{
    QImage image(page.sizePx(), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(DotsPerMetre96);
    image.setDotsPerMeterY(DotsPerMetre96);
    QPainter painter(&image);
    playPageInto(painter, page, image.rect());
    return image;
}

ReportPages::ReportPages(std::unique_ptr<TBVPrinter> printer)
    : m_printer(std::move(printer))
{
}

ReportPages::ReportPages(ReportPages&&) noexcept = default;

ReportPages::~ReportPages() = default;

ReportPages ReportPages::generate(TBVReport& report)
{
    auto printer = std::make_unique<TBVPrinter>();
    if (!report.generate(*printer))
        throw EBVError(QStringLiteral("the report is being generated already"));
    return ReportPages(std::move(printer));
}

ReportPages ReportPages::load(const QString& fileName)
{
    auto printer = std::make_unique<TBVPrinter>();
    printer->Load(fileName);
    for (int n = 1; n <= printer->PageCount(); ++n)
        printer->GetPage(n);
    return ReportPages(std::move(printer));
}

int ReportPages::count() const { return m_printer->PageCount(); }

QImage ReportPages::render(int n) const
{
    const std::unique_ptr<EmfPage> page = m_printer->GetPage(n);
    return page ? renderPage(*page) : QImage();
}

void ReportPages::save(const QString& fileName) const { m_printer->Save(fileName); }

void printReport(TBVReport& report, const ReportPrintChoices& choices)
{
    TBVReportPrinterSettings& settings = report.PrinterSettings;
    settings.PrinterIndex = choices.printerIndex;
    settings.FirstPage = choices.firstPage;
    settings.LastPage = choices.lastPage;
    settings.Copies = choices.copies;
    settings.Duplex = choices.duplexCode != ReportPrintChoices::OneSided;
    settings.ExtendedDuplex = choices.duplexCode;
    report.Print();
}

QStringList installedPrinters() { return printerNames(); }

int defaultPrinter() { return defaultPrinterIndex(); }

QString noPrinterMessage() { return QString::fromLatin1(BVErrorText::NoPrinter); }
