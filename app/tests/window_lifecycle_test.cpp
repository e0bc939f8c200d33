#include "chart_view.h"
#include "colour_store.h"
#include "information.h"
#include "main_window.h"
#include "private_settings_store.h"
#include "widget_events.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

// Closes the next message box and hands back its caption and text.
struct SeenBox {
    QString caption;
    QString text;
};
std::shared_ptr<SeenBox> closeNextMessageBox()
{
    auto seen = std::make_shared<SeenBox>();
    widget_events::whenModalOpens([seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen->caption = box->windowTitle();
        seen->text = box->text();
        box->accept();
    });
    return seen;
}

std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
}

const QByteArray settingsWithPayment(
    "10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n5\r\n0\r\n3\r\nENDE\r\n7\r\nENDE\r\n1200\r\n");

class WindowLifecycleTest : public ::testing::Test {
protected:
    PrivateSettingsStore store;
    QTemporaryDir dir;
    QString settingsPath = dir.filePath(QStringLiteral("Fundorix.ini"));
    std::unique_ptr<TAnlageRech> window;

    void open()
    {
        window = std::make_unique<TAnlageRech>(settingsPath);
        window->show();
    }
    void writeSettings(const QByteArray& bytes) const
    {
        QFile file(settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    ChartView* chartView() const { return window->findChild<ChartView*>(QStringLiteral("Chart1")); }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
};

TEST_F(WindowLifecycleTest, FirstStartDrawsTheDesignColoursAndCloseStoresThem)
{
    writeSettings(settingsWithPayment);
    open();
    EXPECT_EQ(window->chart().seriesColours(), (std::array<TColor, 4> { clBlue, clGreen, clRed, clPurple }));
    ChartView* view = chartView();
    ASSERT_NE(view, nullptr);
    const std::set<QRgb> shown = coloursOf(view->grab().toImage());
    for (QRgb wanted : { 0x0000FFu, 0x800080u, 0x008000u, 0xFF0000u, 0xFFFF00u })
        EXPECT_EQ(shown.count(wanted), 1u) << std::hex << wanted;

    EXPECT_EQ(window->windowIcon().availableSizes().value(0), QSize(32, 32));

    EXPECT_FALSE(PrivateSettingsStore::storedValue("Series1Farbe").isValid());
    window->close();
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series1Farbe").toByteArray(), QByteArray::fromHex("0000ff00"));
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series2Farbe").toByteArray(), QByteArray::fromHex("00800000"));
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series3Farbe").toByteArray(), QByteArray::fromHex("ff000000"));
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series4Farbe").toByteArray(), QByteArray::fromHex("80008000"));
}

TEST_F(WindowLifecycleTest, NextStartShowsTheStoredColours)
{
    PrivateSettingsStore::putValue("Series1Farbe", encodeStoredColour(clGray));
    PrivateSettingsStore::putValue("Series3Farbe", encodeStoredColour(clSilver));
    open();
    EXPECT_EQ(window->chart().seriesColours(), (std::array<TColor, 4> { clGray, clGreen, clSilver, clPurple }));
    const std::set<QRgb> shown = coloursOf(chartView()->grab().toImage());
    EXPECT_EQ(shown.count(0x808080u), 1u);
    EXPECT_EQ(shown.count(0x0000FFu), 0u);
    EXPECT_EQ(shown.count(0xFF0000u), 0u);
}

TEST_F(WindowLifecycleTest, BadStoredValueIsReportedAndTheWindowOpensWithItsDefaults)
{
    writeSettings(settingsWithPayment);
    PrivateSettingsStore::putValue("Series1Farbe", QStringLiteral("blau"));
    const auto box = closeNextMessageBox();
    open();
    EXPECT_EQ(box->caption, QStringLiteral("Fundorix"));
    EXPECT_EQ(box->text.toStdString(), "Ungültiger Datentyp für 'Series1Farbe'.");
    // The settings file was not read: default years, no extra payment.
    EXPECT_EQ(window->form().fieldText(Field::Jahre), QStringLiteral("10"));
    EXPECT_EQ(window->form().gridCell(0, 1), QString());
    EXPECT_EQ(window->form().resultText(ResultLabel::AnlageWunsch), QStringLiteral("41134,80"));
    EXPECT_EQ(window->chart().series().series1->PointCount(), 10);
    EXPECT_EQ(window->chart().seriesColours()[0], clBlue);

    // Closing replaces the unusable value, so the next start is clean.
    window->close();
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series1Farbe").toByteArray(), QByteArray::fromHex("0000ff00"));
}

TEST_F(WindowLifecycleTest, BeendenWritesTheSettingsFileBackByteForByteAndStoresTheColours)
{
    writeSettings(settingsWithPayment);
    open();
    EXPECT_EQ(window->chart().series().series4->YValues().Value(2), 1200);
    EXPECT_EQ(window->chart().series().series1->PointCount(), 5);
    action("Beenden1")->trigger();
    EXPECT_FALSE(window->isVisible());
    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), settingsWithPayment);
    EXPECT_EQ(PrivateSettingsStore::storedValue("Series3Farbe").toByteArray(), QByteArray::fromHex("ff000000"));
}

