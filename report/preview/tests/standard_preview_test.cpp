#include "export/filter_library.h"
#include "report/emf/emf_page.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_image.h"
#include "report/preview/save_target.h"
#include "report/preview/search_dlg.h"
#include "report/preview/standard_preview.h"
#include "report/preview/thumb_grid.h"
#include "report/store/printer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <deque>
#include <gtest/gtest.h>

namespace {

// Answers the window's questions from a script and keeps what it was told.
class ScriptedDialogs : public PreviewDialogs {
public:
    std::deque<SaveAnswer> saves;
    std::deque<QString> opens;
    std::deque<QString> texts;
    std::deque<SearchAnswer> searches;
    QStringList messages;
    QStringList errors;
    QString lastTextCaption;
    QStringList lastSaveFilters;
    QString lastSavePreset;

    std::optional<SaveAnswer> askSaveFile(
        QWidget*, const QString&, const QString& preset, const QStringList& filters) override
    {
        lastSavePreset = preset;
        lastSaveFilters = filters;
        return take(saves);
    }
    std::optional<QString> askOpenFile(QWidget*, const QString&, const QStringList&) override { return take(opens); }
    std::optional<QString> askText(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        lastTextCaption = caption;
        return take(texts);
    }
    std::optional<SearchAnswer> askSearch(QWidget*) override { return take(searches); }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showError(QWidget*, const QString& text) override { errors << text; }

private:
    template <typename T> static std::optional<T> take(std::deque<T>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class RecordingOwner : public TBVPreviewOwner {
public:
    TBVPreviewSettings settings;
    QStringList exportedFiles;
    QStringList exportedExtensions;
    int stopRequests = 0;
    bool closed = false;
    bool vetoAll = false;

    TBVPreviewSettings PreviewSettings() const override { return settings; }
    bool AllowPreviewCommand(TBVPreviewCommand) override { return !vetoAll; }
    bool ExportToFilter(TBVExportFilter& filter) override
    {
        exportedFiles << filter.FileName();
        exportedExtensions << filter.FileExtension();
        return true;
    }
    void StopTakingRecords() override { ++stopRequests; }
    void ApplyLoadedPageSetup(TBVOrientation, int) override { }
    void PreviewClosed() override { closed = true; }
};

class HtmlTestFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;
    QString FileExtension() const override { return QStringLiteral("HTM"); }
    QString DisplayName() const override { return QStringLiteral("HTML test document"); }
};

void drawPage(TBVPrinter& printer, const QString& text)
{
    printer.NewPage();
    PageCanvas* canvas = printer.Canvas();
    canvas->fillRect(PageRect { 60, 60, 734, 140 }, QColor(210, 225, 245));
    canvas->drawText(QPoint(80, 80), text, PageFont(), TextAnchor::Left);
    canvas->drawLine(QPoint(60, 160), QPoint(734, 160), Qt::black, 1);
}

std::unique_ptr<TBVPrinter> finishedPrinter(const QStringList& pageTexts)
{
    auto printer = std::make_unique<TBVPrinter>();
    printer->SetTitle(QStringLiteral("Anlageentwicklung"));
    printer->StartJob();
    for (const QString& text : pageTexts)
        drawPage(*printer, text);
    printer->FinishJob();
    return printer;
}

void processEvents()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PreviewWindow : public ::testing::Test {
protected:
    void open(TBVPrinter* printer)
    {
        m_owner.settings.reportTitle = QStringLiteral("Kreditrechnung");
        m_window = new TBVStandardPreview(printer, &m_owner);
        auto dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs = dialogs.get();
        m_window->setDialogs(std::move(dialogs));
        m_window->show();
        processEvents();
    }

    void TearDown() override
    {
        if (m_window)
            m_window->close();
        processEvents();
    }

    void trigger(const char* name)
    {
        m_window->action(QString::fromLatin1(name))->trigger();
        processEvents();
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(m_window->preview(), &press);
    }

    int pageShown() const { return m_window->preview()->PageNumber(); }

    RecordingOwner m_owner;
    QPointer<TBVStandardPreview> m_window;
    ScriptedDialogs* m_dialogs = nullptr;
};

TEST_F(PreviewWindow, ShowsPageOneWhileLaterPagesAreMadeAndClosesOnlyWhenDone)
{
    TBVPrinter printer;
    printer.StartJob();
    drawPage(printer, "Seite 1");
    open(&printer);
    EXPECT_FALSE(m_window->preview()->hasPagePicture());

    drawPage(printer, "Seite 2");
    processEvents();
    EXPECT_TRUE(m_window->preview()->hasPagePicture());
    EXPECT_FALSE(m_window->action("nextPage")->isEnabled());
    EXPECT_FALSE(m_window->action("SaveReport")->isEnabled());
    EXPECT_TRUE(m_window->action("CancelButton")->isEnabled());
    EXPECT_EQ(m_window->thumbGrid()->count(), 1);
    // The page being drawn cannot be shown yet.
    key(Qt::Key_End);
    EXPECT_EQ(pageShown(), 1);

    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_FALSE(m_owner.closed);

    printer.FinishJob();
    processEvents();
    EXPECT_TRUE(m_window->action("nextPage")->isEnabled());
    EXPECT_FALSE(m_window->action("CancelButton")->isEnabled());
    EXPECT_TRUE(m_window->action("Print")->isEnabled());
    EXPECT_TRUE(m_window->action("PrintSetup")->isEnabled());
    EXPECT_EQ(m_window->thumbGrid()->count(), 2);
    EXPECT_EQ(m_window->statusPanel(1)->text(), "Page 1 of 2");
    EXPECT_EQ(m_window->statusPanel(2)->text(), "Kreditrechnung");
    EXPECT_EQ(m_window->windowTitle(), "Report Preview : ");

    EXPECT_TRUE(m_window->close());
    EXPECT_TRUE(m_owner.closed);
    processEvents();
    EXPECT_TRUE(m_window.isNull());
}

TEST_F(PreviewWindow, StopsTakingRecordsAtPagesInPreviewAndOnCancel)
{
    TBVPrinter printer;
    printer.StartJob();
    drawPage(printer, "Seite 1");
    m_owner.settings.pagesInPreview = 2;
    open(&printer);
    drawPage(printer, "Seite 2");
    processEvents();
    EXPECT_EQ(m_owner.stopRequests, 1);
    trigger("CancelButton");
    EXPECT_EQ(m_owner.stopRequests, 2);
    printer.FinishJob();
    processEvents();
}

TEST_F(PreviewWindow, WaitUntilClosedReturnsWhenTheWindowCloses)
{
    auto printer = finishedPrinter({ "Seite 1" });
    open(printer.get());
    QTimer::singleShot(0, m_window, [this] { m_window->close(); });
    TBVStandardPreview::WaitUntilClosed(m_window);
    EXPECT_TRUE(m_owner.closed);
    processEvents();
    EXPECT_TRUE(m_window.isNull());
    TBVStandardPreview::WaitUntilClosed(m_window);
}

TEST_F(PreviewWindow, OnePageStaysOnPageOne)
{
    auto printer = finishedPrinter({ "Seite 1" });
    open(printer.get());
    for (const char* button : { "FirstPage", "PreviousPage", "nextPage", "LastPage" }) {
        trigger(button);
        EXPECT_EQ(pageShown(), 1) << button;
    }
    EXPECT_EQ(m_window->statusPanel(1)->text(), "Page 1 of 1");
}

TEST_F(PreviewWindow, PagesWithButtonsKeysAndThumbnails)
{
    auto printer = finishedPrinter({ "Seite 1", "Seite 2", "Seite 3" });
    open(printer.get());
    trigger("nextPage");
    EXPECT_EQ(pageShown(), 2);
    EXPECT_EQ(m_window->thumbGrid()->currentRow(), 1);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pageShown(), 3);
    key(Qt::Key_PageDown);
    EXPECT_EQ(pageShown(), 3);
    key(Qt::Key_Home);
    EXPECT_EQ(pageShown(), 1);
    key(Qt::Key_End);
    EXPECT_EQ(pageShown(), 3);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pageShown(), 1);
    m_window->thumbGrid()->setCurrentRow(1);
    EXPECT_EQ(pageShown(), 2);
    EXPECT_EQ(m_window->statusPanel(1)->text(), "Page 2 of 3");
}

