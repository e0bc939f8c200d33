#include "main_window.h"

#include "chart_description.h"
#include "chart_view.h"
#include "colour_store.h"
#include "error_box.h"
#include "form_label.h"
#include "form_startup.h"
#include "info_page.h"
#include "information.h"
#include "number_conventions.h"
#include "plan_page.h"
#include "program_pictures.h"
#include "settings_file.h"
#include "string_grid.h"
#include "up_down.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int clientWidth = 480;
constexpr int clientHeight = 221;

QFont windowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

}

TAnlageRech::TAnlageRech(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent)
    , m_services(this)
    , m_form(m_services)
    , m_solvers(m_form)
    , m_settingsPath(settingsPath)
{
    applyNumberConventions();
    setObjectName(QStringLiteral("AnlageRech"));
    setWindowTitle(QStringLiteral("Wendlich's Fundorix  V2.0"));
    setWindowIcon(programIcon());
    setFont(windowFont());
    m_form.setYearSeriesListener(&m_chart);
    buildPages();
    buildMenus();
    connectFields();
    connectSpinners();
    connectResults();
    // The window opens with the focus in the first field of the Tab order,
    // not on the page tabs, so the keys start where the user types.
    m_plan->edit(Field::AnlageSumme)->setFocus();

    if (readSeriesColours()) {
        loadStartupInputs(m_form, m_settingsPath);
    } else {
        // An unusable stored colour ends the creation steps before the grid
        // headings and the settings file; the window still shows the plan
        // computed from its defaults.
        for (int row = 0; row < ExtraGrid::rowCount; ++row)
            m_form.setGridCell(row, 0, QString());
        m_form.recompute();
    }
    // The designed client area, grown where the pages need more for their texts.
    const QSize needed = centralWidget()->minimumSizeHint();
    setGeometry(320, 200, std::max(clientWidth, needed.width()),
        std::max(clientHeight, needed.height()) + menuBar()->sizeHint().height());
}

bool TAnlageRech::readSeriesColours()
{
    const StoredColours stored = ColourStore().read();
    for (int number = 1; number <= 4; ++number) {
        if (const std::optional<TColor> colour = stored.colours[number - 1])
            m_chart.setSeriesColour(number, *colour);
    }
    if (stored.failure.isEmpty())
        return true;
    m_services.showError(stored.failure);
    return false;
}

void TAnlageRech::buildPages()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(1, 1, 1, 1);
    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setAccessibleName(QStringLiteral("Seiten"));
    m_pages->tabBar()->setAccessibleName(QStringLiteral("Seiten"));
    layout->addWidget(m_pages);
    setCentralWidget(client);

    m_plan = new PlanPage;
    m_pages->addTab(m_plan, QStringLiteral("Plan"));
    buildChartPage();
    m_pages->addTab(new StringGrid(m_form), QStringLiteral("Ein- und Abgänge"));
    m_pages->addTab(new InfoPage, QStringLiteral("Info"));
    m_pages->setCurrentIndex(0);
    addPageKeys();
}

// Ctrl+PgDn and Ctrl+PgUp turn the pages from wherever the focus is, the
// grid and the memo included, which keep these keys for themselves otherwise.
void TAnlageRech::addPageKeys()
{
    const std::pair<QKeySequence, int> keys[]
        = { { QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1 }, { QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1 } };
    for (const auto& [sequence, step] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            const int count = m_pages->count();
            m_pages->setCurrentIndex((m_pages->currentIndex() + step + count) % count);
        });
    }
}

void TAnlageRech::buildChartPage()
{
    m_diagrammPage = new QWidget;
    m_diagrammPage->setObjectName(QStringLiteral("Diagramm"));
    m_pages->addTab(m_diagrammPage, QStringLiteral("Diagramm"));
    auto* layout = new QVBoxLayout(m_diagrammPage);
    layout->setContentsMargins(0, 0, 0, 0);
    m_chartView = new ChartView(m_chart.chart(), m_diagrammPage);
    m_chartView->setAccessibleName(m_chart.chart().Title.Text.join(QLatin1Char(' ')));
    layout->addWidget(m_chartView);

    // The popup menu's only item has no action.
    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_popupMenu->addAction(QStringLiteral("Diagrammeigenscften"))
        ->setObjectName(QStringLiteral("Diagrammeigenscften1"));
    m_chartView->setPopupMenu(m_popupMenu);
}

void TAnlageRech::buildMenus()
{
    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("Info2"));
    QAction* about = info->addAction(QStringLiteral("Fundo&rix"));
    about->setObjectName(QStringLiteral("Info1"));
    connect(about, &QAction::triggered, this, &TAnlageRech::Info1Click);
    menuBar()->addMenu(QStringLiteral("&Diagramm"))->setObjectName(QStringLiteral("Diagramm1"));
    QMenu* print = menuBar()->addMenu(QStringLiteral("D&rucken"));
    print->setObjectName(QStringLiteral("Drucken1"));
    print->addAction(QStringLiteral("&Anlageentwicklung"))->setObjectName(QStringLiteral("Anlageentwicklung1"));
    print->addAction(QStringLiteral("&Darlehnsberechnung"))->setObjectName(QStringLiteral("Darlehnsberechnung1"));
    print->addAction(QStringLiteral("Rentenplan Auszahlungsphase"))
        ->setObjectName(QStringLiteral("RentenplanAuszahlungsphase1"));
    print->addAction(QStringLiteral("Sparplan mit anschließender Auszahlung über 30 Jahre"))
        ->setObjectName(QStringLiteral("Sparplan1"));
    QAction* quit = menuBar()->addAction(QStringLiteral("&Beenden"));
    quit->setObjectName(QStringLiteral("Beenden1"));
    connect(quit, &QAction::triggered, this, &TAnlageRech::BitBtn1Click);
}

