#include "export/filter.h"
#include "report/engine/export_context.h"
#include "report/engine/export_shapes.h"
#include "report/engine/image.h"
#include "report/engine/page_layout.h"
#include "report/engine/report.h"
#include "report/engine/report_printer.h"
#include "report/store/printer.h"

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

// Binds a run to the report while CreateReport runs it. However the run
// leaves, its job is ended and the report is idle again with no reference to
// the run. An error of the run itself propagates; ending the job after it is
// then only a clean-up, so an error of that is dropped rather than replacing
// the first one.
class TBVReport::ActiveRun {
public:
    ActiveRun(TBVReport& report, TBVReportRun& run)
        : m_report(report)
    {
        m_report.m_active = &run;
    }
    ~ActiveRun()
    {
        if (!m_jobEnded) {
            try {
                m_report.endJob(false);
            } catch (...) {
            }
        }
        m_report.m_active = nullptr;
    }
    ActiveRun(const ActiveRun&) = delete;
    ActiveRun& operator=(const ActiveRun&) = delete;

    void endJob()
    {
        m_jobEnded = true;
        m_report.endJob(true);
    }

private:
    TBVReport& m_report;
    bool m_jobEnded = false;
};

// The printables know they are printing from the start of the bands to the
// end of the run, also when it ends with an error.
class TBVReport::PrintingScope {
public:
    explicit PrintingScope(TBVReport& report)
        : m_report(report)
    {
        m_report.forEachPrintable([](TBVPrintable& printable) { printable.BeginPrinting(); });
    }
    ~PrintingScope()
    {
        m_report.forEachPrintable([](TBVPrintable& printable) { printable.EndPrinting(); });
    }
    PrintingScope(const PrintingScope&) = delete;
    PrintingScope& operator=(const PrintingScope&) = delete;

private:
    TBVReport& m_report;
};

bool TBVReport::generate(TBVPrinter& printer)
{
    TBVReportRun run(printer);
    return CreateReport(run);
}

bool TBVReport::generate(ReportPrinter& printer)
{
    TBVReportRun run(printer);
    return CreateReport(run);
}

bool TBVReport::ExportToFilter(TBVExportFilter& filter, TBVPrinter& printer)
{
    TBVReportRun run(printer, &filter);
    return CreateReport(run);
}

bool TBVReport::ExportToFilter(TBVExportFilter& filter, ReportPrinter& printer)
{
    TBVReportRun run(printer, &filter);
    return CreateReport(run);
}

void TBVReport::Cancel()
{
    if (m_active)
        m_active->cancel();
}

bool TBVReport::CreateReport(TBVReportRun& run)
{
    if (m_active)
        return false;
    ActiveRun active(*this, run);
    startRun();
    bool printReport = true;
    if (BeforePrint)
        BeforePrint(*this, printReport);
    if (printReport)
        runGeneration();
    active.endJob();
    return true;
}

void TBVReport::startRun()
{
    m_page.checkMargins();
    layout() = TBVRunLayout();
    for (const auto& printable : m_printables) {
        if (auto* image = dynamic_cast<TBVImage*>(printable.get()); image && image->Name() == BackImageControl)
            layout().backImage = image;
    }
    if (TBVExportFilter* filter = m_active->exportFilter()) {
        if (!m_exportContext)
            m_exportContext = std::make_unique<ReportExportContext>(*this);
        filter->setOwner(m_exportContext.get());
    }
    if (ShowProgress && m_progressFactory && m_active->kind() != TBVRunKind::Generate && !m_active->progress())
        m_active->setProgress(m_progressFactory(*m_active));
}

// An export run keeps nothing of its page printer's job; a cancelled run
// keeps the pages made so far. Events are let through once the job has
// ended, with the final page count already in the stored header.
void TBVReport::endJob(bool pumpEvents)
{
    if (m_active->cancelRequested() || !m_active->renderToCanvas()) {
        device().AbortJob();
        return;
    }
    device().FinishJob();
    if (pumpEvents)
        m_active->pumpEvents();
}

void TBVReport::runGeneration()
{
    UnitsGuard nativeUnits(*this, TBVUnit::Native);
    m_active->pumpEvents();
    prepareRun();
    PrintingScope printing(*this);
    RunBands();
    finishRun();
}

void TBVReport::prepareRun()
{
    device().applyPrinterSettings(PrinterSettings, m_page);
    device().setTitle(ReportTitle);
    device().setCompression(Options.Compression);
    device().StartJob();
    layout().currentY = -1;
    layout().pageNumber = 0;
    layout().currentColumn = m_page.Columns();
    if (TBVExportFilter* filter = m_active->exportFilter(); filter && !filter->Active())
        filter->BeginExport(roundToInt(m_page.native(TBVPage::Width)), roundToInt(m_page.native(TBVPage::Length)),
            exportFont(m_font).font);
    layout().footerSpace = computeFooterSpace();
    layout().columnX = roundToInt(m_page.native(TBVPage::LeftMargin));
}

void TBVReport::finishRun()
{
    layout().finalPage = true;
    if (!m_active->cancelRequested())
        FinishPage();
    if (TBVExportFilter* filter = m_active->exportFilter())
        filter->EndExport();
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
        layout().pageStartMark = true;
    }
    PrintBand(m_bandSwitches.DetailBand());
    PrintBand(m_bandSwitches.SummaryBand());
}

int TBVReport::AvailableSpace() const
{
    if (!m_active || layout().currentY == -1)
        return 0;
    if (m_active->exportFilter() && m_active->exportFilter()->ContinuousPage())
        return roundToInt(m_page.native(TBVPage::Length));
    return availableSpace(pageHeight(), m_page.native(TBVPage::BottomMargin), layout().footerSpace, layout().currentY);
}

