#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

int runCli(const QStringList& arguments, QString* err = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(FUNDORIX_CLI), arguments);
    process.waitForFinished(30000);
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

// The defaults with one extra payment of 1200 in year 3, month 7.
QString writeSettingsWithPayment(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("plan.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\n3\r\nENDE\r\n7\r\nENDE\r\n1200\r\n");
    return path;
}

// Runs of one colour along a row: (start, length) pairs.
std::vector<std::pair<int, int>> runsOf(const QImage& image, int y, const QColor& colour)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != colour)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.push_back({ x, 1 });
    }
    return runs;
}

class ChartCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("c.png"));
};

TEST_F(ChartCommandTest, PlanPictureShowsTenEvenBarsInTheFourColoursAndTheLine)
{
    ASSERT_EQ(runCli({ "chart", "-o", picture, writeSettingsWithPayment(dir) }), 0);
    const QImage image(picture);
    ASSERT_EQ(image.size(), QSize(600, 400));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));

    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    for (QRgb wanted : { 0x0000FFu, 0x800080u, 0x008000u, 0xFF0000u, 0xFFFF00u })
        EXPECT_EQ(colours.count(wanted), 1u) << std::hex << wanted;

    // The capital paid in is the bottom of every stack: a row just above the
    // axis crosses all ten bars.
    int row = image.height() - 1;
    while (row > 0 && runsOf(image, row, QColor(0, 0, 255)).size() != 10)
        --row;
    const auto bars = runsOf(image, row, QColor(0, 0, 255));
    ASSERT_EQ(bars.size(), 10u);
    const int spacing = bars[1].first - bars[0].first;
    for (std::size_t i = 1; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].second, bars[0].second) << "bar " << i + 1;
        EXPECT_NEAR(bars[i].first - bars[i - 1].first, spacing, 1) << "bar " << i + 1;
    }
}

TEST_F(ChartCommandTest, SizeOptionSetsThePictureSize)
{
    ASSERT_EQ(runCli({ "chart", "--size", "472x190", "-o", picture }), 0);
    EXPECT_EQ(QImage(picture).size(), QSize(472, 190));
}

TEST_F(ChartCommandTest, WrongUsageIsRefusedWithoutAPicture)
{
    EXPECT_EQ(runCli({ "chart" }), 2);
    EXPECT_EQ(runCli({ "chart", "-o", picture, "--size", "600" }), 2);
    EXPECT_EQ(runCli({ "chart", "-o", picture, "--size", "0x400" }), 2);
    EXPECT_EQ(runCli({ "chart", "-o", picture, "--size", "99999x99999" }), 2);
    EXPECT_FALSE(QFile::exists(picture));
}

TEST_F(ChartCommandTest, UnwritablePictureIsAFailure)
{
    QString err;
    EXPECT_EQ(runCli({ "chart", "-o", dir.filePath(QStringLiteral("missing/c.png")) }, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("cannot write"))) << err.toStdString();
}

}