TEST_F(WindowLifecycleTest, CloseBoxStoresTheColoursButNotTheInputs)
{
    writeSettings(settingsWithPayment);
    open();
    window->form().setFieldText(Field::Jahre, QStringLiteral("7"));
    EXPECT_EQ(window->chart().series().series1->PointCount(), 7);
    window->close();
    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), settingsWithPayment);
    EXPECT_TRUE(PrivateSettingsStore::storedValue("Series2Farbe").isValid());
}

TEST_F(WindowLifecycleTest, RefusedColourWriteIsReportedAndTheWindowStillCloses)
{
    open();
    QFile blocker(QDir(store.path()).filePath(QStringLiteral("Wendlich")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto box = closeNextMessageBox();
    window->close();
    EXPECT_TRUE(box->text.startsWith(QStringLiteral("Die Diagrammfarben konnten nicht"))) << box->text.toStdString();
    EXPECT_TRUE(box->text.endsWith(QLatin1Char('.')));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowLifecycleTest, ChartPageHoldsTheChartWithItsInertPopupMenu)
{
    open();
    ChartView* view = chartView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget(), window->diagrammPage());
    ASSERT_NE(view->popupMenu(), nullptr);
    EXPECT_EQ(view->popupMenu()->objectName(), QStringLiteral("PopupMenu1"));
    const QList<QAction*> items = view->popupMenu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Diagrammeigenscften"));
    const QString before = window->form().resultText(ResultLabel::AnlageWunsch);
    items[0]->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window->form().resultText(ResultLabel::AnlageWunsch), before);

    window->findChild<QLineEdit*>(QStringLiteral("Jahre"))->setText(QStringLiteral("5"));
    EXPECT_EQ(window->chart().series().series5->PointCount(), 5);
}

TEST_F(WindowLifecycleTest, InformationWindowShowsTheProgramAndVersionAndGoesAwayOnOk)
{
    open();
    std::map<QString, QString> texts;
    QSize size;
    QString caption;
    widget_events::whenModalOpens([&](QWidget* modal) {
        caption = modal->windowTitle();
        size = modal->size();
        for (QLabel* label : modal->findChildren<QLabel*>())
            texts[label->objectName()] = label->text();
        widget_events::click(modal->findChild<QPushButton*>(QStringLiteral("BitBtn1")));
    });
    action("Info1")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Information"));
    EXPECT_EQ(size.height(), 132);
    EXPECT_EQ(texts["Label1"], QStringLiteral("Fundorix"));
    EXPECT_EQ(texts["Label2"], QStringLiteral("für Windows(R) 9x/ME/NT/2000/XP/Vista/7"));
    EXPECT_EQ(texts["Label3"], QStringLiteral("Programmiert von Wendlich Software"));
    EXPECT_EQ(texts["Label4"], QStringLiteral("Version:"));
    EXPECT_EQ(texts["Version"], QStringLiteral("2.0"));
    EXPECT_EQ(texts["Label6"], QStringLiteral("info@wendlich.example"));
    EXPECT_TRUE(texts["Label5"].contains(QStringLiteral("wendlich.example")));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("V2.0")));
    EXPECT_EQ(window->findChild<TInformation*>(), nullptr);
}

}
