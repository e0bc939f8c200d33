#include "form_label.h"
#include "main_window.h"
#include "text_fit.h"
#include "up_down.h"
#include "widget_events.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

void clickSpinner(QWidget* spinner, bool up)
{
    widget_events::click(spinner, QPoint(spinner->width() / 2, up ? 2 : spinner->height() - 2));
}

class MainWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<TAnlageRech> window;

    void SetUp() override
    {
        window = std::make_unique<TAnlageRech>(dir.filePath("Fundorix.ini"));
        window->show();
    }
    template <typename T> T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString shown(const char* label) const { return child<QLabel>(label)->text(); }
};

TEST_F(MainWindowTest, OpensWithTheComputedPlan)
{
    EXPECT_EQ(window->windowTitle(), "Wendlich's Fundorix  V2.0");
    EXPECT_GE(window->centralWidget()->width(), 480);
    EXPECT_GE(window->centralWidget()->height(), 221);
    auto* pages = child<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(2), "Ein- und Abgänge");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(shown("AnlageWunsch"), "41134,80");
    EXPECT_EQ(shown("AnlageProzent"), "157,09 %");
    EXPECT_EQ(child<QLabel>("AnlageProzent")->toolTip(), "15,71 % ohne Zinses Zins berechnet");
    EXPECT_EQ(child<QLineEdit>("Sparen")->toolTip(), "600 im Jahr");
}

TEST_F(MainWindowTest, ShowsNoCutTextInAnyMode)
{
    // The start texts ("Dividendewiederanlage") stay when the first
    // computation fails on an initial sum that is not a number.
    QFile file(dir.filePath("failing.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("abc\r\n10\r\nj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\nENDE\r\nENDE\r\n");
    file.close();
    TAnlageRech failed(file.fileName());
    failed.show();
    ASSERT_EQ(failed.findChild<QLabel*>("DividenteWiederanlage")->text(), "Dividendewiederanlage");
    EXPECT_EQ(text_fit::cutTexts(&failed).join("; ").toStdString(), "");
    auto* combo = child<QComboBox>("ComboBox1");
    for (const QString& mode : compoundingModes()) {
        combo->setCurrentText(mode);
        EXPECT_EQ(text_fit::cutTexts(window.get()).join("; ").toStdString(), "") << mode.toStdString();
    }
}

TEST_F(MainWindowTest, SpinnersAreAsTallAsTheirFields)
{
    const std::pair<const char*, const char*> pairs[] = { { "UpDown5", "AnlageSumme" }, { "UpDown1", "Rendite" },
        { "UpDown4", "Sparen" }, { "UpDown6", "Edit1" }, { "UpDown2", "Jahre" }, { "UpDown3", "Dividente" } };
    for (const auto& [spinner, field] : pairs) {
        const QRect arrows = child<UpDown>(spinner)->geometry();
        const QRect edit = child<QLineEdit>(field)->geometry();
        EXPECT_GE(arrows.height(), edit.height()) << spinner;
        EXPECT_EQ(arrows.top(), edit.top()) << spinner;
        EXPECT_EQ(arrows.left(), edit.right() + 1) << spinner;
    }
}

TEST_F(MainWindowTest, ValueLabelsKeepTheirRightEdge)
{
    auto* depot = child<QLabel>("AnlageWunsch");
    const int rightEdge = depot->geometry().right() + 1;
    EXPECT_GE(rightEdge, 456);
    QLineEdit* sum = child<QLineEdit>("AnlageSumme");
    sum->selectAll();
    widget_events::type(sum, "1000000");
    EXPECT_EQ(depot->text(), "3021177,38");
    EXPECT_EQ(depot->geometry().right() + 1, rightEdge);
}

TEST_F(MainWindowTest, TypingCorrectsAndRecomputes)
{
    QLineEdit* rate = child<QLineEdit>("Rendite");
    rate->selectAll();
    widget_events::key(rate, Qt::Key_Backspace);
    EXPECT_EQ(rate->text(), "0");
    rate->selectAll();
    widget_events::type(rate, "1.5");
    EXPECT_EQ(rate->text(), "1,5");
    child<QComboBox>("ComboBox1")->setCurrentText("xyz");
    rate->setText("10");
    EXPECT_EQ(shown("AnlageWunsch"), "11605,41");
}

TEST_F(MainWindowTest, SpinnerClicksStepTheFields)
{
    auto* upDown1 = child<UpDown>("UpDown1");
    clickSpinner(upDown1, true);
    EXPECT_EQ(child<QLineEdit>("Rendite")->text(), "10,5");
    clickSpinner(upDown1, false);
    clickSpinner(upDown1, false);
    EXPECT_EQ(child<QLineEdit>("Rendite")->text(), "9,5");
    clickSpinner(child<UpDown>("UpDown4"), true);
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "60");
    QLineEdit* years = child<QLineEdit>("Jahre");
    clickSpinner(child<UpDown>("UpDown2"), true);
    EXPECT_EQ(years->text(), "11");
    widget_events::key(years, Qt::Key_Down);
    EXPECT_EQ(years->text(), "10");
}

TEST_F(MainWindowTest, SpinnerOnTextShowsTheStandardErrorBox)
{
    child<QLineEdit>("AnlageSumme")->setText("abc");
    QString text;
    QString title;
    widget_events::whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    clickSpinner(child<UpDown>("UpDown5"), true);
    EXPECT_EQ(text, "'abc' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(title, "Fundorix");
    EXPECT_EQ(child<QLineEdit>("AnlageSumme")->text(), "abc");
}

TEST_F(MainWindowTest, HeldSpinnerOnTextShowsOneErrorBoxPerPress)
{
    child<QLineEdit>("AnlageSumme")->setText("abc");
    int boxes = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            box->accept();
        }
    });
    answerer.start(10);
    // The box opens while the button is down and takes its release, so only
    // the press reaches the spinner. Wait well past the first repeat delay.
    auto* spinner = child<UpDown>("UpDown5");
    widget_events::mouse(spinner, QEvent::MouseButtonPress, QPoint(spinner->width() / 2, 2));
    QEventLoop wait;
    QTimer::singleShot(1000, &wait, &QEventLoop::quit);
    wait.exec();
    EXPECT_EQ(boxes, 1);
    clickSpinner(child<UpDown>("UpDown1"), true);
    EXPECT_EQ(child<QLineEdit>("Rendite")->text(), "10,5");
    EXPECT_EQ(boxes, 1);
}

