#include "export/tests/a4_export_context.h"
#include "export/xls/xls_filter.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct Record {
    int type = 0;
    QByteArray data;
};

std::vector<Record> records(const QByteArray& bytes)
{
    std::vector<Record> result;
    for (qsizetype at = 0; at + 4 <= bytes.size();) {
        const auto* head = reinterpret_cast<const uchar*>(bytes.constData() + at);
        const int length = qFromLittleEndian<quint16>(head + 2);
        result.push_back({ qFromLittleEndian<quint16>(head), bytes.mid(at + 4, length) });
        at += 4 + length;
    }
    return result;
}

struct Cell {
    int row;
    int column;
    QVariant value; // double for a number cell, QByteArray for a text cell
};

std::vector<Cell> cells(const QByteArray& bytes)
{
    std::vector<Cell> result;
    for (const Record& record : records(bytes)) {
        const auto* data = reinterpret_cast<const uchar*>(record.data.constData());
        if (record.type == 0x0003) {
            double value = 0;
            std::memcpy(&value, data + 7, sizeof value);
            result.push_back({ qFromLittleEndian<quint16>(data), qFromLittleEndian<quint16>(data + 2), value });
        } else if (record.type == 0x0004) {
            result.push_back({ qFromLittleEndian<quint16>(data), qFromLittleEndian<quint16>(data + 2),
                record.data.mid(8, data[7]) });
        }
    }
    return result;
}

using Page = std::vector<std::tuple<long double, long double, QString>>;

class XlsFilter : public testing::Test {
protected:
    // An export without a file name, driven as the report engine drives it.
    QByteArray exportPages(const std::vector<Page>& pages)
    {
        TBVXLSFilter filter(QString {});
        filter.setOwner(&context);
        QFont font("Arial");
        font.setPointSize(10);
        filter.BeginExport(2100, 2970, font);
        for (const Page& page : pages) {
            filter.EndPage();
            filter.BeginPage();
            for (const auto& [x, y, text] : page)
                filter.ExportText({ x, y }, { font, Qt::black, 1 }, Qt::white, TBVExportAlignment::Left, text);
        }
        filter.EndPage();
        filter.EndExport();
        return filter.StreamBytes();
    }

    A4ExportContext context;
};

TEST_F(XlsFilter, ReportWithoutTextIsTheFrameOf28Bytes)
{
    const QByteArray bytes = exportPages({ {} });
    EXPECT_EQ(bytes.size(), 28);
    EXPECT_TRUE(bytes.endsWith(QByteArray("\x0A\x00\x00\x00", 4)));
    EXPECT_EQ(context.constants.value("___XLGlobRow").toInt(), 0);
    EXPECT_TRUE(context.captions.isEmpty());
}

TEST_F(XlsFilter, NumbersInTheProgramsFormatBecomeNumberCells)
{
    const QByteArray bytes = exportPages({ { { 200, 300, "1.234,56" }, { 600, 300, "10,00 %" },
        { 200, 400, QString::fromUtf8("12,50 €") }, { 600, 400, "" } } });
    const std::vector<Cell> written = cells(bytes);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].value, QVariant(1234.56));
    EXPECT_EQ(written[1].value, QVariant(QByteArray("10,00 %")));
    EXPECT_EQ(written[2].value, QVariant(QByteArray("12,50 \x80")));
    EXPECT_EQ(std::make_pair(written[2].row, written[2].column), std::make_pair(1, 0));
}

TEST_F(XlsFilter, LongLabelIsCutTo255Bytes)
{
    const std::vector<Record> written = records(exportPages({ { { 200, 300, QString(300, 'x') } } }));
    ASSERT_EQ(written.size(), 4u);
    EXPECT_EQ(written[2].type, 0x0004);
    EXPECT_EQ(written[2].data.size(), 263);
}

TEST_F(XlsFilter, SecondPageContinuesInTheNextRow)
{
    const std::vector<Cell> written
        = cells(exportPages({ { { 200, 300, "a" }, { 200, 400, "b" } }, { { 900, 2000, "c" } } }));
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(std::make_pair(written[0].row, written[0].column), std::make_pair(0, 0));
    EXPECT_EQ(std::make_pair(written[1].row, written[1].column), std::make_pair(1, 0));
    EXPECT_EQ(std::make_pair(written[2].row, written[2].column), std::make_pair(2, 0));
    EXPECT_EQ(context.constants.value("___XLGlobRow").toInt(), 3);
}

TEST_F(XlsFilter, FirstOfTwoTextsAtOnePlaceWins)
{
    const std::vector<Cell> written = cells(exportPages({ { { 200, 300, "erster" }, { 201, 301, "zweiter" } } }));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].value, QVariant(QByteArray("erster")));
}

TEST_F(XlsFilter, FirstPageShowsItsProgressUnderItsOwnCaption)
{
    exportPages({ { { 200, 300, "a" }, { 200, 400, "b" } }, { { 200, 300, "c" } } });
    EXPECT_EQ(context.captions, QStringList({ "Writing XLS file..." }));
    EXPECT_EQ(context.progress, QList<int>({ 0, 50 }));
}

TEST_F(XlsFilter, RunningRowStartsAtZeroForEveryExport)
{
    context.constants.insert("___XLGlobRow", 17);
    const std::vector<Cell> written = cells(exportPages({ { { 200, 300, "a" } } }));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].row, 0);
}

} // namespace