TEST_F(PreviewWindow, ScrollingPastAnEdgeTurnsThePage)
{
    auto printer = finishedPrinter({ "Seite 1", "Seite 2" });
    open(printer.get());
    m_window->preview()->setZoom(200);
    processEvents();
    QScrollBar* bar = m_window->preview()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    key(Qt::Key_Up);
    EXPECT_EQ(pageShown(), 1);
    key(Qt::Key_Down);
    EXPECT_EQ(bar->value(), TBVPreview::VerticalIncrement);
    bar->setValue(bar->maximum());
    key(Qt::Key_Down);
    EXPECT_EQ(pageShown(), 2);
    EXPECT_EQ(bar->value(), 0);
    key(Qt::Key_Up);
    EXPECT_EQ(pageShown(), 1);
    EXPECT_EQ(bar->value(), bar->maximum());

    // The wheel moves like the keys: forward up, backward down.
    QWheelEvent backward(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_window->preview()->viewport(), &backward);
    EXPECT_EQ(pageShown(), 2);
}

TEST_F(PreviewWindow, GoToPageAcceptsOnlyPageNumbers)
{
    auto printer = finishedPrinter({ "Seite 1", "Seite 2", "Seite 3" });
    open(printer.get());
    m_dialogs->texts = { "2", "abc" };
    trigger("GotoPageButton");
    EXPECT_EQ(pageShown(), 2);
    EXPECT_EQ(m_dialogs->lastTextCaption, "Select a page from 1 to 3");
    trigger("GotoPageButton");
    EXPECT_EQ(pageShown(), 1);
}