void TAnlageRech::connectFields()
{
    for (Field field : allFields) {
        if (field == Field::ComboBox1)
            continue;
        connect(m_plan->edit(field), &QLineEdit::textChanged, this,
            [this, field](const QString& text) { m_form.setFieldText(field, text); });
    }
    connect(m_plan->comboBox(), &QComboBox::editTextChanged, this,
        [this](const QString& text) { m_form.setFieldText(Field::ComboBox1, text); });
    connect(&m_form, &FormModel::fieldTextChanged, this, &TAnlageRech::showField);
    for (Field field : allFields) {
        if (field != Field::ComboBox1)
            m_plan->edit(field)->installEventFilter(this);
    }
}

void TAnlageRech::connectSpinners()
{
    for (Spinner spinner : allSpinners) {
        connect(m_plan->spinner(spinner), &UpDown::clicked, this,
            [this, spinner](bool up) { m_form.clickSpinner(spinner, up); });
    }
    connect(m_plan->yearsSpinner(), &UpDown::clicked, this, [this](bool up) { m_form.stepYears(up); });
}

void TAnlageRech::connectResults()
{
    connect(&m_form, &FormModel::resultsChanged, this, &TAnlageRech::showResults);
    FormLabel* depot = m_plan->value(ResultLabel::AnlageWunsch);
    connect(depot, &FormLabel::doubleClicked, this, [this] { m_solvers.AnlageWunschDblClick(); });
    connect(depot, &FormLabel::activated, this, [this] { m_solvers.AnlageWunschDblClick(); });
    FormLabel* gain = m_plan->value(ResultLabel::ANLAGEGEWINN);
    connect(gain, &FormLabel::clicked, this, [this] { m_solvers.ANLAGEGEWINNDblClick(); });
    connect(gain, &FormLabel::doubleClicked, this, [this] { m_solvers.ANLAGEGEWINNDblClick(); });
    connect(gain, &FormLabel::activated, this, [this] { m_solvers.ANLAGEGEWINNDblClick(); });
    connect(m_plan->label16(), &FormLabel::doubleClicked, this, [this] { m_solvers.Label16DblClick(); });
    connect(m_plan->label15(), &FormLabel::doubleClicked, this, [this] { m_solvers.Label15DblClick(); });
    connect(m_plan->label15(), &FormLabel::activated, this, [this] { m_solvers.Label15DblClick(); });
}

void TAnlageRech::showField(Field field, const QString& text)
{
    if (field == Field::ComboBox1) {
        if (m_plan->comboBox()->currentText() != text)
            m_plan->comboBox()->setCurrentText(text);
        return;
    }
    QLineEdit* edit = m_plan->edit(field);
    if (edit->text() == text)
        return;
    // What the recompute writes into a field the user has just emptied (its
    // "0") is selected, so the next typed character replaces it.
    const bool emptied = edit->text().isEmpty();
    edit->setText(text);
    if (emptied)
        edit->selectAll();
}

void TAnlageRech::showResults()
{
    for (ResultLabel label : allResultLabels)
        m_plan->showResult(label, m_form.resultText(label), m_form.resultHint(label));
    m_plan->edit(Field::Sparen)->setToolTip(m_form.fieldHint(Field::Sparen));
    m_chartView->setAccessibleDescription(chartDescription(m_form.yearValues()));
}

// Up and Down in a field do what its spinner's arrows do, with the same
// step, bounds and error box.
bool TAnlageRech::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return QMainWindow::eventFilter(watched, event);
    const bool up = key == Qt::Key_Up;
    if (watched == m_plan->edit(Field::Jahre)) {
        m_form.stepYears(up);
        return true;
    }
    for (Spinner spinner : allSpinners) {
        if (watched == m_plan->edit(spinnerRule(spinner).field)) {
            m_form.clickSpinner(spinner, up);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// A file that could not be written keeps the window open, so the inputs are
// not lost: the user can fix the cause and choose "Beenden" again, or close
// the window without saving.
void TAnlageRech::BitBtn1Click()
{
    const QString failure = writeSettingsFile(m_form, m_settingsPath);
    if (!failure.isEmpty()) {
        showStandardErrorBox(this, failure);
        return;
    }
    close();
}

void TAnlageRech::Info1Click() { showInformationWindow(this); }

void TAnlageRech::closeEvent(QCloseEvent* event)
{
    // A refused write is reported, but the user still gets out.
    const QString failure = ColourStore().write(m_chart.seriesColours());
    if (!failure.isEmpty())
        m_services.showError(failure);
    event->accept();
}
