#include "export/export_error.h"
#include "export/html/jpeg_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage chartLikePicture()
{
    QImage image(601, 402, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 100; x < 200; ++x)
        for (int y = 50; y < 350; ++y)
            image.setPixelColor(x, y, QColor(200, 30, 30));
    return image;
}

// The frame kind: SOF0 is baseline, SOF2 would be progressive.
bool hasMarker(const QByteArray& jpeg, unsigned char marker)
{
    return jpeg.contains(QByteArray("\xFF", 1) + static_cast<char>(marker));
}

TEST(JpegWriter, BaselineFileThatDecodesToThePicture)
{
    const QByteArray jpeg = JpegWriter::encode(chartLikePicture());
    ASSERT_TRUE(jpeg.startsWith(QByteArray("\xFF\xD8", 2)));
    EXPECT_TRUE(hasMarker(jpeg, 0xC0));
    EXPECT_FALSE(hasMarker(jpeg, 0xC2));
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(jpeg, "JPG"));
    EXPECT_EQ(decoded.size(), QSize(601, 402));
    const QColor bar = decoded.pixelColor(150, 200);
    EXPECT_NEAR(bar.red(), 200, 8);
    EXPECT_NEAR(bar.green(), 30, 8);
    EXPECT_EQ(decoded.pixelColor(400, 200), QColor(Qt::white));
}

TEST(JpegWriter, WritesTheFileAndReportsAFolderThatDoesNotExist)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("plan_BVImage1.jpg");
    JpegWriter::write(chartLikePicture(), name);
    EXPECT_GT(QFile(name).size(), 0);
    EXPECT_THROW(JpegWriter::write(chartLikePicture(), dir.filePath("missing/x.jpg")), EExportError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({ "plan_BVImage1.jpg" }));
}

} // namespace
