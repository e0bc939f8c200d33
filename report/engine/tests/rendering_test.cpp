#include "fake_printer.h"

#include "export/filter.h"
#include "report/engine/image.h"
#include "report/engine/label.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr long double pixelsPerNative = 96.0L / 254.0L;

int device(long double native) { return roundToInt(native * pixelsPerNative); }

// A report with one detail band at the top margin of an A4 page.
struct OneBand {
    TBVReport report;
    TBVBand* band;

    explicit OneBand(long double bandHeight = 500)
    {
        report.setUnits(TBVUnit::Native);
        report.PrintIfEmpty = true;
        band = &report.addBand(TBVBandType::rbDetail);
        band->Size().setNative(TBVBandSize::Height, bandHeight);
    }

    template <typename T> T& add(long double left, long double top, long double width, long double height)
    {
        T& element = band->add<T>(QString("Element%1").arg(band->printables().size() + 1));
        element.Size().setNative(TBVPrintableSize::Left, left);
        element.Size().setNative(TBVPrintableSize::Top, top);
        element.Size().setNative(TBVPrintableSize::Width, width);
        element.Size().setNative(TBVPrintableSize::Height, height);
        return element;
    }
};

TEST(Rendering, MemoOfOneLineHeightGrowsTheBandByALineForEveryFurtherLine)
{
    // 4.50 mm high, text 16 px high at 96 dpi: a line is 4.23 mm.
    for (int lines = 1; lines <= 4; ++lines) {
        OneBand setup;
        TBVMemo& memo = setup.add<TBVMemo>(100, 0, 500, 45);
        memo.AutoStretch = true;
        QStringList texts;
        for (int i = 0; i < lines; ++i)
            texts << QString("Zeile %1").arg(i + 1);
        memo.setLines(texts);
        std::vector<long double> grown;
        setup.band->AfterPrint = [&](TBVCustomBand& band, bool) { grown.push_back(band.ExtraHeight()); };
        FakePrinter printer;
        printer.fixedTextHeight = 16;
        setup.report.generate(printer);
        ASSERT_EQ(grown.size(), 1u);
        EXPECT_NEAR(double(grown[0]), (lines - 1) * 16 * 254.0 / 96.0, 1e-9) << lines << " lines";
        ASSERT_EQ(printer.page(1).texts.size(), size_t(lines));
        EXPECT_EQ(printer.page(1).texts.back().anchor.y(), device(100 + (lines - 1) * 16 * 254.0L / 96.0L));
    }
}

TEST(Rendering, LabelWithoutAutoStretchPrintsWhatFitsAndNeverContinues)
{
    OneBand setup;
    TBVLabel& label = setup.add<TBVLabel>(0, 0, 500, 100);
    label.setAutoSize(false);
    label.setBounds(QRect(0, 0, 200, 38));
    label.setCaption("eins\r\nzwei\r\ndrei\r\nvier\r\nfünf");
    FakePrinter printer;
    printer.fixedTextHeight = 16;
    setup.report.generate(printer);
    EXPECT_EQ(printer.pageCount(), 1);
    ASSERT_EQ(printer.page(1).texts.size(), 2u);
    EXPECT_EQ(printer.page(1).texts[1].text, "zwei");
}

TEST(Rendering, RightAlignedAutoSizeLabelKeepsItsRightEdgeOnThePage)
{
    OneBand setup;
    TBVLabel& label = setup.add<TBVLabel>(1000, 50, 300, 50);
    label.setAlignment(TAlignment::taRightJustify);
    label.setCaption("1,00");
    const long double right = label.native(TBVPrintableSize::Left) + label.native(TBVPrintableSize::Width);
    label.setCaption("1.234.567,89 €");
    FakePrinter printer;
    setup.report.generate(printer);
    ASSERT_EQ(printer.page(1).texts.size(), 1u);
    EXPECT_EQ(printer.page(1).texts[0].alignment, TextAnchor::Right);
    EXPECT_EQ(printer.page(1).texts[0].anchor.x(), device(100 + right));
}

TEST(Rendering, TransparentLabelLeavesTheBandBackground)
{
    OneBand setup;
    setup.band->Color = Qt::yellow;
    TBVLabel& opaque = setup.add<TBVLabel>(0, 0, 300, 50);
    opaque.setCaption("deckend");
    TBVLabel& transparent = setup.add<TBVLabel>(0, 100, 300, 50);
    transparent.Transparent = true;
    transparent.setCaption("durchsichtig");
    FakePrinter printer;
    setup.report.generate(printer);
    const auto& fills = printer.page(1).fills;
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].colour, QColor(Qt::yellow));
    EXPECT_EQ(fills[1].colour, QColor(Qt::white));
    EXPECT_EQ(fills[1].rect.top, device(100));
}

