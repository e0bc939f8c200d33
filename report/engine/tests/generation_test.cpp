#include "fake_printer.h"

#include "report/engine/label.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"
#include "report/store/bv_error.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr long double pixelsPerNative = 96.0L / 254.0L;

int deviceY(long double native) { return roundToInt(native * pixelsPerNative); }

// The layout of the program's printed plans: A4, 10 mm margins, a bottom-aligned
// detail band with a label and a stretching memo, and a bottom-aligned child band after it.
struct PlanReport {
    TBVReport report;
    TBVBand* detail;
    TBVChildBand* child;
    TBVLabel* heading;
    TBVMemo* memo;
    TBVLabel* footnote;

    explicit PlanReport(long double detailHeight = 2166.94L, int memoLines = 200)
    {
        report.setUnits(TBVUnit::Native);
        report.Page().setPaperSize(TBVPaperSize::A4);
        report.PrintIfEmpty = true;
        detail = &report.addBand(TBVBandType::rbDetail);
        detail->Size().setNative(TBVBandSize::Height, detailHeight);
        detail->AlignToBottom = true;
        heading = &detail->add<TBVLabel>("Titel");
        heading->Size().setNative(TBVPrintableSize::Top, 50);
        heading->setCaption("Anlageentwicklung");
        memo = &detail->add<TBVMemo>("BVMemo1");
        memo->Size().setNative(TBVPrintableSize::Top, 300);
        memo->Size().setNative(TBVPrintableSize::Left, 100);
        memo->Size().setNative(TBVPrintableSize::Height, 45);
        memo->AutoStretch = true;
        QStringList lines;
        for (int i = 1; i <= memoLines; ++i)
            lines << QString("Zeile %1").arg(i);
        memo->setLines(lines);
        detail->setHasChild(true);
        child = detail->FindChildBand();
        child->Size().setNative(TBVBandSize::Height, 105.83L);
        child->AlignToBottom = true;
        footnote = &child->add<TBVLabel>("Fussnote");
        footnote->Size().setNative(TBVPrintableSize::Top, 20);
        footnote->setCaption("Alle Angaben ohne Gewähr");
    }
};

const RecordingCanvas::Text* findText(RecordingCanvas& page, const QString& text)
{
    for (const auto& t : page.texts) {
        if (t.text == text)
            return &t;
    }
    return nullptr;
}

TEST(Generation, MemoOfTwoHundredLinesContinuesOverPagesWithOnlyTheMemo)
{
    PlanReport plan;
    FakePrinter printer;
    plan.report.generate(printer);
    ASSERT_GE(printer.pageCount(), 2);

    // The line height comes from the page canvas; the band may grow by 2770 - 2166.94 per page.
    const long double lineHeight = printer.page(1).textHeight(plan.memo->Font(), "W") / pixelsPerNative;
    int growthLines = 0;
    while (roundEven((growthLines + 1) * lineHeight + 2166.94L) <= 2770)
        ++growthLines;
    const int linesPerPage = 1 + growthLines;

    int line = 1;
    for (int n = 1; n <= printer.pageCount(); ++n) {
        RecordingCanvas& page = printer.page(n);
        const auto* first = findText(page, QString("Zeile %1").arg(line));
        ASSERT_NE(first, nullptr) << "page " << n;
        EXPECT_EQ(first->anchor.y(), deviceY(100 + 300)) << "memo starts at its designed top on page " << n;
        EXPECT_EQ(findText(page, "Anlageentwicklung") != nullptr, n == 1) << "page " << n;
        const int expected = std::min(linesPerPage, 200 - line + 1);
        for (int i = 0; i < expected; ++i)
            EXPECT_NE(findText(page, QString("Zeile %1").arg(line + i)), nullptr) << "page " << n;
        line += expected;
    }
    EXPECT_EQ(line, 201);
}

