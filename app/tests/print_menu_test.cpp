// The print menu in the real window, offscreen: a menu command opens the
// report's preview and returns to the main window when it is closed.
#include "main_window.h"
#include "print_menu.h"
#include "report/emf/emf_player.h"
#include "report/preview/preview.h"
#include "report/preview/report_preview.h"
#include "report/preview/standard_preview.h"
#include "report/store/printer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The pictures a page draws, as they reach the canvas.
class PictureCanvas : public PageCanvas {
public:
    int dpiX() const override { return 96; }
    int dpiY() const override { return 96; }
    int textWidth(const PageFont&, const QString&) const override { return 0; }
    int textHeight(const PageFont&, const QString&) const override { return 0; }
    void fillRect(const PageRect&, const QColor&) override { }
    void drawText(QPoint, const QString&, const PageFont&, TextAnchor, bool) override { }
    void drawImage(const PageRect&, const QImage& image) override { pictures.push_back(image); }
    void drawLine(QPoint, QPoint, const QColor&, int) override { }
    void drawFrame(const PageRect&, const QColor&, int) override { }
    void setClipRect(const PageRect&) override { }
    void clearClip() override { }
    std::vector<QImage> pictures;
};

TBVStandardPreview* openPreview()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* preview = qobject_cast<TBVStandardPreview*>(widget);
        if (preview && preview->isVisible())
            return preview;
    }
    return nullptr;
}

// Runs `step` on the preview once its pages are all there.
void whenPreviewFinished(std::function<void(TBVStandardPreview&)> step)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        TBVStandardPreview* preview = openPreview();
        TBVPrinter* printer = preview ? preview->preview()->printer() : nullptr;
        if (!printer || printer->Status() != TBVPrinterStatus::Finished)
            return;
        poll->stop();
        poll->deleteLater();
        step(*preview);
    });
    poll->start(10);
}

class PrintMenuTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TAnlageRech window { dir.filePath("Fundorix.ini") };
    PrintMenu menu { window };

    void SetUp() override { window.show(); }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
};

TEST_F(PrintMenuTest, AnlageentwicklungShowsPageOneWithTheChartAndReturnsOnClose)
{
    QString caption;
    QString status;
    bool pageShown = false;
    std::vector<QImage> pictures;
    whenPreviewFinished([&](TBVStandardPreview& preview) {
        caption = preview.windowTitle();
        status = preview.statusPanel(1)->text();
        pageShown = preview.preview()->hasPagePicture() && preview.preview()->PageNumber() == 1;
        PictureCanvas canvas;
        EmfPlayer(*preview.preview()->printer()->GetPage(1)).play(canvas);
        pictures = canvas.pictures;
        preview.close();
    });
    action("Anlageentwicklung1")->trigger();

    EXPECT_EQ(caption, "Report Preview : Anlageentwicklung");
    EXPECT_EQ(status, "Page 1 of 1");
    EXPECT_TRUE(pageShown);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].convertToFormat(QImage::Format_RGB32),
        window.chart().render(QSize(600, 400)).convertToFormat(QImage::Format_RGB32));
    // Back in the main window: no preview left, its page printer gone.
    EXPECT_EQ(openPreview(), nullptr);
    EXPECT_EQ(menu.output().previewOf(menu.qEntwicklung().BVReport1()).printer(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PrintMenuTest, SparplanShowsTheSavingsThenThePayoutPhase)
{
    QStringList titles;
    const std::function<void(TBVStandardPreview&)> closeAndNote = [&](TBVStandardPreview& preview) {
        titles << preview.windowTitle();
        preview.close();
        if (titles.size() == 1)
            whenPreviewFinished(closeAndNote);
    };
    whenPreviewFinished(closeAndNote);
    action("Sparplan1")->trigger();
    EXPECT_EQ(titles, QStringList({ "Report Preview : Anlageentwicklung", "Report Preview : Kreditrechnung" }));
    EXPECT_EQ(window.form().fieldText(Field::Sparen), "-388,97");
}

// While a preview waits for the user, the menu is disabled and a command
// that gets through anyway does not start: it would rewrite the form under
// the command still in progress.
TEST_F(PrintMenuTest, ASecondCommandWhileAPreviewIsOpenDoesNotStart)
{
    const QStringList commands = { "Anlageentwicklung1", "Darlehnsberechnung1", "RentenplanAuszahlungsphase1",
        "Sparplan1", "NettoAnlageentwicklung1" };
    QStringList enabledWhileOpen;
    PlanOutcome second = PlanOutcome::Shown;
    PlanOutcome netPlan = PlanOutcome::Shown;
    int otherPreviews = 0;
    TBVStandardPreview* first = nullptr;
    // Closes any other preview at once, so that a command which did start
    // ends the test instead of waiting for a user.
    QTimer closer(&window);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        TBVStandardPreview* open = openPreview();
        if (open && first && open != first) {
            ++otherPreviews;
            open->close();
        }
    });
    closer.start(10);
    whenPreviewFinished([&](TBVStandardPreview& preview) {
        first = &preview;
        for (const QString& name : commands) {
            if (action(name.toLatin1().constData())->isEnabled())
                enabledWhileOpen << name;
        }
        second = menu.commands().Tilgungsplan1Click();
        menu.commands().SparplanmitanschlieenderAuszahlungber30Jahre1Click();
        netPlan = menu.netPlanCommand().NettoAnlageentwicklung1Click();
        preview.close();
    });
    const QString capital = window.form().fieldText(Field::AnlageSumme);
    action("Anlageentwicklung1")->trigger();

    EXPECT_EQ(enabledWhileOpen, QStringList());
    EXPECT_EQ(second, PlanOutcome::Busy);
    EXPECT_EQ(netPlan, PlanOutcome::Busy);
    EXPECT_EQ(otherPreviews, 0);
    EXPECT_TRUE(action("Sparplan1")->isEnabled());
    EXPECT_EQ(window.form().fieldText(Field::AnlageSumme), capital);
}