TEST_F(PreviewWindow, SearchIgnoresCaseUnlessAsked)
{
    auto printer = finishedPrinter({ "Im ersten Jahr", "Summe", "Jahr 2" });
    open(printer.get());
    QListWidget* results = m_window->searchResultBox();
    EXPECT_FALSE(results->isEnabled());

    m_dialogs->searches = { { "jahr", false }, { "jahr", true } };
    trigger("FindButton");
    ASSERT_EQ(results->count(), 2);
    EXPECT_TRUE(results->isEnabled());
    EXPECT_EQ(results->item(0)->text(), "Page 1");
    EXPECT_EQ(results->item(1)->text(), "Page 3");
    emit results->itemClicked(results->item(1));
    EXPECT_EQ(pageShown(), 3);

    trigger("FindButton");
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), "No matching text");
    EXPECT_FALSE(results->isEnabled());
}

// Keyboard only: every button on the tool bar is reached by Tab, and the
// usual keys of a viewer run their commands.
TEST_F(PreviewWindow, TabReachesEveryEnabledButtonAndThePage)
{
    auto printer = finishedPrinter({ "Seite 1", "Seite 2" });
    open(printer.get());
    QApplication::setActiveWindow(m_window);
    m_window->findChild<QToolButton*>("ExitButton")->setFocus();
    QStringList reached;
    for (int i = 0; i < 40; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (auto* button = qobject_cast<QToolButton*>(focus))
            reached << (button->defaultAction() ? button->defaultAction()->objectName() : button->objectName());
        else
            reached << focus->objectName();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
    }
    for (const char* name :
        { "ZoomFit", "ZoomToWidth", "Zoom100", "FirstPage", "PreviousPage", "nextPage", "LastPage", "GotoPageButton",
            "FindButton", "copybutton", "PrintSetup", "Print", "LoadReport", "SaveReport", "ExitButton", "BVPreview" })
        EXPECT_TRUE(reached.contains(name)) << name;
    // Disabled once the pages are finished.
    EXPECT_FALSE(reached.contains("CancelButton"));
}

