// The main window by keyboard alone: the faults a keyboard user met in the
// compounding box and in emptied fields, the arrow keys of the fields, the
// searches, leaving the grid and turning the pages.
#include "information.h"
#include "main_window.h"
#include "widget_events.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void keyWith(QWidget* widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

// Takes the web addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QStringList opened;

public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

class KeyboardTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<TAnlageRech> window;

    void SetUp() override { open(dir.filePath("Fundorix.ini")); }
    void open(const QString& settings)
    {
        window = std::make_unique<TAnlageRech>(settings);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    template <typename T> T* child(const char* name) const
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString depot() const { return child<QLabel>("AnlageWunsch")->text(); }
    QString focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
};

TEST_F(KeyboardTest, CompoundingArrowKeysStartFromTheShownMode)
{
    auto* box = child<QComboBox>("ComboBox1");
    EXPECT_EQ(box->currentIndex(), 3);
    widget_events::key(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), "jährlich");
    EXPECT_EQ(depot(), "41134,80");
    widget_events::key(box, Qt::Key_Up);
    EXPECT_EQ(box->currentText(), "halbjährlich");

    box->lineEdit()->setText("monatlich");
    EXPECT_EQ(box->currentIndex(), 0);
    widget_events::key(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), "vierteljährlich");

    // A typed text that is no mode is kept; Down then starts at the top.
    box->lineEdit()->setText("xyz");
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->currentText(), "xyz");
    EXPECT_EQ(window->form().fieldText(Field::ComboBox1), "xyz");
    widget_events::key(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), "monatlich");
}

TEST_F(KeyboardTest, CompoundingModeOfASettingsFileIsTheCurrentItem)
{
    QFile file(dir.filePath("plan.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("10000\r\n10\r\nhalbj\xE4hrlich\r\n50\r\n1,5\r\n10\r\n0\r\nENDE\r\nENDE\r\n");
    file.close();
    open(file.fileName());
    auto* box = child<QComboBox>("ComboBox1");
    EXPECT_EQ(box->currentIndex(), 2);
    widget_events::key(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), "jährlich");
}

TEST_F(KeyboardTest, TypingIntoAnEmptiedFieldReplacesItsZero)
{
    QLineEdit* sum = child<QLineEdit>("AnlageSumme");
    sum->setFocus();
    sum->selectAll();
    widget_events::key(sum, Qt::Key_Backspace);
    EXPECT_EQ(sum->text(), "0");
    widget_events::type(sum, "25000");
    EXPECT_EQ(sum->text(), "25000");
    EXPECT_EQ(window->form().fieldText(Field::AnlageSumme), "25000");
}

TEST_F(KeyboardTest, UpAndDownStepEveryFieldLikeItsSpinner)
{
    widget_events::key(child<QLineEdit>("Rendite"), Qt::Key_Up);
    EXPECT_EQ(child<QLineEdit>("Rendite")->text(), "10,5");
    widget_events::key(child<QLineEdit>("Sparen"), Qt::Key_Down);
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "40");
    widget_events::key(child<QLineEdit>("AnlageSumme"), Qt::Key_Up);
    EXPECT_EQ(child<QLineEdit>("AnlageSumme")->text(), "10100");
    widget_events::key(child<QLineEdit>("Edit1"), Qt::Key_Up);
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "100");
    widget_events::key(child<QLineEdit>("Dividente"), Qt::Key_Down);
    EXPECT_EQ(child<QLineEdit>("Dividente")->text(), "1");
    widget_events::key(child<QLineEdit>("Jahre"), Qt::Key_Up);
    EXPECT_EQ(child<QLineEdit>("Jahre")->text(), "11");
}

