#include "information.h"
#include "text_fit.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct Place {
    const char* name;
    QRect rect;
};

TEST(InformationWindow, ControlsSitWhereTheWindowIsDesigned)
{
    TInformation information;
    const int width = information.width();
    const Place places[] = {
        { "Label1", QRect(0, 0, width, 15) },
        { "Label2", QRect(0, 15, width, 15) },
        { "Image1", QRect(8, 38, 94, 40) },
        { "Label6", QRect(116, 50, 157, 14) },
        { "Label5", QRect(116, 64, 143, 14) },
        { "Label7", QRect(0, 79, width, 14) },
        { "Label4", QRect(16, 115, 41, 14) },
        { "Version", QRect(62, 115, 35, 14) },
        { "BitBtn1", QRect(width - 72, 108, 72, 24) },
    };
    for (const Place& place : places) {
        const QWidget* control = information.findChild<QWidget*>(QLatin1String(place.name));
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->geometry(), place.rect) << place.name;
    }
    EXPECT_FALSE(information.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(information.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(information.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isDefault());
}

TEST(InformationWindow, IsSizedToItsContents)
{
    TInformation information;
    EXPECT_EQ(information.height(), 132);
    EXPECT_GE(information.width(), 281);
    const QLabel* author = information.findChild<QLabel*>(QStringLiteral("Label3"));
    EXPECT_EQ(author->pos(), QPoint(116, 35));
    EXPECT_GE(author->width(), 158);
    // The author's line keeps the designed room to the window's edge.
    EXPECT_LE(author->x() + author->fontMetrics().horizontalAdvance(author->text()), information.width() - 7);
}

TEST(InformationWindow, ShowsNoCutText)
{
    TInformation information;
    information.setProgramTexts(
        QStringLiteral("Fundorix"), QStringLiteral("für Windows(R) 9x/ME/NT/2000/XP/Vista/7"), QStringLiteral("2.0"));
    EXPECT_EQ(text_fit::cutTexts(&information).join("; ").toStdString(), "");
}

}
