#include "report/preview/standard_preview.h"

#include "report/preview/glyphs.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_image.h"
#include "report/preview/screen_fit.h"
#include "report/preview/thumb_grid.h"
#include "report/store/printer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const CaptionPrefix = "Report Preview : ";

struct ButtonSpec {
    const char* name;
    TBVGlyph glyph;
    const char* hint;
};

// The tool bar from left to right; an entry without a name is a separator.
const ButtonSpec ToolBarButtons[] = {
    { "ZoomFit", TBVGlyph::SmallPage, "Zoom to fit" },
    { "ZoomToWidth", TBVGlyph::PageBetweenArrows, "Zoom to width" },
    { "Zoom100", TBVGlyph::LargePage, "100% Size" },
    { nullptr, TBVGlyph::SmallPage, "Spacer3" },
    { "FirstPage", TBVGlyph::FirstPage, "First page" },
    { "PreviousPage", TBVGlyph::PreviousPage, "Previous page" },
    { "nextPage", TBVGlyph::NextPage, "Next page" },
    { "LastPage", TBVGlyph::LastPage, "Last page" },
    { nullptr, TBVGlyph::SmallPage, "Spacer2" },
    { "GotoPageButton", TBVGlyph::PageWithArrow, "Select a Page" },
    { "FindButton", TBVGlyph::Search, "Search for Text" },
    { nullptr, TBVGlyph::SmallPage, "Spacer1" },
    { "copybutton", TBVGlyph::TwoPages, "Copy page to clipboard" },
    { "PrintSetup", TBVGlyph::PrinterSetup, "Printer setup" },
    { "Print", TBVGlyph::Printer, "Print" },
    { "LoadReport", TBVGlyph::OpenFolder, "Load report" },
    { "SaveReport", TBVGlyph::Disk, "Save report" },
    { nullptr, TBVGlyph::SmallPage, "Spacer5" },
    { "CancelButton", TBVGlyph::CrossedPage, "Cancel the report" },
};

// The commands that wait until the printer has finished its pages.
const char* const FinishedOnlyButtons[]
    = { "FindButton", "GotoPageButton", "FirstPage", "PreviousPage", "nextPage", "LastPage" };

// The commands that start a run or change the page printer: they wait, in
// addition, until no other command of the report is in progress.
const char* const OneAtATimeButtons[] = { "PrintSetup", "Print", "SaveReport", "LoadReport" };

// The keys of the tool bar's commands, shown in their tooltips.
const std::pair<const char*, QKeySequence::StandardKey> CommandKeys[] = {
    { "Print", QKeySequence::Print },
    { "SaveReport", QKeySequence::Save },
    { "LoadReport", QKeySequence::Open },
    { "FindButton", QKeySequence::Find },
    { "copybutton", QKeySequence::Copy },
};

// The zooms that Ctrl++ and Ctrl+- step through.
constexpr int ZoomSteps[] = { 2, 5, 10, 25, 50, 75, 100, 125, 150, 200, 300, 400, 600, 800, 1200, 1600, 2000 };

int steppedZoom(int zoom, bool in)
{
    if (in) {
        for (int step : ZoomSteps) {
            if (step > zoom)
                return step;
        }
        return zoom;
    }
    for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps); ++it) {
        if (*it < zoom)
            return *it;
    }
    return zoom;
}

QString withKeys(const QString& hint, const QList<QKeySequence>& keys)
{
    return keys.isEmpty()
        ? hint
        : hint + QStringLiteral(" (") + keys.first().toString(QKeySequence::NativeText) + QLatin1Char(')');
}

// The client area of the stored form.
constexpr QSize DesignedSize(753, 499);

constexpr int ButtonWidth = 34;
constexpr int SeparatorWidth = 26;

} // namespace