void TBVReport::NewColumn()
{
    if (layout().currentColumn >= m_page.Columns()) {
        layout().currentColumn = 1;
        layout().columnX = roundToInt(m_page.native(TBVPage::LeftMargin));
        NewPage();
    } else {
        const TBVBand* detail = m_bandSwitches.DetailBand();
        const long double space = roundEven(m_page.native(TBVPage::ColumnSpace));
        const long double width = detail
            ? detail->widthNative()
            : static_cast<long long>((m_page.printableWidth() - space * (m_page.Columns() - 1)) / m_page.Columns());
        layout().columnX += roundToInt(space + width);
        layout().currentY = layout().columnTop;
        ++layout().currentColumn;
    }
    if (layout().pageNumber > 1 || layout().currentColumn > 1)
        PrintBand(m_bandSwitches.ColumnHeaderBand());
}

void TBVReport::NewPage()
{
    FinishPage();
    if (m_active->exportFilter())
        m_active->exportFilter()->BeginPage();
    ++layout().pageNumber;
    if (m_active->renderToCanvas() || layout().pageNumber == 1)
        device().NewPage();
    m_active->pageBegun(layout().pageNumber);
    layout().currentY = roundToInt(m_page.native(TBVPage::TopMargin));
    if (OnStartPage)
        OnStartPage(*this);
    paintPageBackground();
    if (layout().pageNumber > 1 || Options.FirstPageHeader)
        PrintBand(m_bandSwitches.PageHeaderBand());
    layout().columnTop = layout().currentY;
    layout().currentColumn = 1;
    if (const TBVBand* title = m_bandSwitches.TitleBand(); title && layout().pageNumber == 1)
        layout().columnTop += roundToInt(title->heightNative());
    m_active->pumpEvents();
}

void TBVReport::paintPageBackground()
{
    PageCanvas* canvas = device().Canvas();
    if (BackgroundColor != QColor(Qt::white)) {
        const long double factor = device().YFactor();
        const PageRect page { 0, 0, roundToInt(pageWidth() * factor), roundToInt(pageHeight() * factor) };
        if (canvas && m_active->renderToCanvas())
            canvas->fillRect(page, BackgroundColor);
        exportRect(page, BackgroundColor);
    }
    TBVImage* image = layout().backImage;
    if (!image)
        return;
    const long double left = image->native(TBVPrintableSize::Left);
    const long double top = image->native(TBVPrintableSize::Top);
    const PageRect rect { device().DeviceX(left), device().DeviceY(top),
        device().DeviceX(left) + device().DeviceWidth(image->native(TBVPrintableSize::Width)),
        device().DeviceY(top) + device().DeviceHeight(image->native(TBVPrintableSize::Height)) };
    if (canvas && !image->Picture().isNull())
        canvas->drawImage(rect, image->Picture());
    if (m_active->exportFilter()) {
        TBVExportGraphic graphic;
        graphic.kind = TBVExportGraphic::Kind::Image;
        graphic.name = image->Name();
        graphic.widthPx = rect.width();
        graphic.heightPx = rect.height();
        graphic.picture = image->Picture();
        graphic.stretch = true;
        m_active->exportFilter()->ExportGraphic(pagePoint(rect.left, rect.top), graphic);
    }
}

void TBVReport::FinishPage()
{
    if (pageBegun()) {
        layout().currentY
            = roundToInt(m_page.native(TBVPage::Length) - m_page.native(TBVPage::BottomMargin) - layout().footerSpace);
        layout().columnX = roundToInt(m_page.native(TBVPage::LeftMargin));
        if (!layout().finalPage || Options.LastPageFooter)
            PrintBand(m_bandSwitches.PageFooterBand());
        printReportPrintables();
        if (OnEndPage)
            OnEndPage(*this);
    }
    if (m_active->exportFilter())
        m_active->exportFilter()->EndPage();
}

void TBVReport::printReportPrintables()
{
    for (const auto& printable : m_printables) {
        if (printable.get() != layout().backImage)
            printable->PrintAt(0, 0);
    }
    if (!Frame.isSet() || !(m_active->renderToCanvas() || m_active->exportFilter()))
        return;
    const PageRect margins { device().DeviceX(m_page.native(TBVPage::LeftMargin)),
        device().DeviceY(m_page.native(TBVPage::TopMargin)),
        device().DeviceX(pageWidth() - m_page.native(TBVPage::RightMargin)),
        device().DeviceY(pageHeight() - m_page.native(TBVPage::BottomMargin)) };
    if (PageCanvas* canvas = device().Canvas(); canvas && m_active->renderToCanvas())
        drawFrame(*canvas, margins, Frame, device().XFactor(), device().YFactor());
    exportFrameShapes(margins, Frame);
}

void TBVReport::exportRect(const PageRect& rect, const QColor& colour)
{
    if (!m_active->exportFilter())
        return;
    const PlacedGraphic shape = backgroundShape(rect, colour);
    m_active->exportFilter()->ExportGraphic(pagePoint(shape.topLeft), shape.graphic);
}

void TBVReport::exportFrameShapes(const PageRect& rect, const TBVFrame& frame)
{
    if (!m_active->exportFilter())
        return;
    const int thicknessX = frameThickness(device().XFactor(), frame.Width);
    const int thicknessY = frameThickness(device().YFactor(), frame.Width);
    for (const PlacedGraphic& shape : frameShapes(rect, frame, thicknessX, thicknessY))
        m_active->exportFilter()->ExportGraphic(pagePoint(shape.topLeft), shape.graphic);
}
