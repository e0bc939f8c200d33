#include "export/filter.h"
#include "report/engine/export_shapes.h"
#include "report/engine/page_layout.h"
#include "report/engine/printable.h"
#include "report/engine/report.h"
#include "report/engine/report_printer.h"

namespace {

bool neverForcedToBreak(TBVBandType type)
{
    return type == TBVBandType::rbTitle || type == TBVBandType::rbPageHeader || type == TBVBandType::rbPageFooter
        || type == TBVBandType::rbOverlay;
}

int progressOf(const TBVCustomBand& band)
{
    int progress = 0;
    for (const auto& printable : band.printables())
        progress += printable->progress();
    return progress;
}

}

void TBVReport::PrintBand(TBVCustomBand* band)
{
    if (!band)
        return;
    if (band->AlignToBottom) {
        if (band->BandType() == TBVBandType::rbSummary && !Options.LastPageFooter)
            layout().footerSpace = 0;
        const auto y = bottomAlignedY(pageHeight(), layout().currentY, band->heightNative(),
            m_page.native(TBVPage::BottomMargin), layout().footerSpace);
        if (y)
            layout().currentY = *y;
    }
    printBandNow(*band);
}

void TBVReport::printBandNow(TBVCustomBand& band)
{
    bool printBand = band.Enabled;
    const int savedX = layout().columnX;
    const int savedY = layout().currentY;
    if (band.Enabled && band.BeforePrint)
        band.BeforePrint(band, printBand);
    if (band.BandType() == TBVBandType::rbSummary && m_page.Columns() > 1)
        placeSummaryInColumn(band);
    if (printBand) {
        printChild(band, true);
        if (!applyForcedBreaks(band))
            makeSpace(band);
        if (band.KeepOnOnePage && band.precalculatedHeight() > AvailableSpace())
            NewColumn();
        const long double height = band.PreCaluculateBandHeight ? band.precalculatedHeight() : band.heightNative();
        if (!band.TransparentBand && band.Enabled) {
            band.setPageRect({ device().DeviceX(layout().columnX), device().DeviceY(layout().currentY),
                device().DeviceX(layout().columnX + band.widthNative()),
                device().DeviceY(layout().currentY + height) });
            exportRect(band.pageRect(), band.Color);
        }
        if (band.bounds().height() != 0 && band.Enabled)
            printBandContents(band, height);
        if (m_active->exportFilter())
            m_active->exportFilter()->BandPrinted({ band.Name(), band.ExtraHeight(), static_cast<long double>(savedY),
                static_cast<long double>(savedX) });
    }
    if (band.AfterPrint)
        band.AfterPrint(band, printBand);
    printChild(band, false);
    s_pageBroken = false;
}

void TBVReport::placeSummaryInColumn(TBVCustomBand& band)
{
    if (band.AlignToBottom) {
        NewPage();
        return;
    }
    const long double width = m_page.columnWidth();
    layout().columnX = columnLeft(
        m_page.native(TBVPage::LeftMargin), layout().currentColumn, width, m_page.native(TBVPage::ColumnSpace));
    band.Size().setNative(TBVBandSize::Width, width);
}

void TBVReport::printChild(TBVCustomBand& band, bool before)
{
    TBVChildBand* child = childOf(band);
    if (!child)
        return;
    const TCBPrintOrder order = child->PrintOrder;
    const bool due = order == TCBPrintOrder::cboBeforeAndAfter
        || order == (before ? TCBPrintOrder::cboBeforeParent : TCBPrintOrder::cboAfterParent);
    if (due)
        PrintBand(child);
}

bool TBVReport::applyForcedBreaks(TBVCustomBand& band)
{
    const bool breakable = !neverForcedToBreak(band.BandType()) && pageBegun();
    if (band.ForceNewPage && !s_pageBroken && breakable) {
        if (layout().pageStartMark) {
            layout().pageStartMark = false;
        } else {
            // At most one break per column reaches column 1 of the next page.
            for (int breaks = 0; breaks < m_page.Columns(); ++breaks) {
                NewColumn();
                if (layout().currentColumn == 1)
                    break;
            }
        }
        s_pageBroken = false;
        return true;
    }
    if (band.ForceNewColumn && breakable) {
        if (layout().forcedColumnAsked || layout().currentColumn > 1)
            NewColumn();
        else
            layout().forcedColumnAsked = true;
        return true;
    }
    return false;
}

long double TBVReport::linkedHeight(const TBVCustomBand& band) const
{
    long double height = 0;
    // Bounded: a link that leads back to its band is refused when it is set.
    for (const TBVCustomBand* link = band.LinkBand(); link; link = link->LinkBand())
        height += link->heightNative();
    return height;
}

void TBVReport::makeSpace(TBVCustomBand& band)
{
    const bool isDetail = band.BandType() == TBVBandType::rbDetail;
    const long double needed = band.heightNative() + linkedHeight(band);
    const long double printableHeight
        = m_page.native(TBVPage::Length) - m_page.native(TBVPage::TopMargin) - m_page.native(TBVPage::BottomMargin);
    const bool fits
        = band.BandType() == TBVBandType::rbPageFooter || bandFits(needed, AvailableSpace(), printableHeight);
    if (fits && pageBegun()) {
        if (isDetail)
            s_pageBroken = false;
        return;
    }
    s_pageBroken = isDetail;
    if (!(m_page.Continuous() && pageBegun()))
        NewColumn();
}

void TBVReport::printBandContents(TBVCustomBand& band, long double height)
{
    if (PageCanvas* canvas = device().Canvas(); canvas && m_active->renderToCanvas() && !band.TransparentBand)
        canvas->fillRect(band.pageRect(), band.Color);
    band.setExtraHeight(0);
    bool firstPass = true;
    while (!printPass(band, firstPass, height)) {
        // A page footer cannot continue on another page: each new page would print it again.
        if (band.BandType() == TBVBandType::rbPageFooter)
            break;
        s_pageBroken = true;
        NewColumn();
        s_pageBroken = false;
        band.setExtraHeight(0);
        firstPass = false;
    }
    layout().currentY += roundToInt(height + band.ExtraHeight());
}

bool TBVReport::printPass(TBVCustomBand& band, bool firstPass, long double height)
{
    const int progressBefore = progressOf(band);
    bool allDone = true;
    long double largestExtra = 0;
    for (const auto& printable : band.printables()) {
        if (!printable->Enabled)
            continue;
        band.setExtraHeight(0);
        if (firstPass || !printable->ContentDone() || printable->RepeatOnContinuation)
            printable->PrintAt(layout().columnX, layout().currentY);
        allDone = allDone && printable->ContentDone();
        largestExtra = std::max(largestExtra, band.ExtraHeight());
    }
    band.setExtraHeight(largestExtra);
    drawBandFrame(band, height);
    // A continuation page on which nothing more printed would be followed by another one for ever.
    const bool stuck = !firstPass && progressOf(band) == progressBefore;
    return allDone || stuck;
}

void TBVReport::drawBandFrame(const TBVCustomBand& band, long double height)
{
    if (!band.Frame.isSet() || !(m_active->renderToCanvas() || m_active->exportFilter()))
        return;
    const PageRect rect { device().DeviceX(layout().columnX), device().DeviceY(layout().currentY),
        device().DeviceX(layout().columnX + band.widthNative()),
        device().DeviceY(layout().currentY + height + band.ExtraHeight() + 1) };
    if (PageCanvas* canvas = device().Canvas(); canvas && m_active->renderToCanvas())
        drawFrame(*canvas, rect, band.Frame, device().XFactor(), device().YFactor());
    exportFrameShapes(rect, band.Frame);
}