TEST_F(PreviewWindow, ViewerKeysRunTheirCommands)
{
    auto printer = finishedPrinter({ "Im ersten Jahr", "Summe", "Jahr 2" });
    open(printer.get());
    QApplication::setActiveWindow(m_window);
    m_window->preview()->setFocus();
    m_dialogs->searches = { { "jahr", false } };
    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(m_window->searchResultBox()->count(), 2);
    // F3 walks the pages found, after the one shown, and starts again at the first.
    key(Qt::Key_F3);
    EXPECT_EQ(pageShown(), 3);
    key(Qt::Key_F3);
    EXPECT_EQ(pageShown(), 1);

    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(m_window->preview()->Zoom(), 100);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(m_window->preview()->Zoom(), 125);
    key(Qt::Key_Minus, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(m_window->preview()->Zoom(), 75);

    m_dialogs->saves.clear();
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_dialogs->lastSavePreset.isEmpty(), false);
    EXPECT_EQ(m_window->action("Print")->toolTip(), "Print (Ctrl+P)");
    EXPECT_EQ(m_window->action("FindButton")->toolTip(), "Search for Text (Ctrl+F)");
}

TEST_F(PreviewWindow, ThePageAreaIsNamedAfterThePageItShows)
{
    auto printer = finishedPrinter({ "Seite 1", "Seite 2" });
    open(printer.get());
    key(Qt::Key_PageDown);
    EXPECT_EQ(m_window->preview()->accessibleName(), "Page 2 of 2");
}

TEST_F(PreviewWindow, CopyPutsThePageMetafileAndAPictureOnTheClipboard)
{
    auto printer = finishedPrinter({ "Seite 1", "Seite 2" });
    open(printer.get());
    trigger("nextPage");
    trigger("copybutton");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/x-emf"));
    EXPECT_EQ(data->data("image/x-emf"), printer->GetPage(2)->bytes());
    EXPECT_EQ(EmfPage::fromBytes(data->data("image/x-emf")).sizePx(), QSize(794, 1123));
    EXPECT_TRUE(data->hasImage());
}

TEST_F(PreviewWindow, VetoedCommandDoesNothing)
{
    auto printer = finishedPrinter({ "Seite 1" });
    open(printer.get());
    QApplication::clipboard()->setText(QStringLiteral("vorher"));
    m_owner.vetoAll = true;
    m_dialogs->saves = { { "/tmp/never", 2 } };
    trigger("copybutton");
    trigger("SaveReport");
    EXPECT_EQ(QApplication::clipboard()->text(), "vorher");
    EXPECT_EQ(m_dialogs->saves.size(), 1u);
}

TEST_F(PreviewWindow, SavesWithTheSecondFilterEntryAndLoadsTheFileAgain)
{
    QTemporaryDir dir;
    auto printer = finishedPrinter({ "Seite 1", "Jahr 2", "Seite 3" });
    open(printer.get());
    m_dialogs->saves = { { dir.filePath("plan"), 2 } };
    trigger("SaveReport");
    EXPECT_EQ(m_dialogs->lastSavePreset, QDir(defaultSaveFolder()).filePath("Kreditrechnung.BVP"));
    ASSERT_GE(m_dialogs->lastSaveFilters.size(), 2);
    EXPECT_EQ(m_dialogs->lastSaveFilters.at(0), ".BVP (*.BVP)");
    EXPECT_EQ(m_dialogs->lastSaveFilters.at(1), "Belvanto file(*.BVP)");
    ASSERT_TRUE(QFile::exists(dir.filePath("plan.BVP"))) << m_dialogs->errors.join('\n').toStdString();

    // Load it into the window of another, one-page report.
    auto other = finishedPrinter({ "Anderer Bericht" });
    m_window->close();
    processEvents();
    open(other.get());
    m_dialogs->opens = { dir.filePath("plan.BVP") };
    trigger("LoadReport");
    EXPECT_TRUE(m_dialogs->errors.isEmpty()) << m_dialogs->errors.join('\n').toStdString();
    EXPECT_EQ(other->PageCount(), 3);
    EXPECT_EQ(m_window->statusPanel(2)->text(), dir.filePath("plan.BVP"));
    EXPECT_EQ(m_window->statusPanel(1)->text(), "Page 1 of 3");
    EXPECT_EQ(m_window->thumbGrid()->count(), 3);
    EXPECT_EQ(m_window->thumbGrid()->currentRow(), 0);
    EXPECT_EQ(other->GetPage(2)->bytes(), printer->GetPage(2)->bytes());
    m_dialogs->searches = { { "JAHR", false } };
    trigger("FindButton");
    ASSERT_EQ(m_window->searchResultBox()->count(), 1);
    EXPECT_EQ(m_window->searchResultBox()->item(0)->text(), "Page 2");
}

