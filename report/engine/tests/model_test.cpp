#include "report/engine/label.h"
#include "report/engine/memo.h"
#include "report/engine/report.h"

#include <gtest/gtest.h>

namespace {

struct UnitCase {
    TBVUnit unit;
    bool horizontal;
    long double native;
    long double value;
};

class UnitConversion : public ::testing::TestWithParam<UnitCase> { };

TEST_P(UnitConversion, ConvertsBothWays)
{
    const UnitCase& c = GetParam();
    const UnitScale scale; // 96 dpi, zoom 100, 10 pt
    EXPECT_NEAR(static_cast<double>(nativeToUnit(c.unit, c.horizontal, c.native, scale)), double(c.value), 1e-9);
    EXPECT_NEAR(static_cast<double>(unitToNative(c.unit, c.horizontal, c.value, scale)), double(c.native), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitConversion,
    ::testing::Values(UnitCase { TBVUnit::MM, true, 2970, 297 }, UnitCase { TBVUnit::Inches, false, 127, 0.5L },
        UnitCase { TBVUnit::Pixels, true, 190.5L, 72 }, UnitCase { TBVUnit::Native, true, 2166.94L, 2166.94L },
        // Arial 10 pt: a character is 80/10/2.54 mm wide and 145.3/10/2.54 mm high.
        UnitCase { TBVUnit::Characters, true, 80 / 2.54L * 3, 3 },
        UnitCase { TBVUnit::Characters, false, 145.3L / 2.54L * 2, 2 }));

TEST(UnitConversion, ZoomScalesPixels)
{
    UnitScale scale;
    scale.zoom = 200;
    EXPECT_NEAR(double(nativeToUnit(TBVUnit::Pixels, true, 190.5L, scale)), 144.0, 1e-9);
}

TEST(Page, StoredValuesReadBackInMillimetres)
{
    TBVReport report;
    report.setUnits(TBVUnit::MM);
    report.Page().readValues({ 100, 2970, 100, 2100, 100, 100, 0 });
    const TBVPage& page = report.Page();
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::BottomMargin)), 10);
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::Length)), 297);
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::TopMargin)), 10);
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::Width)), 210);
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::LeftMargin)), 10);
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::RightMargin)), 10);
    EXPECT_DOUBLE_EQ(double(page.value(TBVPage::ColumnSpace)), 0);
}

struct PaperCase {
    TBVPaperSize paper;
    TBVOrientation orientation;
    double widthMm;
    double lengthMm;
};

class PaperSizes : public ::testing::TestWithParam<PaperCase> { };

TEST_P(PaperSizes, DimensionsFollowTheTableAndTheOrientation)
{
    const PaperCase& c = GetParam();
    TBVReport report;
    report.setUnits(TBVUnit::MM);
    report.Page().setOrientation(c.orientation);
    report.Page().setPaperSize(c.paper);
    EXPECT_NEAR(double(report.Page().value(TBVPage::Width)), c.widthMm, 1e-9);
    EXPECT_NEAR(double(report.Page().value(TBVPage::Length)), c.lengthMm, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Paper, PaperSizes,
    ::testing::Values(PaperCase { TBVPaperSize::A4, TBVOrientation::Landscape, 297, 210 },
        PaperCase { TBVPaperSize::A4, TBVOrientation::Portrait, 210, 297 },
        PaperCase { TBVPaperSize::Letter, TBVOrientation::Portrait, 215.9, 279.4 },
        PaperCase { TBVPaperSize::Legal, TBVOrientation::Portrait, 215.9, 355.6 },
        PaperCase { TBVPaperSize::EnvDL, TBVOrientation::Portrait, 110, 220 },
        PaperCase { TBVPaperSize::EnvB6, TBVOrientation::Portrait, 176, 125 },
        PaperCase { TBVPaperSize::A2, TBVOrientation::Portrait, 420, 594 },
        PaperCase { TBVPaperSize::A4Trans, TBVOrientation::Portrait, 297, 210 }));

TEST(Page, OnlyCustomPaperTakesAFreeSizeAndSwapsItWithTheOrientation)
{
    TBVReport report;
    report.setUnits(TBVUnit::MM);
    report.Page().setPaperSize(TBVPaperSize::A4);
    report.Page().setValue(TBVPage::Width, 100);
    EXPECT_NEAR(double(report.Page().value(TBVPage::Width)), 210, 1e-9);
    report.Page().setPaperSize(TBVPaperSize::Custom);
    report.Page().setValue(TBVPage::Width, 100);
    report.Page().setOrientation(TBVOrientation::Landscape);
    EXPECT_NEAR(double(report.Page().value(TBVPage::Width)), 297, 1e-9);
    EXPECT_NEAR(double(report.Page().value(TBVPage::Length)), 100, 1e-9);
}

TEST(Printables, LeftEdgeOf19_05MillimetresIs72Pixels)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    TBVLabel& label = band.add<TBVLabel>("Label1");
    label.Size().setUnits(TBVUnit::MM);
    label.Size().setValue(TBVPrintableSize::Left, 19.05L);
    EXPECT_EQ(label.bounds().left(), 72);
}