TEST(Rendering, ImageKeepsItsNaturalSizeClippedToTheElementUnlessStretched)
{
    for (const bool stretch : { false, true }) {
        OneBand setup(1500);
        TBVImage& image = setup.add<TBVImage>(0, 0, 1000, 800);
        QImage chart(600, 400, QImage::Format_RGB32);
        chart.fill(Qt::blue);
        image.setPicture(chart);
        image.Stretch = stretch;
        FakePrinter printer;
        setup.report.generate(printer);
        const RecordingCanvas& page = printer.page(1);
        ASSERT_EQ(page.images.size(), 1u);
        const PageRect element { device(100), device(100), device(1100), device(900) };
        if (stretch) {
            EXPECT_EQ(page.images[0], element);
            EXPECT_TRUE(page.clips.empty());
        } else {
            // 600 x 400 pixels at 96 dpi are 158.75 mm x 105.83 mm, whatever the element's size.
            EXPECT_EQ(page.images[0], (PageRect { element.left, element.top, element.left + 600, element.top + 400 }));
            ASSERT_EQ(page.clips.size(), 1u);
            EXPECT_EQ(page.clips[0], element);
        }
    }
}

TEST(Rendering, FrameEdgesAreFilledInTheFrameColour)
{
    OneBand setup;
    TBVLabel& label = setup.add<TBVLabel>(0, 0, 300, 50);
    label.Transparent = true;
    label.Frame.DrawTop = label.Frame.DrawBottom = label.Frame.DrawLeft = label.Frame.DrawRight = true;
    label.Frame.Color = Qt::red;
    label.setCaption("umrahmt");
    FakePrinter printer;
    setup.report.generate(printer);
    int redEdges = 0;
    for (const auto& fill : printer.page(1).fills)
        redEdges += fill.colour == QColor(Qt::red);
    EXPECT_EQ(redEdges, 4);
}

// Records every call an export run makes.
class RecordingFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;
    bool ContinuousPage() const override { return continuous; }
    void BeginExport(int width, int length, const QFont& font) override
    {
        TBVExportFilter::BeginExport(width, length, font);
        calls << QString("BeginExport %1 %2 %3").arg(width).arg(length).arg(font.family());
    }
    void EndPage() override { calls << "EndPage"; }
    void BeginPage() override { calls << "BeginPage"; }
    void EndExport() override
    {
        TBVExportFilter::EndExport();
        calls << "EndExport";
    }
    void ExportGraphic(const TBVPagePoint&, const TBVExportGraphic& graphic) override
    {
        calls << (graphic.kind == TBVExportGraphic::Kind::Image ? "Image" : "Shape");
    }
    void BandPrinted(const TBVExportBandInfo& band) override { calls << "BandPrinted " + band.name; }
    void ExportText(const TBVReportPoint& anchor, const TBVExportFont&, const QColor&, TBVExportAlignment,
        const QString& text) override
    {
        calls << QString("Text %1 %2 %3").arg(double(anchor.xNative)).arg(double(anchor.yNative)).arg(text);
    }

    QStringList calls;
    bool continuous = false;
};

TEST(ExportRun, DrivesTheFilterInTheAgreedOrder)
{
    OneBand setup(300);
    setup.band->Color = Qt::yellow;
    setup.band->setHasChild(true);
    TBVChildBand* child = setup.band->FindChildBand();
    child->Size().setNative(TBVBandSize::Height, 100);
    child->TransparentBand = true;
    TBVLabel& opaqueWhite = setup.add<TBVLabel>(200, 10, 300, 50);
    opaqueWhite.setCaption("weiss");
    FakePrinter printer;
    RecordingFilter filter("");
    setup.report.ExportToFilter(filter, printer);
    EXPECT_EQ(filter.calls,
        QStringList({ "BeginExport 2100 2970 Arial", "EndPage", "BeginPage", "Shape", "Text 300 110 weiss",
            "BandPrinted DetailBand1", "BandPrinted ChildBand1", "EndPage", "EndExport" }));
    EXPECT_FALSE(filter.Active());
    EXPECT_EQ(printer.pageCount(), 0) << "an export run keeps no page";
    EXPECT_EQ(setup.report.exportFilter(), nullptr);
    EXPECT_TRUE(setup.report.RenderToCanvas());
}

TEST(ExportRun, PageBreaksReachTheFilterAsEndPageThenBeginPage)
{
    OneBand setup(2000);
    TBVMemo& memo = setup.add<TBVMemo>(0, 0, 500, 45);
    memo.AutoStretch = true;
    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines << QString::number(i);
    memo.setLines(lines);
    setup.band->TransparentBand = true;
    FakePrinter printer;
    RecordingFilter filter("");
    setup.report.ExportToFilter(filter, printer);
    EXPECT_EQ(filter.calls.count("EndPage"), filter.calls.count("BeginPage") + 1);
    EXPECT_GE(filter.calls.count("BeginPage"), 2);
    EXPECT_EQ(filter.calls.filter(QRegularExpression("^Text ")).size(), 100);

    RecordingFilter continuous("");
    continuous.continuous = true;
    FakePrinter second;
    setup.report.ExportToFilter(continuous, second);
    // A continuous filter lets the band grow down to the paper's bottom edge before it breaks.
    EXPECT_LT(continuous.calls.count("BeginPage"), filter.calls.count("BeginPage"));
}

} // namespace
