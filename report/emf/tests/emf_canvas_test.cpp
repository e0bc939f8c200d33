#include "report/emf/emf_canvas.h"
#include "report/emf/emf_page.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/store/bv_error.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QSize A4Px(794, 1123);

PageFont arial(double points, bool bold = false)
{
    PageFont font;
    font.face = QStringLiteral("Arial");
    font.pointSize = points;
    font.bold = bold;
    return font;
}

QImage render(const EmfPage& page)
{
    QImage image(page.sizePx(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 96, 96);
    EmfPlayer(page).play(canvas);
    painter.end();
    return image;
}

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

}

TEST(EmfCanvas, PageHeaderCarriesSizeAndFrame)
{
    EmfCanvas canvas(A4Px);
    const EmfPage page = EmfPage::fromBytes(canvas.finish());
    EXPECT_EQ(page.sizePx(), A4Px);
    // 794 px at 96 dpi are 210.08 mm; a metafile object shows the page at its
    // own pixel size again.
    EXPECT_EQ(page.frameHundredthMm(), QSize(21008, 29713));
    EXPECT_EQ(page.sizeAtDpi(96), A4Px);
    EXPECT_EQ(page.bytes().mid(41, 3), QByteArray("EMF"));
}

TEST(EmfCanvas, TextRecordsKeepTheRealCharactersFontAndAnchor)
{
    EmfCanvas canvas(A4Px);
    canvas.drawText(QPoint(700, 100), QStringLiteral("Überweisung 1.234,56 €"), arial(10, true), TextAnchor::Right);
    canvas.drawText(QPoint(397, 200), QStringLiteral("Zinsen"), arial(14), TextAnchor::Centre);
    canvas.drawText(QPoint(10, 300), QString(), arial(8), TextAnchor::Left);
    const EmfPage page = EmfPage::fromBytes(canvas.finish());

    const std::vector<EmfText> texts = EmfPlayer(page).texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, QStringLiteral("Überweisung 1.234,56 €"));
    EXPECT_EQ(texts[0].anchorPx, QPoint(700, 100));
    EXPECT_EQ(texts[0].anchor, TextAnchor::Right);
    EXPECT_EQ(texts[0].font.face, QStringLiteral("Arial"));
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_EQ(texts[0].bounds.right, 700);
    EXPECT_GT(texts[0].bounds.width(), 100);
    EXPECT_EQ(texts[1].text, QStringLiteral("Zinsen"));
    EXPECT_EQ(texts[1].anchor, TextAnchor::Centre);
    // 14 pt at 96 dpi are 19 pixels; the player gives the size back in points.
    EXPECT_DOUBLE_EQ(texts[1].font.pointSize, 19 * 72.0 / 96);
}

TEST(EmfCanvas, FontHeightFollowsTheCanvasResolution)
{
    EmfCanvas canvas(A4Px);
    EXPECT_EQ(canvas.fontPixelHeight(arial(10)), 13);
    EXPECT_EQ(canvas.fontPixelHeight(arial(8)), 11);
    EXPECT_EQ(canvas.fontPixelHeight(arial(6)), 8);
    EXPECT_GT(canvas.textHeight(arial(10), QStringLiteral("W")), 13);
    EXPECT_GT(canvas.textWidth(arial(10), QStringLiteral("WWWW")), canvas.textWidth(arial(10), QStringLiteral("W")));
}

TEST(EmfCanvas, ReplayDrawsFillsTextsLinesAndFrames)
{
    EmfCanvas canvas(A4Px);
    canvas.fillRect(PageRect { 10, 10, 110, 60 }, QColor(255, 0, 0));
    canvas.drawText(QPoint(200, 100), QStringLiteral("Depotwert"), arial(12), TextAnchor::Left);
    canvas.drawLine(QPoint(10, 500), QPoint(400, 500), Qt::black, 3);
    canvas.drawFrame(PageRect { 500, 500, 600, 600 }, Qt::blue, 2);
    const QImage image = render(EmfPage::fromBytes(canvas.finish()));

    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(109, 59), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(110, 60), qRgb(255, 255, 255)); // right and bottom lie outside
    EXPECT_GT(darkPixels(image, QRect(200, 100, 120, 20)), 40);
    EXPECT_EQ(darkPixels(image, QRect(200, 80, 120, 18)), 0); // text hangs below its anchor
    EXPECT_EQ(qGray(image.pixel(200, 500)), 0);
    EXPECT_EQ(image.pixel(500, 550), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(550, 550), qRgb(255, 255, 255));
}

TEST(EmfCanvas, PicturesKeepTheirColoursAndAreClipped)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    picture.setPixel(0, 0, qRgb(0, 0, 255));
    EmfCanvas canvas(A4Px);
    canvas.drawImage(PageRect { 100, 100, 160, 140 }, picture);
    canvas.setClipRect(PageRect { 300, 300, 330, 320 });
    canvas.drawImage(PageRect { 300, 300, 360, 340 }, picture);
    canvas.clearClip();
    canvas.fillRect(PageRect { 400, 400, 410, 410 }, Qt::black);
    const QImage image = render(EmfPage::fromBytes(canvas.finish()));

    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(159, 139), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(329, 319), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(331, 321), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(405, 405), qRgb(0, 0, 0)); // clip was cleared
}

TEST(EmfCanvas, StretchedPictureFillsItsRectangle)
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(QColor(200, 10, 10));
    EmfCanvas canvas(A4Px);
    canvas.drawImage(PageRect { 0, 0, 200, 100 }, picture);
    const QImage image = render(EmfPage::fromBytes(canvas.finish()));
    EXPECT_EQ(image.pixel(199, 99), qRgb(200, 10, 10));
    EXPECT_EQ(image.pixel(200, 100), qRgb(255, 255, 255));
}

TEST(EmfCanvas, DrawingAfterFinishChangesNothing)
{
    EmfCanvas canvas(A4Px);
    const QByteArray first = canvas.finish();
    canvas.fillRect(PageRect { 0, 0, 10, 10 }, Qt::red);
    EXPECT_EQ(canvas.finish(), first);
}

// The end-of-file record's last field repeats that record's size; readers
// that walk a metafile from its end step back by it. It once held the length
// of the whole metafile.
TEST(EmfCanvas, EndOfFileRecordEndsWithItsOwnSize)
{
    EmfCanvas canvas(A4Px);
    canvas.drawText(QPoint(100, 100), QStringLiteral("Sondertilgungen:"), arial(10), TextAnchor::Left);
    const QByteArray bytes = canvas.finish();
    ASSERT_GE(bytes.size(), 20);
    const char* eof = bytes.constData() + bytes.size() - 20;
    EXPECT_EQ(qFromLittleEndian<quint32>(eof), 14u);
    EXPECT_EQ(qFromLittleEndian<quint32>(eof + 4), 20u);
    EXPECT_EQ(qFromLittleEndian<quint32>(eof + 16), 20u);
}