TEST(Generation, BottomAlignedChildLandsOnTheBottomMarginOrOnANewPage)
{
    PlanReport plan;
    FakePrinter printer;
    plan.report.generate(printer);
    RecordingCanvas& last = printer.page(printer.pageCount());
    const auto* lastLine = findText(last, "Zeile 200");
    ASSERT_NE(lastLine, nullptr);
    const auto* footnote = findText(last, "Alle Angaben ohne Gewähr");
    if (footnote) {
        EXPECT_EQ(footnote->anchor.y(), deviceY(2764 + 20));
    } else {
        RecordingCanvas& extra = printer.page(printer.pageCount());
        EXPECT_EQ(findText(extra, "Alle Angaben ohne Gewähr")->anchor.y(), deviceY(100 + 20));
    }
}

struct ChildCase {
    long double parentHeight;
    int pages;
    long double childTop;
};

class ChildAfterParent : public ::testing::TestWithParam<ChildCase> { };

TEST_P(ChildAfterParent, IsBottomAlignedWhenItFitsElseOnTheNextPage)
{
    const ChildCase& c = GetParam();
    PlanReport plan(c.parentHeight, 0);
    FakePrinter printer;
    plan.report.generate(printer);
    ASSERT_EQ(printer.pageCount(), c.pages);
    const auto* footnote = findText(printer.page(c.pages), "Alle Angaben ohne Gewähr");
    ASSERT_NE(footnote, nullptr);
    EXPECT_EQ(footnote->anchor.y(), deviceY(c.childTop + 20));
}

// A parent ending at 150 mm puts the child's bottom edge at 287 mm; one ending at 280 mm sends it to page 2.
INSTANTIATE_TEST_SUITE_P(Cases, ChildAfterParent,
    ::testing::Values(ChildCase { 1400, 1, 2764 }, ChildCase { 2700, 2, 100 }, ChildCase { 2664, 1, 2764 },
        ChildCase { 2665, 2, 100 }));

TEST(Generation, BottomAlignedFirstBandStartsAtTheTopMargin)
{
    PlanReport plan(1000, 0);
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(findText(printer.page(1), "Anlageentwicklung")->anchor.y(), deviceY(100 + 50));
}

TEST(Generation, WithoutDataAndPrintIfEmptyOffNoPageIsMade)
{
    PlanReport plan;
    plan.report.PrintIfEmpty = false;
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(printer.pageCount(), 0);
    EXPECT_EQ(printer.status, FakePrinter::Status::Finished);
    EXPECT_TRUE(plan.report.Idle());
}

TEST(Generation, BeforePrintCanRefuseTheRun)
{
    PlanReport plan;
    plan.report.BeforePrint = [](TBVReport&, bool& print) { print = false; };
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(printer.pageCount(), 0);
    EXPECT_TRUE(plan.report.Idle());
}

TEST(Generation, ForceNewPageOnTheFirstBandMakesNoEmptyPage)
{
    PlanReport plan(1000, 0);
    plan.detail->ForceNewPage = true;
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(printer.pageCount(), 1);
    EXPECT_NE(findText(printer.page(1), "Anlageentwicklung"), nullptr);
}

TEST(Generation, ChildForcingANewPageAfterItsParentBrokeThePageAddsNoEmptyPage)
{
    PlanReport plan(1000, 0);
    plan.detail->AlignToBottom = false;
    plan.child->AlignToBottom = false;
    plan.child->ForceNewPage = true;
    TBVBand& title = plan.report.addBand(TBVBandType::rbTitle);
    title.Size().setNative(TBVBandSize::Height, 2000);
    FakePrinter printer;
    plan.report.generate(printer);
    ASSERT_EQ(printer.pageCount(), 2);
    EXPECT_NE(findText(printer.page(2), "Anlageentwicklung"), nullptr);
    EXPECT_NE(findText(printer.page(2), "Alle Angaben ohne Gewähr"), nullptr);
}

