// What assistive technology sees of the program's windows: every control
// that takes the focus (or can be pressed) has a name and a role that says
// what it is. The walk is generic, over whatever each window holds, so a
// page or a dialog added later is checked as well.
#include "error_box.h"
#include "information.h"
#include "input_box.h"
#include "main_window.h"
#include "print_menu.h"
#include "report/preview/preview.h"
#include "report/preview/progress_form.h"
#include "report/preview/standard_preview.h"
#include "widget_events.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace {

bool hasPressAction(QAccessibleInterface* node)
{
    QAccessibleActionInterface* actions = node->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// A control that hands its focus to another one (a page control to its tab
// bar) needs a name, as the bridge reports it focusable, but its role is that
// of a container.
bool handsOnFocus(QAccessibleInterface* node)
{
    const auto* widget = qobject_cast<QWidget*>(node->object());
    return widget && widget->focusProxy();
}

// Roles a user can work with; a plain client area only where it scrolls,
// static text only where its text can be selected.
bool isUsableRole(QAccessibleInterface* node)
{
    static const std::set<QAccessible::Role> usable { QAccessible::EditableText, QAccessible::ComboBox,
        QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::Link, QAccessible::Table,
        QAccessible::Cell, QAccessible::List, QAccessible::ListItem, QAccessible::PageTabList, QAccessible::PageTab,
        QAccessible::Chart, QAccessible::SpinBox, QAccessible::ButtonMenu, QAccessible::ButtonDropDown,
        QAccessible::Tree, QAccessible::TreeItem };
    if (usable.count(node->role()))
        return true;
    if (node->role() == QAccessible::Client)
        return qobject_cast<QAbstractScrollArea*>(node->object());
    const auto* label = qobject_cast<QLabel*>(node->object());
    return node->role() == QAccessible::StaticText && label
        && (label->textInteractionFlags() & (Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse));
}

QString describe(QAccessibleInterface* node, const QString& path)
{
    const QObject* object = node->object();
    const QString name = object && !object->objectName().isEmpty() ? object->objectName()
        : object ? QString::fromLatin1(object->metaObject()->className())
                 : QStringLiteral("(item)");
    return path + QLatin1Char('/') + name;
}

void walk(QAccessibleInterface* node, const QString& path, QStringList& problems, int depth)
{
    if (!node || !node->isValid() || depth > 30 || node->state().invisible)
        return;
    const QString here = describe(node, path);
    const bool focusable = node->state().focusable;
    if ((focusable || hasPressAction(node)) && node->text(QAccessible::Name).trimmed().isEmpty())
        problems << here + QStringLiteral(": no name");
    if (focusable && !handsOnFocus(node) && !isUsableRole(node))
        problems << here + QStringLiteral(": role %1").arg(node->role());
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), here, problems, depth + 1);
}

QString problemsOf(QWidget* window)
{
    QStringList problems;
    walk(QAccessible::queryAccessibleInterface(window), QString(), problems, 0);
    return problems.join(QStringLiteral("; "));
}

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// Runs `step` on the next visible preview window once its pages are made.
void whenPreviewFinished(std::function<void(TBVStandardPreview&)> step)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<TBVStandardPreview*>(widget);
            TBVPrinter* printer = preview && preview->isVisible() ? preview->preview()->printer() : nullptr;
            if (printer && printer->Status() == TBVPrinterStatus::Finished) {
                poll->stop();
                poll->deleteLater();
                step(*preview);
                return;
            }
        }
    });
    poll->start(10);
}

class AccessibilityTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TAnlageRech window { dir.filePath("Fundorix.ini") };

    void SetUp() override { window.show(); }
    template <typename T> T* child(const char* name) const { return window.findChild<T*>(QLatin1String(name)); }
    QString nameOf(const char* objectName) const
    {
        return accessible(child<QWidget>(objectName))->text(QAccessible::Name);
    }
};

TEST_F(AccessibilityTest, EveryPageOfTheMainWindowNamesItsControls)
{
    auto* pages = child<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(problemsOf(&window).toStdString(), "") << pages->tabText(page).toStdString();
    }
}

