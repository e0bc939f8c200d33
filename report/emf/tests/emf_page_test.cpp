#include "report/emf/emf_canvas.h"
#include "report/emf/emf_dib.h"
#include "report/emf/emf_page.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/store/bv_error.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray samplePage()
{
    EmfCanvas canvas(QSize(200, 100));
    canvas.fillRect(PageRect { 1, 2, 30, 40 }, Qt::green);
    PageFont font;
    canvas.drawText(QPoint(5, 5), QStringLiteral("Rate"), font, TextAnchor::Left);
    return canvas.finish();
}

void putUInt32(QByteArray& bytes, int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); }

struct Damage {
    const char* name;
    QByteArray (*apply)(QByteArray);
};

class DamagedPicture : public testing::TestWithParam<Damage> { };

}

TEST_P(DamagedPicture, IsRefused)
{
    const QByteArray damaged = GetParam().apply(samplePage());
    try {
        EmfPage::fromBytes(damaged);
        FAIL() << "accepted";
    } catch (const EBVError& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(BVErrorText::CorruptPicture));
    }
}

INSTANTIATE_TEST_SUITE_P(EmfPage, DamagedPicture,
    testing::Values(Damage { "Empty", [](QByteArray) { return QByteArray(); } },
        Damage { "Truncated", [](QByteArray b) { return b.left(b.size() - 20); } },
        Damage { "NoEndRecord", [](QByteArray b) { return b.left(b.size() - 20) + QByteArray(20, '\0'); } },
        Damage { "HeaderSizePastEnd",
            [](QByteArray b) {
                putUInt32(b, 4, 0x7ffffff0);
                return b;
            } },
        Damage { "OddRecordSize",
            [](QByteArray b) {
                putUInt32(b, 4, qFromLittleEndian<quint32>(b.constData() + 4) + 2);
                return b;
            } },
        Damage { "NotStartingWithHeader",
            [](QByteArray b) {
                putUInt32(b, 0, 14);
                return b;
            } },
        Damage { "WrongSignature",
            [](QByteArray b) {
                b[41] = 'X';
                return b;
            } },
        Damage { "ByteCountDisagrees",
            [](QByteArray b) {
                putUInt32(b, 48, static_cast<quint32>(b.size() + 4));
                return b + QByteArray(4, '\0');
            } }),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(EmfDib, PictureSurvivesTheDeviceIndependentCopy)
{
    QImage picture(7, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            picture.setPixel(x, y, qRgb(x * 30, y * 80, 255 - x * 30));
    picture.setPixel(6, 2, qRgba(0, 0, 0, 0));
    const DibPixels dib = dibFromImage(picture);
    QByteArray info(40, '\0');
    qToLittleEndian<quint32>(40, info.data());
    qToLittleEndian<qint32>(7, info.data() + 4);
    qToLittleEndian<qint32>(3, info.data() + 8);
    qToLittleEndian<quint16>(1, info.data() + 12);
    qToLittleEndian<quint16>(24, info.data() + 14);
    const QImage back = imageFromDib(info.constData(), 40, dib.bits.constData(), static_cast<size_t>(dib.bits.size()));
    ASSERT_EQ(back.size(), QSize(7, 3));
    EXPECT_EQ(back.pixel(3, 1), qRgb(90, 80, 165));
    EXPECT_EQ(back.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(back.pixel(6, 2), qRgb(255, 255, 255)); // transparent shows as paper
    EXPECT_TRUE(imageFromDib(info.constData(), 40, dib.bits.constData(), 10).isNull());
}

// A damaged picture record with coordinates near the ends of the 32-bit range
// made the player add origin and extent in int and overflow.
QByteArray pictureWithFields(std::initializer_list<int> fields)
{
    EmfCanvas canvas(QSize(200, 100));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    canvas.drawImage(PageRect { 10, 10, 50, 50 }, picture);
    QByteArray bytes = canvas.finish();

    constexpr quint32 StretchDibBits = 81;
    int offset = 0;
    while (offset < bytes.size() && qFromLittleEndian<quint32>(bytes.constData() + offset) != StretchDibBits)
        offset += static_cast<int>(qFromLittleEndian<quint32>(bytes.constData() + offset + 4));
    EXPECT_LT(offset, bytes.size());
    for (int field : fields)
        putUInt32(bytes, offset + field, 0x7fff0000);
    return bytes;
}

TEST(EmfPlayer, PictureWithExtremeCoordinatesPlaysWithoutOverflow)
{
    // Field offsets in the record: Dest 24, Src 32, cSrc 40, cDest 72.
    for (const QByteArray& bytes :
        { pictureWithFields({ 32, 36, 40, 44 }), pictureWithFields({ 24, 28, 40, 44, 72, 76 }) }) {
        QImage target(200, 100, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        PainterCanvas canvas(painter, 96, 96);
        const EmfPage page = EmfPage::fromBytes(bytes);
        EmfPlayer(page).play(canvas);
        painter.end();
        EXPECT_EQ(target.pixelColor(30, 30), QColor(Qt::white));
    }
}