TEST_F(MainWindowTest, DoubleClickOnTheDepotValueSearchesTheMonthlyAmount)
{
    QString caption;
    widget_events::whenModalOpens([&](QWidget* modal) {
        caption = modal->windowTitle();
        modal->findChild<QLineEdit*>()->setText("50000");
        static_cast<QDialog*>(modal)->accept();
    });
    widget_events::doubleClick(child<QLabel>("AnlageWunsch"));
    EXPECT_EQ(caption, "Berechnung des jährl.Anlagebetrags");
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "90,17");
    EXPECT_EQ(child<QLineEdit>("Sparen")->toolTip(), "1082,09 im Jahr");
    EXPECT_EQ(shown("AnlageWunsch"), "49999,00");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, SingleClickOnTheGainSearchesTheRate)
{
    widget_events::whenModalOpens([](QWidget* modal) {
        modal->findChild<QLineEdit*>()->setText("50000");
        static_cast<QDialog*>(modal)->accept();
    });
    widget_events::click(child<QLabel>("ANLAGEGEWINN"));
    EXPECT_EQ(child<QLineEdit>("Rendite")->text(), "12,42");
    EXPECT_EQ(shown("AnlageWunsch"), "49992,00");
}

TEST_F(MainWindowTest, CancelledInputBoxOnlyRoundsTheAmount)
{
    child<QLineEdit>("Sparen")->setText("50,004");
    widget_events::whenModalOpens([](QWidget* modal) {
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            if (button->text() == "Abbrechen")
                button->click();
        }
    });
    widget_events::doubleClick(child<QLabel>("AnlageWunsch"));
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "50");
}

TEST_F(MainWindowTest, DoubleClickOnDepotCaptionComputesThePayout)
{
    widget_events::doubleClick(child<QLabel>("Label15"));
    EXPECT_EQ(child<QLineEdit>("AnlageSumme")->text(), "41134,80");
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "-561,12");
    EXPECT_EQ(shown("AnlageWunsch"), "0,88");
}

TEST_F(MainWindowTest, GridEditsCountAtTheNextFieldChange)
{
    auto* grid = child<QTableWidget>("StringGrid1");
    EXPECT_EQ(grid->verticalHeaderItem(1)->text(), "Monat");
    grid->item(0, 0)->setText("1");
    grid->item(1, 0)->setText("1");
    grid->item(2, 0)->setText("1000");
    EXPECT_EQ(window->form().gridCell(2, 1), "1000");
    EXPECT_EQ(shown("AnlageWunsch"), "41134,80");
    child<QLineEdit>("Edit1")->setText("00");
    EXPECT_NE(shown("AnlageWunsch"), "41134,80");
}

TEST_F(MainWindowTest, QuitWritesTheSettingsAndClosing)
{
    child<QLineEdit>("Sparen")->setText("75");
    window->close();
    EXPECT_FALSE(QFile::exists(dir.filePath("Fundorix.ini")));
    window->BitBtn1Click();
    EXPECT_FALSE(window->isVisible());
    TAnlageRech again(dir.filePath("Fundorix.ini"));
    EXPECT_EQ(again.findChild<QLineEdit*>("Sparen")->text(), "75");
}

TEST(MainWindowQuit, FailedWriteNamesTheFileAndKeepsTheWindowOpen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/Fundorix.ini");
    TAnlageRech window(path);
    window.show();
    window.findChild<QLineEdit*>("Sparen")->setText("75");
    QString text;
    widget_events::whenModalOpens([&](QWidget* modal) {
        text = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    window.BitBtn1Click();
    EXPECT_TRUE(text.contains(path)) << text.toStdString();
    EXPECT_TRUE(text.endsWith('.'));
    EXPECT_TRUE(window.isVisible());
    // The cause fixed, "Beenden" again saves what was typed and closes.
    ASSERT_TRUE(QDir(dir.path()).mkdir("missing"));
    window.BitBtn1Click();
    EXPECT_FALSE(window.isVisible());
    TAnlageRech again(path);
    EXPECT_EQ(again.findChild<QLineEdit*>("Sparen")->text(), "75");
}

TEST_F(MainWindowTest, MenusAreReachableByName)
{
    for (const char* name : { "Info1", "Anlageentwicklung1", "Darlehnsberechnung1", "RentenplanAuszahlungsphase1",
             "Sparplan1", "Beenden1" })
        EXPECT_NE(window->findChild<QAction*>(name), nullptr) << name;
    EXPECT_NE(window->diagrammPage(), nullptr);
}

}