TEST(Bands, NamesAreUniqueStemsAndSwitchesCreateAndDestroy)
{
    TBVReport report;
    report.Bands().setHasDetail(true);
    TBVBand* detail = report.Bands().DetailBand();
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->Name(), "DetailBand1");
    detail->setHasChild(true);
    EXPECT_EQ(detail->FindChildBand()->Name(), "ChildBand1");
    EXPECT_EQ(report.addBand(TBVBandType::rbDetail).Name(), "DetailBand2");
    report.Bands().setHasDetail(false);
    EXPECT_EQ(report.Bands().DetailBand()->Name(), "DetailBand2");
}

TEST(Bands, SwitchingHasChildOffReattachesTheGrandchild)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    band.setHasChild(true);
    TBVChildBand* child = band.FindChildBand();
    child->setHasChild(true);
    TBVChildBand* grandChild = child->FindChildBand();
    band.setHasChild(false);
    EXPECT_EQ(band.FindChildBand(), grandChild);
    EXPECT_EQ(grandChild->ParentBand(), &band);
}

TEST(Bands, CircularParentsAndLinksAreRefused)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    TBVChildBand& child = report.addChildBand(band);
    TBVChildBand& grandChild = report.addChildBand(child);
    EXPECT_FALSE(child.setParentBand(&grandChild));
    EXPECT_FALSE(child.setParentBand(&child));
    EXPECT_EQ(child.ParentBand(), &band);

    TBVBand& other = report.addBand(TBVBandType::rbSummary);
    EXPECT_TRUE(band.setLinkBand(&other));
    EXPECT_FALSE(other.setLinkBand(&band));
    EXPECT_EQ(other.LinkBand(), nullptr);
}

TEST(Bands, ArrangementOrdersByKindAndGivesColumnBandsOneColumnsWidth)
{
    TBVReport report;
    report.Page().setColumns(2);
    report.Page().setNative(TBVPage::ColumnSpace, 100);
    TBVBand& footer = report.addBand(TBVBandType::rbPageFooter);
    TBVBand& summary = report.addBand(TBVBandType::rbSummary);
    TBVBand& detail = report.addBand(TBVBandType::rbDetail);
    TBVChildBand& child = report.addChildBand(detail);
    TBVBand& header = report.addBand(TBVBandType::rbPageHeader);
    const std::vector<TBVCustomBand*> expected { &header, &detail, &child, &summary, &footer };
    EXPECT_EQ(report.bandList(), expected);
    EXPECT_NEAR(double(summary.widthNative()), 1900, 1e-9);
    EXPECT_NEAR(double(detail.widthNative()), 900, 1e-9);
    EXPECT_NEAR(double(child.widthNative()), 900, 1e-9);
    EXPECT_EQ(header.bounds().top(), report.Page().pixels(TBVPage::TopMargin));
    EXPECT_EQ(detail.bounds().top(), header.bounds().bottom() + 1);
}

TEST(Printables, AlignToBandPlacesTheElementInTheBand)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    TBVLabel& label = band.add<TBVLabel>("Label1");
    label.setAutoSize(false);
    label.setBounds(QRect(5, 0, 101, 20));
    label.setAlignment(TAlignment::taCenter);
    label.setAlignToBand(true);
    EXPECT_EQ(label.bounds().left(), (band.bounds().width() - 101) / 2);
    label.setAlignment(TAlignment::taRightJustify);
    EXPECT_EQ(label.bounds().right() + 1, band.bounds().width());
}

TEST(Printables, GrowingCaptionOfRightAlignedAutoSizeLabelKeepsItsRightEdge)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    TBVLabel& label = band.add<TBVLabel>("Betrag");
    label.setAlignment(TAlignment::taRightJustify);
    label.setBounds(QRect(400, 10, 50, 17));
    label.setCaption("1,00");
    const int right = label.bounds().right();
    const int width = label.bounds().width();
    label.setCaption("1.234.567,89");
    EXPECT_EQ(label.bounds().right(), right);
    EXPECT_GT(label.bounds().width(), width);
    EXPECT_EQ(label.bounds().left(), right + 1 - label.bounds().width());
}

TEST(Printables, AutoSizeLabelIsNeverLowerThanItsText)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    TBVLabel& label = band.add<TBVLabel>("Label1");
    label.setBounds(QRect(0, 0, 10, 2));
    label.setCaption("Wp");
    EXPECT_GE(label.bounds().height(), 16);
}

TEST(Printables, AutoSizeMemoNeverWraps)
{
    TBVReport report;
    TBVBand& band = report.addBand(TBVBandType::rbDetail);
    TBVMemo& memo = band.add<TBVMemo>("BVMemo1");
    memo.setWordWrap(true);
    memo.setLines({ "eine recht lange Zeile mit vielen Worten", "zweite" });
    EXPECT_EQ(memo.formattedLines(), QStringList({ "eine recht lange Zeile mit vielen Worten", "zweite" }));
}

} // namespace
