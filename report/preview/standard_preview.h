#pragma once

#include "report/preview/paging.h"
#include "report/preview/preview_owner.h"
#include "report/preview/preview_settings.h"
#include "report/store/printer.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QTabWidget;
class QToolButton;
class PreviewDialogs;
class TBVPreview;
class TBVThumbGrid;

// The report preview window. It shows the pages of a page printer while they
// are still being made (the printer's pageAvailable and progress signals feed
// it) and offers zoom, paging, search, copy, save and load. The window frees
// itself when closed; it refuses to close while its printer is making pages.
//
// A report previews by: create the window for its printer, show() it,
// generate while processing events, then WaitUntilClosed.
class TBVStandardPreview : public QMainWindow {
    Q_OBJECT
public:
    // owner may be null (a window for a loaded file): the window then starts
    // maximised with thumbnails, search and 100 %. Neither is owned.
    TBVStandardPreview(TBVPrinter* printer, TBVPreviewOwner* owner, QWidget* parent = nullptr);
    ~TBVStandardPreview() override;

    // Replaces the dialogs the window asks through (tests, other front ends).
    void setDialogs(std::unique_ptr<PreviewDialogs> dialogs);

    // Runs a local event loop until the window has closed (or the application
    // quits). Returns at once when the window is already gone.
    static void WaitUntilClosed(QPointer<TBVStandardPreview> window);

    TBVPreview* preview() const { return m_preview; }
    TBVThumbGrid* thumbGrid() const { return m_thumbGrid; }
    QListWidget* searchResultBox() const { return m_searchResults; }
    QLabel* statusPanel(int index) const;
    QAction* action(const QString& objectName) const;

    // Commands of the tool bar and the keys.
    void ZoomFitClick();
    void ZoomToWidthClick();
    void Zoom100Click();
    void page(TBVPageCommand command);
    void GotoPageClick();
    void FindClick();
    // F3: the next page the last search found, after the one shown; without
    // a search yet, a new search.
    void FindNextClick();
    void CopyClick();
    void PrintSetupClick();
    void PrintClick();
    void SaveReportClick();
    void LoadReportClick();
    void CancelClick();

    // The printer has this many finished pages (also when its job ended).
    void PageAvailable(int availablePages);
    // The printer's run has ended in any way, also without a final page
    // message (a refused or aborted run).
    void GenerationEnded();
    void ProgressUpdate(int percent);
    // The owner's command in progress was taken or given back.
    void CommandStateChanged();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void addKeyboardCommands();
    void buildStatusBar();
    void buildTabs();
    void applySettings();
    void placeWindow();
    void applyInitialZoom();
    void attachPrinter();
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    bool allowed(TBVPreviewCommand command);
    bool printerFinished() const;
    bool commandInProgress() const;
    // A command that would start a run or change the page printer may start.
    bool mayStartCommand() const;
    bool printerInstalled();
    void updatePageStatus();
    void setRunningState(bool finished);
    void showPageNumber(int pageNumber);
    void runSearch(const QString& text, bool matchCase);
    void saveTo(const QString& fileName, int filterIndex);
    void exportTo(const QString& fileName, const QString& extension);
    void loadFrom(const QString& fileName);
    void rebuildThumbnails();

    QPointer<TBVPrinter> m_printer;
    TBVPreviewOwner* m_owner;
    std::unique_ptr<PreviewDialogs> m_dialogs;
    TBVPreviewSettings m_settings;
    TBVPreview* m_preview = nullptr;
    QTabWidget* m_tabs = nullptr;
    TBVThumbGrid* m_thumbGrid = nullptr;
    QListWidget* m_searchResults = nullptr;
    QLabel* m_searchTextLabel = nullptr;
    QLabel* m_panels[3] = {};
    QToolButton* m_exitButton = nullptr;
    ProgressPanel m_progress;
    QString m_statusTitle;
    bool m_loadedFile = false;
    bool m_searching = false;
    bool m_closed = false;
};
