// The page "Netto" in the window: its texts fit, captions name their fields
// for assistive technology, typing updates the results at once, and the
// options survive a restart through the per-user store.
#include "form_label.h"
#include "main_window.h"
#include "net_store.h"
#include "private_settings_store.h"
#include "text_fit.h"
#include "widget_events.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NettoPageTest : public ::testing::Test {
protected:
    PrivateSettingsStore store;
    QTemporaryDir dir;
    QString settingsPath = dir.filePath(QStringLiteral("Fundorix.ini"));
    std::unique_ptr<TAnlageRech> window;

    void SetUp() override { open(); }
    void open()
    {
        window = std::make_unique<TAnlageRech>(settingsPath);
        window->show();
        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentIndex(4);
    }
    template <typename T> T* child(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString shown(const char* name) const { return child<QLabel>(name)->text(); }
    void retype(const char* field, const QString& text) const
    {
        QLineEdit* edit = child<QLineEdit>(field);
        edit->selectAll();
        widget_events::type(edit, text);
    }
};

TEST_F(NettoPageTest, IsTheFifthPageAndShowsTheDefaultsUncut)
{
    auto* pages = child<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(4), "Netto");
    EXPECT_EQ(child<QComboBox>("NettoSteuer")->currentText(), "Abgeltungsteuer");
    EXPECT_EQ(child<QComboBox>("Teilfreistellung")->currentText(), "Aktienfonds (30 %)");
    EXPECT_EQ(child<QLineEdit>("Freibetrag")->text(), "1000");
    EXPECT_EQ(shown("NettoNetto"), "36953,67");
    EXPECT_EQ(text_fit::cutTexts(pages->widget(4)).join("; ").toStdString(), "");
    auto* fund = child<QComboBox>("Teilfreistellung");
    for (int i = 0; i < fund->count(); ++i) {
        fund->setCurrentIndex(i);
        EXPECT_EQ(text_fit::cutTexts(window.get()).join("; ").toStdString(), "") << i;
    }
}

TEST_F(NettoPageTest, CaptionsNameTheirFieldsAndValuesCarryTheirCaption)
{
    QLineEdit* freibetrag = child<QLineEdit>("Freibetrag");
    EXPECT_EQ(child<QLabel>("CaptionFreibetrag")->buddy(), freibetrag);
    EXPECT_EQ(child<QLabel>("CaptionNettoSteuer")->buddy(), child<QComboBox>("NettoSteuer"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(freibetrag)->text(QAccessible::Name), "Freibetrag €");
    EXPECT_EQ(child<QLabel>("NettoSteuerVerkauf")->accessibleName(), "Steuer bei Verkauf 3520,31");
    EXPECT_FALSE(child<QLabel>("NettoKaufkraft")->toolTip().isEmpty());
}

TEST_F(NettoPageTest, TypingIntoEitherPageUpdatesTheResultsAtOnce)
{
    child<QComboBox>("NettoSteuer")->setCurrentIndex(0); // "keine"
    retype("Fondskosten", "0");
    EXPECT_EQ(shown("NettoNetto"), "41134,80");
    retype("AnlageSumme", "20000");
    EXPECT_EQ(shown("NettoNetto"), shown("AnlageWunsch"));
    retype("Basiszins", "abc");
    EXPECT_EQ(shown("NettoDepotwert"), "0,00");
    EXPECT_EQ(shown("NettoKaufkraft"), "0,00");
    EXPECT_EQ(child<QLineEdit>("Basiszins")->text(), "abc");
}

TEST_F(NettoPageTest, OptionsSurviveARestartAndStayOutOfTheSettingsFile)
{
    child<QComboBox>("NettoSteuer")->setCurrentIndex(3);
    child<QComboBox>("Teilfreistellung")->setCurrentIndex(1);
    retype("Freibetrag", "2000");
    retype("Dynamik", "2,5");
    retype("Inflation", "bad");
    child<QAction>("Beenden1")->trigger();
    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("10000\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\nENDE\r\nENDE\r\n"));

    open();
    EXPECT_EQ(child<QComboBox>("NettoSteuer")->currentText(), "mit 9 % Kirchensteuer");
    EXPECT_EQ(child<QComboBox>("Teilfreistellung")->currentText(), "Mischfonds (15 %)");
    EXPECT_EQ(child<QLineEdit>("Freibetrag")->text(), "2000");
    EXPECT_EQ(child<QLineEdit>("Dynamik")->text(), "2,5");
    EXPECT_EQ(child<QLineEdit>("Inflation")->text(), "bad");
    EXPECT_EQ(window->net().tax(), fundorix::calc::NetTax::Kirche9);

    QSettings settings(QStringLiteral("Wendlich"), QStringLiteral("Fundorix"));
    settings.beginGroup(NetStore::group());
    EXPECT_EQ(settings.value("NettoSteuer").toString(), "kirche9");
    EXPECT_EQ(settings.value("Teilfreistellung").toString(), "misch");
}

}