TEST_F(PrintMenuTest, NetPlanIsTheFifthEntryAndShowsItsYearTable)
{
    QStringList entries;
    for (QAction* entry : window.findChild<QMenu*>("Drucken1")->actions())
        entries << entry->text();
    EXPECT_EQ(entries,
        QStringList({ "&Anlageentwicklung", "&Darlehnsberechnung", "Rentenplan Auszahlungsphase",
            QString::fromUtf8("Sparplan mit anschließender Auszahlung über 30 Jahre"), "Netto-Anlageentwicklung" }));

    QString caption;
    QStringList texts;
    whenPreviewFinished([&](TBVStandardPreview& preview) {
        caption = preview.windowTitle();
        for (const EmfText& text : EmfPlayer(*preview.preview()->printer()->GetPage(1)).texts())
            texts << text.text;
        preview.close();
    });
    action("NettoAnlageentwicklung1")->trigger();
    EXPECT_EQ(caption, "Report Preview : Netto-Anlageentwicklung");
    for (const char* expected : { "Vorabpauschale", "Kaufkraft", "10", "600,00", "Aktienfonds (30 %)" })
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(openPreview(), nullptr);
}

// The plan prints the page "Netto" as the user left it: its choices, its
// field texts as typed and the results it shows.
TEST_F(PrintMenuTest, NetPlanPrintsThePageNettoAsItStands)
{
    window.net().setTax(fundorix::calc::NetTax::Kirche9);
    window.net().setFieldText(fundorix::calc::NetField::Dynamik, "5");
    window.net().setFieldText(fundorix::calc::NetField::Basiszins, "2,53");
    QStringList texts;
    whenPreviewFinished([&](TBVStandardPreview& preview) {
        for (const EmfText& text : EmfPlayer(*preview.preview()->printer()->GetPage(1)).texts())
            texts << text.text;
        preview.close();
    });
    action("NettoAnlageentwicklung1")->trigger();
    // 600 paid in the first year, 5 % more in the second.
    for (const char* expected : { "mit 9 % Kirchensteuer", "5 %", "2,53 %", "600,00", "630,00" })
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(texts.contains(window.net().resultText(fundorix::calc::NetItem::Netto) + QString::fromUtf8(" €")));
}

}