TEST_F(AccessibilityTest, FieldsAreNamedByTheirCaptions)
{
    const std::pair<const char*, const char*> fields[] = { { "AnlageSumme", "Anlagensumme" },
        { "Rendite", "jährl.Anstieg/Zins %" }, { "ComboBox1", "Zinsverrechnung" }, { "Sparen", "mtl.Anlagebetrag" },
        { "Edit1", "jahrl.Anlagebetrag" }, { "Jahre", "Wieviele Jahre?" }, { "Dividente", "Dividende in %" } };
    for (const auto& [field, caption] : fields)
        EXPECT_EQ(nameOf(field), QString::fromUtf8(caption)) << field;
    QAccessibleInterface* box = accessible(child<QWidget>("ComboBox1"));
    EXPECT_EQ(box->role(), QAccessible::ComboBox);
    EXPECT_EQ(box->text(QAccessible::Value), "jährlich");
    EXPECT_EQ(
        accessible(child<QWidget>("AnlageSumme"))->text(QAccessible::Description), "Das ist die Summe in Ihrem Depot");
}

TEST_F(AccessibilityTest, EachSpinnerIsTwoButtonsThatClickWhenPressed)
{
    QAccessibleInterface* spinner = accessible(child<QWidget>("UpDown5"));
    ASSERT_EQ(spinner->childCount(), 2);
    EXPECT_EQ(spinner->child(0)->text(QAccessible::Name), "Anlagensumme erhöhen");
    EXPECT_EQ(spinner->child(1)->text(QAccessible::Name), "Anlagensumme verringern");
    EXPECT_EQ(spinner->child(0)->role(), QAccessible::Button);
    EXPECT_EQ(accessible(child<QWidget>("UpDown2"))->child(0)->text(QAccessible::Name), "Wieviele Jahre erhöhen");

    QAccessibleInterface* rateUp = accessible(child<QWidget>("UpDown1"))->child(0);
    rateUp->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(child<QLineEdit>("Rendite")->text(), "10,5");
    QAccessibleInterface* yearsDown = accessible(child<QWidget>("UpDown2"))->child(1);
    yearsDown->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(child<QLineEdit>("Jahre")->text(), "9");
}

TEST_F(AccessibilityTest, ResultsAreReadWithTheirCaptionsAfterEveryRecompute)
{
    EXPECT_EQ(nameOf("AnlageWunsch"), "Depotwert 41134,80");
    EXPECT_EQ(nameOf("Kapitaleinsatz"), "Kapital 16000,00");
    EXPECT_EQ(nameOf("DividenteWiederanlage"), "Dividende 3185,45");
    EXPECT_EQ(nameOf("ANLAGEGEWINN"), "Zuwachs 25134,80");
    EXPECT_EQ(nameOf("AnlageProzent"), "Zuwachs in % 157,09 %");
    EXPECT_EQ(accessible(child<QWidget>("AnlageProzent"))->text(QAccessible::Description),
        "15,71 % ohne Zinses Zins berechnet");
    EXPECT_EQ(accessible(child<QWidget>("AnlageWunsch"))->role(), QAccessible::Button);
    EXPECT_TRUE(accessible(child<QWidget>("AnlageWunsch"))
                    ->text(QAccessible::Description)
                    .startsWith("Doppelklick zur Eingabe eines Depotwertes\n"));
    child<QLineEdit>("Jahre")->setText("1");
    EXPECT_EQ(nameOf("Kapitaleinsatz"), "Kapital 10600,00");
}

TEST_F(AccessibilityTest, TheChartDescribesItsLastBar)
{
    QAccessibleInterface* chart = accessible(child<QWidget>("Chart1"));
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), "Entwicklung Ihres Kapitals im Anlagezeitraum");
    EXPECT_EQ(chart->text(QAccessible::Description),
        "Balkendiagramm über 10 Jahre; Depotwert am Ende 41134,80, davon Kapitaleinsatz 16000,00, Rendite "
        "21949,35, Dividende 3185,45, Sonderzahlung 0,00.");
    child<QLineEdit>("Jahre")->setText("1");
    EXPECT_TRUE(chart->text(QAccessible::Description).startsWith("Balkendiagramm über 1 Jahr; "));
}

