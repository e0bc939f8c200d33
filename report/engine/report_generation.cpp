#include "export/filter.h"
#include "report/engine/export_context.h"
#include "report/engine/export_shapes.h"
#include "report/engine/image.h"
#include "report/engine/page_layout.h"
#include "report/engine/report.h"
#include "report/engine/report_printer.h"

#include <algorithm>

namespace {

// Restores the report's unit when a run ends, also when it ends with an error.
class UnitsGuard {
public:
    UnitsGuard(TBVReport& report, TBVUnit during)
        : m_report(report)
        , m_saved(report.Units())
    {
        m_report.setUnits(during);
    }
    ~UnitsGuard() { m_report.setUnits(m_saved); }
    UnitsGuard(const UnitsGuard&) = delete;
    UnitsGuard& operator=(const UnitsGuard&) = delete;

private:
    TBVReport& m_report;
    TBVUnit m_saved;
};

}

void TBVReport::ExportToFilter(TBVExportFilter& filter, ReportPrinter& printer)
{
    if (!m_run.idle)
        return;
    if (!m_exportContext)
        m_exportContext = std::make_unique<ReportExportContext>(*this);
    m_run.filter = &filter;
    m_run.renderToCanvas = false;
    filter.setOwner(m_exportContext.get());
    printer.setOwnerExporting(true);
    const auto restore = [&] {
        printer.setOwnerExporting(false);
        m_run.filter = nullptr;
        m_run.renderToCanvas = true;
    };
    try {
        CreateReport(printer);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TBVReport::Cancel()
{
    m_run.cancelRequested = true;
    if (m_printer)
        m_printer->Cancel();
}

void TBVReport::CreateReport(ReportPrinter& printer, bool composite)
{
    if (!m_run.idle)
        return;
    m_printer = &printer;
    m_page.checkMargins();
    m_run.idle = false;
    m_run.cancelRequested = false;
    m_run.finalPage = false;
    m_run.pageStartMark = false;
    m_run.forcedColumnAsked = false;
    m_run.pageNumber = 0;
    m_run.currentY = -1;
    m_run.backImage = nullptr;
    for (const auto& printable : m_printables) {
        if (auto* image = dynamic_cast<TBVImage*>(printable.get()); image && image->Name() == BackImageControl)
            m_run.backImage = image;
    }
    try {
        bool printReport = true;
        if (BeforePrint)
            BeforePrint(*this, printReport);
        if (printReport)
            runGeneration(composite);
    } catch (...) {
        endJob(composite);
        throw;
    }
    endJob(composite);
}

void TBVReport::endJob(bool composite)
{
    const auto becomeIdle = [this] {
        m_run.idle = true;
        m_run.currentY = -1;
    };
    try {
        if (m_run.cancelRequested)
            m_printer->AbortJob();
        else if (!composite && m_run.renderToCanvas)
            m_printer->FinishJob();
        else if (!composite)
            m_printer->AbortJob();
    } catch (...) {
        becomeIdle();
        throw;
    }
    becomeIdle();
}

void TBVReport::runGeneration(bool composite)
{
    UnitsGuard nativeUnits(*this, TBVUnit::Native);
    if (m_eventPump)
        m_eventPump();
    prepareRun(composite);
    try {
        RunBands();
        finishRun(composite);
    } catch (...) {
        forEachPrintable([](TBVPrintable& printable) { printable.EndPrinting(); });
        throw;
    }
    forEachPrintable([](TBVPrintable& printable) { printable.EndPrinting(); });
}

void TBVReport::prepareRun(bool composite)
{
    if (!composite) {
        m_printer->applyPageSetup(m_page);
        m_printer->setTitle(ReportTitle);
        m_printer->setCompression(Options.Compression);
        m_printer->StartJob();
        m_run.currentY = -1;
        m_run.pageNumber = 0;
    }
    m_run.currentColumn = m_page.Columns();
    if (m_run.filter && !m_run.filter->Active())
        m_run.filter->BeginExport(roundToInt(m_page.native(TBVPage::Width)), roundToInt(m_page.native(TBVPage::Length)),
            exportFont(m_font).font);
    m_run.footerSpace = computeFooterSpace();
    m_run.columnX = roundToInt(m_page.native(TBVPage::LeftMargin));
    forEachPrintable([](TBVPrintable& printable) { printable.BeginPrinting(); });
}

void TBVReport::finishRun(bool composite)
{
    if (composite)
        return;
    m_run.finalPage = true;
    if (!m_run.cancelRequested)
        FinishPage();
    if (m_run.filter)
        m_run.filter->EndExport();
}

void TBVReport::forEachPrintable(const std::function<void(TBVPrintable&)>& action) const
{
    for (const auto& printable : m_printables)
        action(*printable);
    for (const auto& band : m_bands) {
        for (const auto& printable : band->printables())
            action(*printable);
    }
}

long double TBVReport::computeFooterSpace() const
{
    long double space = 0;
    for (const auto& band : m_bands) {
        if (band->BandType() != TBVBandType::rbPageFooter || !band->Enabled)
            continue;
        for (const TBVCustomBand* part = band.get(); part; part = childOf(*part))
            space += part->heightNative();
    }
    return space;
}

void TBVReport::RunBands()
{
    // A report without data prints title, detail and summary once, and only when asked to.
    if (!PrintIfEmpty)
        return;
    if (TBVBand* title = m_bandSwitches.TitleBand()) {
        PrintBand(title);
        m_run.pageStartMark = true;
    }
    PrintBand(m_bandSwitches.DetailBand());
    PrintBand(m_bandSwitches.SummaryBand());
}

int TBVReport::AvailableSpace() const
{
    if (m_run.idle || m_run.currentY == -1)
        return 0;
    if (m_run.filter && m_run.filter->ContinuousPage())
        return roundToInt(m_page.native(TBVPage::Length));
    return availableSpace(pageHeight(), m_page.native(TBVPage::BottomMargin), m_run.footerSpace, m_run.currentY);
}

void TBVReport::NewColumn()
{
    if (m_run.currentColumn >= m_page.Columns()) {
        m_run.currentColumn = 1;
        m_run.columnX = roundToInt(m_page.native(TBVPage::LeftMargin));
        NewPage();
    } else {
        const TBVBand* detail = m_bandSwitches.DetailBand();
        const long double space = roundEven(m_page.native(TBVPage::ColumnSpace));
        const long double width = detail
            ? detail->widthNative()
            : static_cast<long long>((m_page.printableWidth() - space * (m_page.Columns() - 1)) / m_page.Columns());
        m_run.columnX += roundToInt(space + width);
        m_run.currentY = m_run.columnTop;
        ++m_run.currentColumn;
    }
    if (m_run.pageNumber > 1 || m_run.currentColumn > 1)
        PrintBand(m_bandSwitches.ColumnHeaderBand());
}

void TBVReport::NewPage()
{
    FinishPage();
    if (m_run.filter)
        m_run.filter->BeginPage();
    ++m_run.pageNumber;
    if (m_run.renderToCanvas || m_run.pageNumber == 1)
        m_printer->NewPage();
    m_run.currentY = roundToInt(m_page.native(TBVPage::TopMargin));
    if (OnStartPage)
        OnStartPage(*this);
    paintPageBackground();
    if (m_run.pageNumber > 1 || Options.FirstPageHeader)
        PrintBand(m_bandSwitches.PageHeaderBand());
    m_run.columnTop = m_run.currentY;
    m_run.currentColumn = 1;
    if (const TBVBand* title = m_bandSwitches.TitleBand(); title && m_run.pageNumber == 1)
        m_run.columnTop += roundToInt(title->heightNative());
    if (m_eventPump)
        m_eventPump();
}

void TBVReport::paintPageBackground()
{
    PageCanvas* canvas = m_printer->Canvas();
    if (BackgroundColor != QColor(Qt::white)) {
        const long double factor = m_printer->YFactor();
        const PageRect page { 0, 0, roundToInt(pageWidth() * factor), roundToInt(pageHeight() * factor) };
        if (canvas && m_run.renderToCanvas)
            canvas->fillRect(page, BackgroundColor);
        exportRect(page, BackgroundColor);
    }
    TBVImage* image = m_run.backImage;
    if (!image)
        return;
    const long double left = image->native(TBVPrintableSize::Left);
    const long double top = image->native(TBVPrintableSize::Top);
    const PageRect rect { m_printer->DeviceX(left), m_printer->DeviceY(top),
        m_printer->DeviceX(left) + m_printer->DeviceWidth(image->native(TBVPrintableSize::Width)),
        m_printer->DeviceY(top) + m_printer->DeviceHeight(image->native(TBVPrintableSize::Height)) };
    if (canvas && !image->Picture().isNull())
        canvas->drawImage(rect, image->Picture());
    if (m_run.filter) {
        TBVExportGraphic graphic;
        graphic.kind = TBVExportGraphic::Kind::Image;
        graphic.name = image->Name();
        graphic.widthPx = rect.width();
        graphic.heightPx = rect.height();
        graphic.picture = image->Picture();
        graphic.stretch = true;
        m_run.filter->ExportGraphic(pagePoint(rect.left, rect.top), graphic);
    }
}

void TBVReport::FinishPage()
{
    if (pageBegun()) {
        m_run.currentY
            = roundToInt(m_page.native(TBVPage::Length) - m_page.native(TBVPage::BottomMargin) - m_run.footerSpace);
        m_run.columnX = roundToInt(m_page.native(TBVPage::LeftMargin));
        if (!m_run.finalPage || Options.LastPageFooter)
            PrintBand(m_bandSwitches.PageFooterBand());
        printReportPrintables();
        if (OnEndPage)
            OnEndPage(*this);
    }
    if (m_run.filter)
        m_run.filter->EndPage();
}

void TBVReport::printReportPrintables()
{
    for (const auto& printable : m_printables) {
        if (printable.get() != m_run.backImage)
            printable->PrintAt(0, 0);
    }
    if (!Frame.isSet() || !(m_run.renderToCanvas || m_run.filter))
        return;
    const PageRect margins { m_printer->DeviceX(m_page.native(TBVPage::LeftMargin)),
        m_printer->DeviceY(m_page.native(TBVPage::TopMargin)),
        m_printer->DeviceX(pageWidth() - m_page.native(TBVPage::RightMargin)),
        m_printer->DeviceY(pageHeight() - m_page.native(TBVPage::BottomMargin)) };
    if (PageCanvas* canvas = m_printer->Canvas(); canvas && m_run.renderToCanvas)
        drawFrame(*canvas, margins, Frame, m_printer->XFactor(), m_printer->YFactor());
    exportFrameShapes(margins, Frame);
}

void TBVReport::exportRect(const PageRect& rect, const QColor& colour)
{
    if (!m_run.filter)
        return;
    const PlacedGraphic shape = backgroundShape(rect, colour);
    m_run.filter->ExportGraphic(pagePoint(shape.topLeft), shape.graphic);
}

void TBVReport::exportFrameShapes(const PageRect& rect, const TBVFrame& frame)
{
    if (!m_run.filter)
        return;
    const int thicknessX = frameThickness(m_printer->XFactor(), frame.Width);
    const int thicknessY = frameThickness(m_printer->YFactor(), frame.Width);
    for (const PlacedGraphic& shape : frameShapes(rect, frame, thicknessX, thicknessY))
        m_run.filter->ExportGraphic(pagePoint(shape.topLeft), shape.graphic);
}