TEST_F(PreviewWindow, ANameWithAWildcardIsRefusedAndNothingIsWritten)
{
    QTemporaryDir dir;
    auto printer = finishedPrinter({ "Seite 1" });
    open(printer.get());
    m_dialogs->saves = { { dir.filePath("*.BVP"), 1 } };
    trigger("SaveReport");
    EXPECT_EQ(m_dialogs->errors.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PreviewWindow, LoadingAMissingOrDamagedFileKeepsThePages)
{
    QTemporaryDir dir;
    QFile damaged(dir.filePath("damaged.BVP"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(400, 'x'));
    damaged.close();
    auto printer = finishedPrinter({ "Seite 1", "Seite 2" });
    open(printer.get());
    m_dialogs->opens = { dir.filePath("missing.BVP"), damaged.fileName() };
    trigger("LoadReport");
    EXPECT_EQ(m_dialogs->messages, QStringList { "File does not exist" });
    trigger("LoadReport");
    EXPECT_EQ(m_dialogs->errors.size(), 1);
    EXPECT_EQ(printer->PageCount(), 2);
    EXPECT_NE(printer->GetPage(2), nullptr);
    EXPECT_EQ(m_window->statusPanel(2)->text(), "Kreditrechnung");
}

class PreviewExport : public PreviewWindow {
protected:
    void SetUp() override { TBVExportFilterLibrary::instance().AddFilterClass(htmlClass()); }
    void TearDown() override
    {
        PreviewWindow::TearDown();
        TBVExportFilterLibrary::instance().RemoveFilterClass(htmlClass());
    }
    static TBVExportFilterClass htmlClass() { return TBVExportFilterClass::of<HtmlTestFilter>("HtmlTestFilter"); }
};

TEST_F(PreviewExport, AnHtmlNameLooksForTheHtmFilter)
{
    QTemporaryDir dir;
    auto printer = finishedPrinter({ "Seite 1" });
    open(printer.get());
    m_dialogs->saves = { { dir.filePath("plan.html"), 2 }, { dir.filePath("plan.doc"), 1 } };
    trigger("SaveReport");
    EXPECT_TRUE(m_dialogs->lastSaveFilters.contains("HTML test document (*.HTM)"));
    EXPECT_EQ(m_owner.exportedFiles, QStringList { dir.filePath("plan.html") });
    EXPECT_EQ(m_owner.exportedExtensions, QStringList { "HTM" });
    // No filter for the extension: nothing is written and nothing said.
    trigger("SaveReport");
    EXPECT_EQ(m_owner.exportedFiles.size(), 1);
    EXPECT_TRUE(m_dialogs->errors.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("plan.doc")));
}

TEST(SearchDialog, AnswersTextAndCase)
{
    QtPreviewDialogs dialogs;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TSearchDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Search for Text");
        dialog->textField()->setText(QStringLiteral("Jahr"));
        dialog->matchCaseBox()->setChecked(true);
        dialog->searchButton()->click();
    });
    const std::optional<PreviewDialogs::SearchAnswer> answer = dialogs.askSearch(nullptr);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->text, "Jahr");
    EXPECT_TRUE(answer->matchCase);
}