TEST(Generation, PageHeaderAndFooterOptionsDropThemOnTheFirstAndLastPageOnly)
{
    PlanReport plan(2166.94L, 200);
    TBVBand& header = plan.report.addBand(TBVBandType::rbPageHeader);
    header.add<TBVLabel>("Kopf").setCaption("Kopfzeile");
    TBVBand& footer = plan.report.addBand(TBVBandType::rbPageFooter);
    footer.add<TBVLabel>("Fuss").setCaption("Fusszeile");
    plan.report.Options.FirstPageHeader = false;
    plan.report.Options.LastPageFooter = false;
    FakePrinter printer;
    plan.report.generate(printer);
    const int pages = printer.pageCount();
    ASSERT_GE(pages, 3);
    for (int n = 1; n <= pages; ++n) {
        EXPECT_EQ(findText(printer.page(n), "Kopfzeile") != nullptr, n > 1) << "page " << n;
        EXPECT_EQ(findText(printer.page(n), "Fusszeile") != nullptr, n < pages) << "page " << n;
    }
}

TEST(Generation, PageFooterSitsOnTheBottomMargin)
{
    PlanReport plan(1000, 0);
    TBVBand& footer = plan.report.addBand(TBVBandType::rbPageFooter);
    footer.Size().setNative(TBVBandSize::Height, 200);
    footer.add<TBVLabel>("Fuss").setCaption("Fusszeile");
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(findText(printer.page(1), "Fusszeile")->anchor.y(), deviceY(2970 - 100 - 200));
}

TEST(Generation, ABandTallerThanThePageIsPrintedWithoutPaging)
{
    PlanReport plan(5000, 0);
    plan.detail->AlignToBottom = false;
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(printer.pageCount(), 2);
    EXPECT_NE(findText(printer.page(1), "Anlageentwicklung"), nullptr);
    EXPECT_NE(findText(printer.page(2), "Alle Angaben ohne Gewähr"), nullptr);
}

TEST(Generation, MemoLineThatFitsNoPageEndsTheRun)
{
    PlanReport plan(2700, 3);
    plan.memo->Size().setNative(TBVPrintableSize::Top, 2690);
    FakePrinter printer;
    printer.fixedTextHeight = 200;
    plan.report.generate(printer);
    EXPECT_LE(printer.pageCount(), 3);
    EXPECT_TRUE(plan.report.Idle());
}

TEST(Generation, PrinterErrorsPropagateAfterTheReportIsIdleAgain)
{
    PlanReport plan;
    FakePrinter printer;
    printer.status = FakePrinter::Status::Busy;
    try {
        plan.report.generate(printer);
        FAIL() << "no error";
    } catch (const EBVError& error) {
        EXPECT_EQ(error.message(), "BVPrinter not ready");
    }
    EXPECT_TRUE(plan.report.Idle());
    EXPECT_EQ(plan.report.Units(), TBVUnit::Native);
    FakePrinter fresh;
    plan.report.generate(fresh);
    EXPECT_GE(fresh.pageCount(), 2);
}

TEST(Generation, EventsRunInOrderAndEveryRunStartsAfresh)
{
    PlanReport plan(1000, 0);
    QStringList events;
    plan.report.BeforePrint = [&](TBVReport&, bool&) { events << "BeforePrint"; };
    plan.report.OnStartPage = [&](TBVReport& r) { events << QString("StartPage %1").arg(r.PageNumber()); };
    plan.report.OnEndPage = [&](TBVReport& r) { events << QString("EndPage %1").arg(r.PageNumber()); };
    plan.detail->BeforePrint = [&](TBVCustomBand& b, bool&) { events << "Before " + b.Name(); };
    plan.detail->AfterPrint
        = [&](TBVCustomBand& b, bool printed) { events << "After " + b.Name() + (printed ? "" : "-"); };
    FakePrinter printer;
    plan.report.generate(printer);
    EXPECT_EQ(
        events, QStringList({ "BeforePrint", "Before DetailBand1", "StartPage 1", "After DetailBand1", "EndPage 1" }));
    FakePrinter second;
    plan.report.generate(second);
    EXPECT_EQ(second.pageCount(), 1);
}

