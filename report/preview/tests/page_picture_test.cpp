#include "report/emf/emf_canvas.h"
#include "report/emf/emf_page.h"
#include "report/preview/page_picture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// A picture of 600 x 400 pixels whose every other column is black, as the
// thin grid lines and digit strokes of a chart are.
EmfPage pageWithFineLines()
{
    QImage lines(600, 400, QImage::Format_RGB32);
    lines.fill(Qt::white);
    for (int x = 1; x < lines.width(); x += 2) {
        for (int y = 0; y < lines.height(); ++y)
            lines.setPixel(x, y, qRgb(0, 0, 0));
    }
    EmfCanvas canvas(QSize(600, 400));
    canvas.drawImage(PageRect { 0, 0, 600, 400 }, lines);
    return EmfPage::fromBytes(canvas.finish());
}

// Shrunk by skipping pixels, such a picture turns into solid black and white
// stripes or loses its lines; averaged, every pixel is a grey.
int pixelsThatAreNotGrey(const QImage& sheet, int row)
{
    int count = 0;
    for (int x = 4; x < sheet.width() - 8; ++x) {
        const int grey = qGray(sheet.pixel(x, row));
        if (grey < 40 || grey > 215)
            ++count;
    }
    return count;
}

TEST(PagePicture, APageShownAtFortyPercentKeepsItsFineLines)
{
    const EmfPage page = pageWithFineLines();
    // 40 %: the page's 600 x 400 pixels in a sheet of 240 x 160 plus outline and shadow.
    const QImage sheet = renderPageSheet(page, QSize(244, 164), 1.0);
    ASSERT_EQ(sheet.size(), QSize(244, 164));
    EXPECT_EQ(pixelsThatAreNotGrey(sheet, 80), 0);
}

TEST(PagePicture, AScreenOfPixelRatioTwoGetsTheSheetAtItsOwnPixels)
{
    const EmfPage page = pageWithFineLines();
    const QImage sheet = renderPageSheet(page, QSize(244, 164), 2.0);
    EXPECT_EQ(sheet.size(), QSize(488, 328));
    EXPECT_EQ(sheet.devicePixelRatio(), 2.0);
    EXPECT_EQ(sheet.deviceIndependentSize(), QSizeF(244, 164));
    EXPECT_EQ(pixelsThatAreNotGrey(sheet, 160), 0);
}

}