TEST_F(KeyboardTest, ArrowKeyOnTextShowsTheSpinnersErrorBox)
{
    child<QLineEdit>("AnlageSumme")->setText("abc");
    QString text;
    widget_events::whenModalOpens([&](QWidget* modal) {
        text = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    widget_events::key(child<QLineEdit>("AnlageSumme"), Qt::Key_Up);
    EXPECT_EQ(text, "'abc' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(child<QLineEdit>("AnlageSumme")->text(), "abc");
}

// Sparen's counter moves by 100 per step within 30000: 300 steps up, then no more.
TEST_F(KeyboardTest, ArrowKeysKeepTheSpinnersBounds)
{
    QLineEdit* monthly = child<QLineEdit>("Sparen");
    for (int i = 0; i < 301; ++i)
        widget_events::key(monthly, Qt::Key_Up);
    EXPECT_EQ(monthly->text(), "3050");
}

TEST_F(KeyboardTest, TabReachesTheSearchesAfterTheSevenFields)
{
    // The window opens with the focus in the first field.
    QStringList order { focusName() };
    for (int i = 0; i < 9; ++i) {
        widget_events::key(QApplication::focusWidget(), Qt::Key_Tab);
        order << focusName();
    }
    EXPECT_EQ(order.join(' ').toStdString(),
        "AnlageSumme Rendite ComboBox1 Sparen Edit1 Jahre Dividente AnlageWunsch ANLAGEGEWINN Label15");
}

TEST_F(KeyboardTest, EnterOrSpaceOnASearchLabelRunsItsSearch)
{
    QString caption;
    widget_events::whenModalOpens([&](QWidget* modal) {
        caption = modal->windowTitle();
        modal->findChild<QLineEdit*>()->setText("50000");
        static_cast<QDialog*>(modal)->accept();
    });
    widget_events::key(child<QLabel>("AnlageWunsch"), Qt::Key_Return);
    EXPECT_EQ(caption, "Berechnung des jährl.Anlagebetrags");
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "90,17");

    open(dir.filePath("Fundorix.ini"));
    widget_events::key(child<QLabel>("Label15"), Qt::Key_Space);
    EXPECT_EQ(child<QLineEdit>("AnlageSumme")->text(), "41134,80");
    EXPECT_EQ(child<QLineEdit>("Sparen")->text(), "-561,12");
    EXPECT_EQ(depot(), "0,88");
}

TEST_F(KeyboardTest, CtrlTabLeavesTheGridAlsoFromAnOpenCell)
{
    auto* pages = child<QTabWidget>("PageControl1");
    auto* grid = child<QTableWidget>("StringGrid1");
    pages->setCurrentWidget(grid);
    grid->setFocus();
    keyWith(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(grid->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == grid);

    grid->setFocus();
    grid->setCurrentCell(2, 0);
    if (!grid->isAncestorOf(QApplication::focusWidget()))
        grid->editItem(grid->item(2, 0));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_TRUE(grid->isAncestorOf(editor));
    widget_events::type(editor, "1200");
    keyWith(editor, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(grid->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == grid);
    EXPECT_EQ(window->form().gridCell(2, 1), "1200");
}

TEST_F(KeyboardTest, CtrlPageDownTurnsThePagesFromTheGrid)
{
    auto* pages = child<QTabWidget>("PageControl1");
    auto* grid = child<QTableWidget>("StringGrid1");
    pages->setCurrentWidget(grid);
    const int gridPage = pages->currentIndex();
    grid->setFocus();
    keyWith(grid, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), gridPage + 1);
    keyWith(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    keyWith(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), gridPage - 1);
}

TEST_F(KeyboardTest, EnterOnAFocusedLinkOpensIt)
{
    UrlCatcher catcher;
    widget_events::key(child<QLabel>("Label8"), Qt::Key_Return);
    TInformation information;
    widget_events::key(information.findChild<QLabel*>("Label5"), Qt::Key_Enter);
    widget_events::key(information.findChild<QLabel*>("Label6"), Qt::Key_Return);
    EXPECT_EQ(catcher.opened,
        QStringList({ "https://www.wendlich.example/freeware/index.htm", "https://www.wendlich.example/" }));
}

}

#include "keyboard_test.moc"