// A table below a block of 200.0 mm: its band holds a heading row marked to
// repeat and a memo of rows. With a line height of 16 px (42.33 native) the
// band of 10 mm grows to at most 77 mm on page 1 (16 rows) and 277 mm on a
// continuation page (64 rows): 100 rows take pages of 16, 64 and 20 rows.
struct TableReport {
    TBVReport report;
    TBVLabel* blockLabel;
    TBVLabel* heading;
    TBVMemo* rows;

    explicit TableReport(int rowCount)
    {
        report.setUnits(TBVUnit::Native);
        report.Page().setPaperSize(TBVPaperSize::A4);
        report.PrintIfEmpty = true;
        TBVBand& block = report.addBand(TBVBandType::rbDetail);
        block.Size().setNative(TBVBandSize::Height, 2000);
        blockLabel = &block.add<TBVLabel>("Vorgaben");
        blockLabel->setCaption("Vorgaben");
        block.setHasChild(true);
        TBVChildBand* table = block.FindChildBand();
        table->Size().setNative(TBVBandSize::Height, 100);
        heading = &table->add<TBVLabel>("Kopf");
        heading->setCaption("Jahr");
        heading->RepeatOnContinuation = true;
        rows = &table->add<TBVMemo>("Zeilen");
        rows->Size().setNative(TBVPrintableSize::Top, 50);
        rows->Size().setNative(TBVPrintableSize::Height, 45);
        rows->AutoStretch = true;
        QStringList lines;
        for (int i = 1; i <= rowCount; ++i)
            lines << QString("Zeile %1").arg(i);
        rows->setLines(lines);
    }
};

int countText(RecordingCanvas& page, const QString& text)
{
    return static_cast<int>(
        std::count_if(page.texts.begin(), page.texts.end(), [&](const auto& t) { return t.text == text; }));
}

TEST(Generation, RepeatedHeadingPrintsOnEveryPageTheTableContinuesOnAndNoRowIsLost)
{
    TableReport table(100);
    FakePrinter printer;
    printer.fixedTextHeight = 16;
    table.report.generate(printer);
    ASSERT_EQ(printer.pageCount(), 3);
    const int firstRowOfPage[] = { 1, 17, 81, 101 };
    const int tableTop[] = { 2100, 100, 100 };
    for (int n = 1; n <= 3; ++n) {
        RecordingCanvas& page = printer.page(n);
        ASSERT_EQ(countText(page, "Jahr"), 1) << "page " << n;
        EXPECT_EQ(findText(page, "Jahr")->anchor.y(), deviceY(tableTop[n - 1])) << "page " << n;
        EXPECT_EQ(findText(page, "Vorgaben") != nullptr, n == 1) << "page " << n;
        for (int row = firstRowOfPage[n - 1]; row < firstRowOfPage[n]; ++row) {
            const auto* line = findText(page, QString("Zeile %1").arg(row));
            ASSERT_NE(line, nullptr) << "row " << row << " on page " << n;
            const long double top = tableTop[n - 1] + 50 + (row - firstRowOfPage[n - 1]) * (16 * 254.0L / 96);
            EXPECT_EQ(line->anchor.y(), deviceY(top)) << "row " << row;
            EXPECT_LE(line->anchor.y() + 16, deviceY(2870)) << "row " << row << " runs into the bottom margin";
        }
        EXPECT_EQ(page.texts.size(), size_t(firstRowOfPage[n] - firstRowOfPage[n - 1] + 1 + (n == 1)))
            << "page " << n << " holds only its rows, the heading and on page 1 the block";
    }
}

TEST(Generation, RepeatedHeadingOfATableThatFitsPrintsOnce)
{
    TableReport table(10);
    FakePrinter printer;
    printer.fixedTextHeight = 16;
    table.report.generate(printer);
    ASSERT_EQ(printer.pageCount(), 1);
    EXPECT_EQ(countText(printer.page(1), "Jahr"), 1);
    EXPECT_NE(findText(printer.page(1), "Zeile 10"), nullptr);
}

} // namespace