TBVStandardPreview::TBVStandardPreview(TBVPrinter* printer, TBVPreviewOwner* owner, QWidget* parent)
    : QMainWindow(parent)
    , m_printer(printer)
    , m_owner(owner)
    , m_dialogs(std::make_unique<QtPreviewDialogs>())
{
    setObjectName(QStringLiteral("BVStandardPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(DesignedSize);
    m_preview = new TBVPreview;
    m_preview->setObjectName(QStringLiteral("BVPreview"));
    buildToolBar();
    addKeyboardCommands();
    buildStatusBar();
    buildTabs();
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("Splitter2"));
    splitter->setHandleWidth(4);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_preview);
    splitter->setStretchFactor(1, 1);
    // Wide enough for both sheet captions ("Search Results" in full).
    const int tabsWidth = std::max(193, m_tabs->tabBar()->sizeHint().width() + 8);
    splitter->setSizes({ tabsWidth, DesignedSize.width() - tabsWidth });
    setCentralWidget(splitter);

    attachPrinter();
    applySettings();
    applyInitialZoom();
    setRunningState(printerFinished());
    action(QStringLiteral("CancelButton"))->setEnabled(false);
    updatePageStatus();

    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    keepOnScreenWhenShown(*this);
    if (m_owner)
        m_owner->AllowPreviewCommand(TBVPreviewCommand::Created);
}

TBVStandardPreview::~TBVStandardPreview() = default;

void TBVStandardPreview::setDialogs(std::unique_ptr<PreviewDialogs> dialogs) { m_dialogs = std::move(dialogs); }

void TBVStandardPreview::buildToolBar()
{
    auto* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFixedHeight(30);
    bar->setIconSize(QSize(GlyphSize, GlyphSize));
    for (const ButtonSpec& entry : ToolBarButtons) {
        if (!entry.name) {
            auto* spacer = new QWidget;
            spacer->setObjectName(QString::fromLatin1(entry.hint));
            spacer->setFixedWidth(SeparatorWidth);
            bar->addWidget(spacer);
            continue;
        }
        QAction* button = bar->addAction(QIcon(previewGlyph(entry.glyph)), QString::fromLatin1(entry.hint));
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setToolTip(QString::fromLatin1(entry.hint));
        bar->widgetForAction(button)->setFixedWidth(ButtonWidth);
        // Tab reaches every button; a click leaves the focus where it was.
        bar->widgetForAction(button)->setFocusPolicy(Qt::TabFocus);
    }
    m_exitButton = new QToolButton;
    m_exitButton->setObjectName(QStringLiteral("ExitButton"));
    m_exitButton->setText(QStringLiteral("&Close"));
    m_exitButton->setToolTip(QStringLiteral("Close Preview"));
    m_exitButton->setAutoRaise(true);
    m_exitButton->setFixedSize(67, 22);
    bar->addWidget(m_exitButton);
    connect(m_exitButton, &QToolButton::clicked, this, &QWidget::close);

    auto* zoomGroup = new QActionGroup(this);
    for (const char* name : { "ZoomFit", "ZoomToWidth", "Zoom100" }) {
        QAction* zoom = action(QString::fromLatin1(name));
        zoom->setCheckable(true);
        zoomGroup->addAction(zoom);
    }
    const std::pair<const char*, void (TBVStandardPreview::*)()> commands[] = {
        { "ZoomFit", &TBVStandardPreview::ZoomFitClick },
        { "ZoomToWidth", &TBVStandardPreview::ZoomToWidthClick },
        { "Zoom100", &TBVStandardPreview::Zoom100Click },
        { "GotoPageButton", &TBVStandardPreview::GotoPageClick },
        { "FindButton", &TBVStandardPreview::FindClick },
        { "copybutton", &TBVStandardPreview::CopyClick },
        { "PrintSetup", &TBVStandardPreview::PrintSetupClick },
        { "Print", &TBVStandardPreview::PrintClick },
        { "LoadReport", &TBVStandardPreview::LoadReportClick },
        { "SaveReport", &TBVStandardPreview::SaveReportClick },
        { "CancelButton", &TBVStandardPreview::CancelClick },
    };
    for (const auto& [name, slot] : commands)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    const std::pair<const char*, TBVPageCommand> paging[] = {
        { "FirstPage", TBVPageCommand::First },
        { "PreviousPage", TBVPageCommand::Previous },
        { "nextPage", TBVPageCommand::Next },
        { "LastPage", TBVPageCommand::Last },
    };
    for (const auto& [name, command] : paging)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, [this, c = command] { page(c); });
}

