#include "export/abstract_filters.h"

#include <gtest/gtest.h>

namespace {

// A grid format that keeps what WritePage saw.
class GridFormat : public TBVAbstractExportFilter {
public:
    using TBVAbstractExportFilter::TBVAbstractExportFilter;
    void WritePage() override
    {
        ++pagesWritten;
        for (const TTextEntry& entry : Entries())
            cells << QString("%1:%2:%3").arg(int(entry.Y)).arg(int(entry.X)).arg(entry.Text);
    }
    int pagesWritten = 0;
    QStringList cells;
};

void text(GridFormat& format, long double x, long double y, const QString& value)
{
    format.ExportText({ x, y }, TBVExportFont(), Qt::white, TBVExportAlignment::Left, value);
}

TEST(GridFormat, TheFirstEndPageBeforeAnyPageWritesNothing)
{
    GridFormat format { QString() };
    format.BeginExport(2100, 2970, QFont("Arial", 10));
    format.EndPage();
    EXPECT_EQ(format.pagesWritten, 0);
    EXPECT_FALSE(format.PageProcessed());
}

TEST(GridFormat, RanksTheTextsOfAPageIntoLinesAndColumns)
{
    GridFormat format { QString() };
    format.BeginExport(2100, 2970, QFont("Arial", 10));
    EXPECT_TRUE(format.Active());
    format.EndPage();
    format.BeginPage();
    text(format, 250, 400, "a");
    text(format, 252, 402, "b");
    text(format, 260, 500, "c");
    text(format, 0, 500, "d");
    format.EndPage();
    EXPECT_EQ(format.cells, QStringList({ "1:1:a", "1:1:b", "3:3:c", "3:0:d" }));
    EXPECT_EQ(format.ColCount(), 3);
    EXPECT_EQ(format.LineCount(), 3);
    EXPECT_TRUE(format.PageProcessed());
    EXPECT_TRUE(format.Entries().empty());
    format.EndExport();
    EXPECT_FALSE(format.Active());
}

TEST(GridFormat, LineCountStartsAsTheLinesOfThePaperAtTheFontHeight)
{
    GridFormat format { QString() };
    format.BeginExport(2100, 2970, QFont("Arial", 10));
    // 10 pt = 35.28 report units; 2970 / 35.28 = 84.2.
    EXPECT_EQ(format.LineCount(), 84);
    EXPECT_NEAR(double(format.CharHeightNative()), 35.2778, 1e-4);
    EXPECT_EQ(double(format.PositionTolerance()), 4.0);
}

TEST(AbstractBases, AnswerTheAbstractName)
{
    EXPECT_EQ(GridFormat(QString()).DisplayName(), "BVAbstract");
    EXPECT_EQ(TBVGAbstractExportFilter(QString()).DisplayName(), "BVAbstract");
    EXPECT_EQ(TBVPAbstractExportFilter(QString()).DisplayName(), "BVAbstract");
    EXPECT_TRUE(TBVPAbstractExportFilter(QString()).FileExtension().isEmpty());
}

TEST(DocumentFormat, WritesItsDocumentIntoMemoryWithoutAFileName)
{
    TBVGAbstractExportFilter format { QString() };
    format.BeginExport(2100, 2970, QFont("Arial", 10));
    format.WriteLine(QStringLiteral("<html>"));
    format.EndExport();
    EXPECT_EQ(format.StreamBytes(), QByteArray("<html>\r\n"));
    EXPECT_TRUE(format.Document().isEmpty());
}

}