TEST(PreviewArea, FitToPageInTheExampleAreaGivesThirtyEight)
{
    auto printer = finishedPrinter({ "Seite 1" });
    TBVPreview preview;
    preview.setPrinter(printer.get());
    const int frame = preview.frameWidth();
    preview.resize(556 + 2 * frame, 447 + 2 * frame);
    preview.show();
    // At 100 % the page needs scroll bars; once it fits they go and the
    // whole area counts.
    preview.ZoomToFit();
    processEvents();
    ASSERT_EQ(preview.viewport()->size(), QSize(556, 447));
    EXPECT_EQ(preview.Zoom(), 38);
    EXPECT_EQ(preview.ZoomMode(), TBVZoomMode::bvZoomToFit);
    EXPECT_EQ(preview.image()->size(), QSize(306, 431));
    EXPECT_EQ(preview.image()->pos(), QPoint(125, 8));

    preview.setZoom(1);
    EXPECT_EQ(preview.Zoom(), 38);
    EXPECT_EQ(preview.ZoomMode(), TBVZoomMode::bvZoomToFit);
    preview.setZoom(150);
    EXPECT_EQ(preview.ZoomMode(), TBVZoomMode::bvZoomOther);
    // 794 * 1.5 = 1191 and 1123 * 1.5 = 1684.5, which rounds to the even 1684.
    EXPECT_EQ(preview.image()->size(), QSize(1195, 1688));
}

TEST_F(PreviewWindow, WithoutStoredSizeOpensCentredShowingToolBarTabsAndAPage)
{
    auto printer = finishedPrinter({ "Seite 1" });
    open(printer.get());
    const QRect screen = m_window->screen()->availableGeometry();
    EXPECT_LE(std::abs(m_window->frameGeometry().center().x() - screen.center().x()), 2);
    const QToolBar* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    EXPECT_GE(toolBar->width(), toolBar->sizeHint().width());
    const QTabBar* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("Tabs"))->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_GE(tabs->tabRect(i).width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i))) << i;
    trigger("ZoomToWidth");
    const QSize page = m_window->preview()->image()->size();
    if (m_window->height() < screen.height() - 60) { // room on the screen: the page shows whole
        EXPECT_LE(page.height(), m_window->preview()->viewport()->height());
    }
}

TEST_F(PreviewWindow, StoredSizeAndPlaceWin)
{
    auto printer = finishedPrinter({ "Seite 1" });
    m_owner.settings.width = 640;
    m_owner.settings.height = 480;
    m_owner.settings.position = QPoint(30, 40);
    open(printer.get());
    EXPECT_EQ(m_window->size(), QSize(640, 480));
    EXPECT_EQ(m_window->pos(), QPoint(30, 40));
}

TEST_F(PreviewWindow, FinishedRunLeavesNoPercentage)
{
    TBVPrinter printer;
    printer.StartJob();
    drawPage(printer, "Seite 1");
    open(&printer);
    printer.FinishJob();
    processEvents();
    EXPECT_EQ(m_window->statusPanel(0)->text(), QString());
}

TEST_F(PreviewWindow, ScreenshotShowsThePage)
{
    auto printer = finishedPrinter({ "Anlageentwicklung Jahr 1", "Seite 2" });
    m_owner.settings.width = 900;
    m_owner.settings.height = 700;
    open(printer.get());
    trigger("ZoomToWidth");
    const QImage shot = m_window->grab().toImage();
    const QString path = QDir::temp().filePath("fundorix_preview_window.png");
    ASSERT_TRUE(shot.save(path));
    // The sheet is white somewhere inside the page area.
    const QPoint inPreview = m_window->preview()->mapTo(m_window, QPoint(m_window->preview()->width() / 2, 300));
    EXPECT_EQ(shot.pixelColor(inPreview), QColor(Qt::white));
}

} // namespace