// The usual keys of a viewer: each command's own, zoom in and out, 100 % and
// search again.
void TBVStandardPreview::addKeyboardCommands()
{
    for (const auto& [name, key] : CommandKeys) {
        QAction* command = action(QString::fromLatin1(name));
        command->setShortcuts(key);
        command->setToolTip(withKeys(command->toolTip(), command->shortcuts()));
    }
    QAction* zoom100 = action(QStringLiteral("Zoom100"));
    zoom100->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    zoom100->setToolTip(withKeys(zoom100->toolTip(), zoom100->shortcuts()));

    const std::pair<const char*, bool> zooms[] = { { "ZoomIn", true }, { "ZoomOut", false } };
    for (const auto& [name, in] : zooms) {
        auto* zoom = new QAction(QString::fromLatin1(in ? "Zoom in" : "Zoom out"), this);
        zoom->setObjectName(QString::fromLatin1(name));
        QList<QKeySequence> keys = QKeySequence::keyBindings(in ? QKeySequence::ZoomIn : QKeySequence::ZoomOut);
        if (in)
            keys << QKeySequence(Qt::CTRL | Qt::Key_Equal);
        zoom->setShortcuts(keys);
        connect(zoom, &QAction::triggered, this,
            [this, in = in] { m_preview->setZoom(steppedZoom(m_preview->Zoom(), in)); });
        addAction(zoom);
    }
    auto* findNext = new QAction(QStringLiteral("Search again"), this);
    findNext->setObjectName(QStringLiteral("FindNext"));
    findNext->setShortcuts(QKeySequence::FindNext);
    connect(findNext, &QAction::triggered, this, &TBVStandardPreview::FindNextClick);
    addAction(findNext);
}