TEST_F(AccessibilityTest, GridCellsAreNamedByRowAndColumn)
{
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    QAccessibleTableInterface* grid = accessible(child<QWidget>("StringGrid1"))->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->cellAt(0, 2)->text(QAccessible::Name), "Jahr, Spalte 3");
    window.form().setGridCell(2, 1, "1200");
    EXPECT_EQ(grid->cellAt(2, 0)->text(QAccessible::Name), "Betrag, Spalte 1: 1200");
    auto* table = child<QTableWidget>("StringGrid1");
    table->editItem(table->item(1, 4));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(accessible(editor)->text(QAccessible::Name), "Monat, Spalte 5");
}

TEST_F(AccessibilityTest, TheInfoLinkIsAFocusableLink)
{
    QAccessibleInterface* link = accessible(child<QWidget>("Label8"));
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_TRUE(link->state().focusable);
    EXPECT_TRUE(accessible(child<QWidget>("Memo1"))->state().focusable);
    EXPECT_EQ(nameOf("Memo1"), "Tipp für die Verwendung als Tilgungsrechner");
}

TEST(AccessibleDialogs, InformationWindowKeepsEnterOnOkAndNamesItsControls)
{
    TInformation information;
    information.show();
    QApplication::setActiveWindow(&information);
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), "BitBtn1");
    EXPECT_EQ(problemsOf(&information).toStdString(), "");
    EXPECT_EQ(accessible(information.findChild<QWidget*>("Label5"))->role(), QAccessible::Link);
}

TEST(AccessibleDialogs, InputAndErrorBoxesNameTheirControls)
{
    QString inputProblems = "not shown";
    widget_events::whenModalOpens([&](QWidget* modal) {
        inputProblems = problemsOf(modal);
        EXPECT_EQ(accessible(modal->findChild<QLineEdit*>())->text(QAccessible::Name), "Zieldepotwert");
        static_cast<QDialog*>(modal)->reject();
    });
    showInputBox(nullptr, "Berechnung", "Zieldepotwert", "0");
    EXPECT_EQ(inputProblems.toStdString(), "");

    QString errorProblems = "not shown";
    widget_events::whenModalOpens([&](QWidget* modal) {
        errorProblems = problemsOf(modal);
        static_cast<QDialog*>(modal)->accept();
    });
    showStandardErrorBox(nullptr, "'abc' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(errorProblems.toStdString(), "");
}

TEST(AccessibleDialogs, ProgressWindowNamesItsControls)
{
    TBVProgressForm progress(progressCaption(TBVRunKind::Export), {});
    progress.show();
    EXPECT_EQ(problemsOf(&progress).toStdString(), "");
}

TEST_F(AccessibilityTest, PreviewItsSearchAndItsPagePromptNameTheirControls)
{
    PrintMenu menu(window);
    QString previewProblems = "not shown";
    QString searchProblems = "not shown";
    QString promptProblems = "not shown";
    whenPreviewFinished([&](TBVStandardPreview& preview) {
        previewProblems = problemsOf(&preview);
        widget_events::whenModalOpens([&](QWidget* modal) {
            searchProblems = problemsOf(modal);
            static_cast<QDialog*>(modal)->reject();
        });
        preview.FindClick();
        widget_events::whenModalOpens([&](QWidget* modal) {
            promptProblems = problemsOf(modal);
            static_cast<QDialog*>(modal)->reject();
        });
        preview.GotoPageClick();
        preview.close();
    });
    window.findChild<QAction*>("Anlageentwicklung1")->trigger();
    EXPECT_EQ(previewProblems.toStdString(), "");
    EXPECT_EQ(searchProblems.toStdString(), "");
    EXPECT_EQ(promptProblems.toStdString(), "");
}

}