void TBVStandardPreview::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    const int widths[] = { 40, 120, 50 };
    const char* const texts[] = { "0%", "Page", " " };
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(QString::fromLatin1(texts[i]));
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        m_panels[i]->setMinimumWidth(widths[i]);
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        if (i < 2)
            m_panels[i]->setFixedWidth(widths[i]);
        bar->addWidget(m_panels[i], i == 2 ? 1 : 0);
    }
    m_panels[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TBVStandardPreview::buildTabs()
{
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("Tabs"));
    m_tabs->setMinimumWidth(120);
    m_tabs->setAccessibleName(QStringLiteral("Thumbnails and search results"));
    m_tabs->tabBar()->setAccessibleName(QStringLiteral("Thumbnails and search results"));
    m_thumbGrid = new TBVThumbGrid;
    m_thumbGrid->setObjectName(QStringLiteral("ThumbGrid"));
    m_thumbGrid->setAccessibleName(QStringLiteral("ThumbNails"));
    m_tabs->addTab(m_thumbGrid, QStringLiteral("ThumbNails"));
    m_tabs->widget(0)->setObjectName(QStringLiteral("TabThumbs"));

    auto* searchSheet = new QWidget;
    searchSheet->setObjectName(QStringLiteral("TabSearchResult"));
    auto* group = new QGroupBox(QStringLiteral("Search Text"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setFixedHeight(41);
    m_searchTextLabel = new QLabel;
    m_searchTextLabel->setObjectName(QStringLiteral("SearchTextLabel"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(6, 0, 6, 2);
    groupLayout->addWidget(m_searchTextLabel);
    m_searchResults = new QListWidget;
    m_searchResults->setObjectName(QStringLiteral("SearchResultBox"));
    m_searchResults->setAccessibleName(QStringLiteral("Search Results"));
    m_searchResults->setEnabled(false);
    auto* sheetLayout = new QVBoxLayout(searchSheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->addWidget(group);
    sheetLayout->addWidget(m_searchResults);
    m_tabs->addTab(searchSheet, QStringLiteral("Search Results"));

    connect(m_thumbGrid, &TBVThumbGrid::pageSelected, this, &TBVStandardPreview::showPageNumber);
    const auto showFound = [this](QListWidgetItem* item) {
        const int pageNumber = item->data(Qt::UserRole).toInt();
        if (pageNumber > 0)
            showPageNumber(pageNumber);
    };
    connect(m_searchResults, &QListWidget::itemClicked, this, showFound);
    // Enter on an entry, for the keyboard.
    connect(m_searchResults, &QListWidget::itemActivated, this, showFound);
}

void TBVStandardPreview::attachPrinter()
{
    m_preview->setPrinter(m_printer);
    m_thumbGrid->setPrinter(m_printer);
    connect(m_preview, &TBVPreview::pageChanged, this, [this](int pageNumber) {
        m_thumbGrid->selectRowQuietly(pageNumber - 1);
        updatePageStatus();
    });
    connect(m_preview->image(), &TBVPreviewImage::hyperlinkHovered, this,
        [this](const QString& link) { m_panels[2]->setText(link.isEmpty() ? m_statusTitle : link); });
    if (!m_printer)
        return;
    // Page and progress messages are posted, as the printer sends them in
    // the middle of making a page; the window reads pages between steps.
    connect(m_printer, &TBVPrinter::pageAvailable, this, &TBVStandardPreview::PageAvailable, Qt::QueuedConnection);
    connect(m_printer, &TBVPrinter::progress, this, &TBVStandardPreview::ProgressUpdate, Qt::QueuedConnection);
}

void TBVStandardPreview::applySettings()
{
    if (m_owner) {
        m_settings = m_owner->PreviewSettings();
        setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.stayOnTop);
        placeWindow();
        setWindowState(m_settings.initialState);
        m_statusTitle = m_settings.reportTitle;
    } else {
        m_settings = TBVPreviewSettings();
        m_settings.initialZoom = TBVZoomState::bvZoom100;
        setWindowState(Qt::WindowMaximized);
    }
    const QString title = m_printer ? m_printer->Title() : QString();
    setWindowTitle(QString::fromLatin1(CaptionPrefix) + title);

    const bool tabsShown = m_settings.showThumbs || m_settings.showSearch;
    m_tabs->setVisible(tabsShown);
    m_tabs->setTabVisible(0, m_settings.showThumbs);
    m_tabs->setTabVisible(1, m_settings.showSearch);
    action(QStringLiteral("FindButton"))->setVisible(m_settings.showSearch);
    const int pages = m_printer ? m_printer->PageCount() : 0;
    m_thumbGrid->setRowCount(tabsShown && pages > 0 ? pages : 1);
}

// Stored sizes and places win; without them the window opens centred, wide
// enough for the whole tool bar and tall enough for a page at fit-to-width.
void TBVStandardPreview::placeWindow()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    if (m_settings.width <= 0 || m_settings.height <= 0) {
        layout()->activate();
        const QSize chrome = size() - m_preview->viewport()->size();
        const QSize pagePx = m_printer ? m_preview->pageSizePx() : QSize();
        const QToolBar* toolBar = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        const int toolBarWidth = toolBar->sizeHint().width() + (width() - toolBar->width());
        const QSize fitting
            = fittingWindowSize(DesignedSize, toolBarWidth, chrome, pagePx, available.size() - frameExtra);
        resize(m_settings.width > 0 ? m_settings.width : fitting.width(),
            m_settings.height > 0 ? m_settings.height : fitting.height());
    } else {
        resize(m_settings.width, m_settings.height);
    }
    if (m_settings.position) {
        move(*m_settings.position);
        return;
    }
    QRect frame(QPoint(), size() + frameExtra);
    frame.moveCenter(available.center());
    move(frame.topLeft());
}

void TBVStandardPreview::applyInitialZoom()
{
    switch (m_settings.initialZoom) {
    case TBVZoomState::bvZoomToFit:
        action(QStringLiteral("ZoomFit"))->setChecked(true);
        m_preview->ZoomToFit();
        break;
    case TBVZoomState::bvZoomToWidth:
        action(QStringLiteral("ZoomToWidth"))->setChecked(true);
        m_preview->ZoomToWidth();
        break;
    case TBVZoomState::bvZoomOther:
    case TBVZoomState::bvZoom100:
        action(QStringLiteral("Zoom100"))->setChecked(true);
        m_preview->setZoom(m_settings.zoom);
        break;
    }
}

QLabel* TBVStandardPreview::statusPanel(int index) const { return index >= 0 && index < 3 ? m_panels[index] : nullptr; }

QAction* TBVStandardPreview::action(const QString& objectName) const { return findChild<QAction*>(objectName); }

bool TBVStandardPreview::allowed(TBVPreviewCommand command)
{
    return !m_owner || m_owner->AllowPreviewCommand(command);
}

bool TBVStandardPreview::printerFinished() const
{
    return m_printer && m_printer->Status() == TBVPrinterStatus::Finished;
}

void TBVStandardPreview::updatePageStatus()
{
    const int pages = m_printer ? m_printer->PageCount() : 0;
    m_panels[1]->setText(pageStatusText(m_preview->PageNumber(), pages));
    m_panels[2]->setText(m_statusTitle);
    // The page area is read as the page it shows.
    m_preview->setAccessibleName(m_panels[1]->text());
}

bool TBVStandardPreview::commandInProgress() const { return m_owner && m_owner->CommandInProgress(); }

bool TBVStandardPreview::mayStartCommand() const { return m_printer && printerFinished() && !commandInProgress(); }

void TBVStandardPreview::setRunningState(bool finished)
{
    for (const char* name : FinishedOnlyButtons)
        action(QString::fromLatin1(name))->setEnabled(finished);
    for (const char* name : OneAtATimeButtons)
        action(QString::fromLatin1(name))->setEnabled(finished && !commandInProgress());
    action(QStringLiteral("CancelButton"))->setEnabled(!finished);
}

void TBVStandardPreview::CommandStateChanged() { setRunningState(printerFinished()); }

void TBVStandardPreview::ZoomFitClick() { m_preview->ZoomToFit(); }

void TBVStandardPreview::ZoomToWidthClick() { m_preview->ZoomToWidth(); }

void TBVStandardPreview::Zoom100Click() { m_preview->setZoom(100); }

void TBVStandardPreview::showPageNumber(int pageNumber) { m_preview->showPage(pageNumber); }

void TBVStandardPreview::page(TBVPageCommand command)
{
    if (!m_printer)
        return;
    const std::optional<int> target
        = pageForCommand(command, m_preview->PageNumber(), m_printer->PageCount(), printerFinished());
    if (target)
        showPageNumber(*target);
}

void TBVStandardPreview::PageAvailable(int availablePages)
{
    if (!m_printer)
        return;
    if (availablePages == m_preview->PageNumber() && !m_preview->hasPagePicture()) {
        m_preview->reloadPage();
        m_preview->applyZoom();
    }
    const bool finished = printerFinished();
    const int pages = m_printer->PageCount();
    m_thumbGrid->setRowCount(finished ? pages : pages - 1);
    m_thumbGrid->viewport()->update();
    setRunningState(finished);
    if (finished)
        ProgressUpdate(100); // a finished run leaves no percentage behind
    updatePageStatus();
    if (m_owner && m_settings.pagesInPreview > 0 && m_settings.pagesInPreview == pages)
        m_owner->StopTakingRecords();
}

void TBVStandardPreview::GenerationEnded()
{
    if (m_printer)
        PageAvailable(m_printer->AvailablePages());
}

void TBVStandardPreview::ProgressUpdate(int percent)
{
    if (const std::optional<QString> text = m_progress.update(percent))
        m_panels[0]->setText(*text);
}

void TBVStandardPreview::CancelClick()
{
    if (allowed(TBVPreviewCommand::Cancel) && m_owner)
        m_owner->StopTakingRecords();
}

bool TBVStandardPreview::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_PageUp:
        page(ctrl ? TBVPageCommand::First : TBVPageCommand::Previous);
        return true;
    case Qt::Key_PageDown:
        page(ctrl ? TBVPageCommand::Last : TBVPageCommand::Next);
        return true;
    case Qt::Key_Home:
        page(TBVPageCommand::First);
        return true;
    case Qt::Key_End:
        page(TBVPageCommand::Last);
        return true;
    case Qt::Key_Up:
        m_preview->scrollUpStep();
        return true;
    case Qt::Key_Down:
        m_preview->scrollDownStep();
        return true;
    default:
        return false;
    }
}

bool TBVStandardPreview::eventFilter(QObject* watched, QEvent* event)
{
    // The window sees every key before its controls do.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (handleKey(key->key(), key->modifiers()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TBVStandardPreview::closeEvent(QCloseEvent* event)
{
    if (m_printer && m_printer->Status() == TBVPrinterStatus::Busy) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    if (m_owner) {
        m_owner->AllowPreviewCommand(TBVPreviewCommand::Closed);
        m_owner->PreviewClosed();
    }
    emit closed();
}

void TBVStandardPreview::WaitUntilClosed(QPointer<TBVStandardPreview> window)
{
    if (!window || window->m_closed)
        return;
    QEventLoop loop;
    connect(window, &TBVStandardPreview::closed, &loop, &QEventLoop::quit);
    connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    loop.exec();
}
