#include "main_window.h"

#include "error_box.h"
#include "form_label.h"
#include "form_startup.h"
#include "info_page.h"
#include "number_conventions.h"
#include "plan_page.h"
#include "settings_file.h"
#include "string_grid.h"
#include "up_down.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

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
    setFont(windowFont());
    buildPages();
    buildMenus();
    connectFields();
    connectSpinners();
    connectResults();
    loadStartupInputs(m_form, m_settingsPath);
    setGeometry(320, 200, clientWidth, clientHeight + menuBar()->sizeHint().height());
}

void TAnlageRech::buildPages()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(1, 1, 1, 1);
    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_pages);
    setCentralWidget(client);

    m_plan = new PlanPage;
    m_pages->addTab(m_plan, QStringLiteral("Plan"));
    m_diagrammPage = new QWidget;
    m_diagrammPage->setObjectName(QStringLiteral("Diagramm"));
    m_pages->addTab(m_diagrammPage, QStringLiteral("Diagramm"));
    m_pages->addTab(new StringGrid(m_form), QStringLiteral("Ein- und Abgänge"));
    m_pages->addTab(new InfoPage, QStringLiteral("Info"));
    m_pages->setCurrentIndex(0);

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_popupMenu->addAction(QStringLiteral("Diagrammeigenscften"))
        ->setObjectName(QStringLiteral("Diagrammeigenscften1"));
    m_diagrammPage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_diagrammPage, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { m_popupMenu->popup(m_diagrammPage->mapToGlobal(pos)); });
}

void TAnlageRech::buildMenus()
{
    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("Info2"));
    info->addAction(QStringLiteral("Fundo&rix"))->setObjectName(QStringLiteral("Info1"));
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
    m_plan->edit(Field::Jahre)->installEventFilter(this);
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
    connect(m_plan->value(ResultLabel::AnlageWunsch), &FormLabel::doubleClicked, this,
        [this] { m_solvers.AnlageWunschDblClick(); });
    FormLabel* gain = m_plan->value(ResultLabel::ANLAGEGEWINN);
    connect(gain, &FormLabel::clicked, this, [this] { m_solvers.ANLAGEGEWINNDblClick(); });
    connect(gain, &FormLabel::doubleClicked, this, [this] { m_solvers.ANLAGEGEWINNDblClick(); });
    connect(m_plan->label16(), &FormLabel::doubleClicked, this, [this] { m_solvers.Label16DblClick(); });
    connect(m_plan->label15(), &FormLabel::doubleClicked, this, [this] { m_solvers.Label15DblClick(); });
}

void TAnlageRech::showField(Field field, const QString& text)
{
    if (field == Field::ComboBox1) {
        if (m_plan->comboBox()->currentText() != text)
            m_plan->comboBox()->setCurrentText(text);
        return;
    }
    QLineEdit* edit = m_plan->edit(field);
    if (edit->text() != text)
        edit->setText(text);
}

void TAnlageRech::showResults()
{
    for (ResultLabel label : allResultLabels) {
        FormLabel* value = m_plan->value(label);
        value->setAnchoredText(m_form.resultText(label));
        value->setToolTip(m_form.resultHint(label));
    }
    m_plan->edit(Field::Sparen)->setToolTip(m_form.fieldHint(Field::Sparen));
}

bool TAnlageRech::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_plan->edit(Field::Jahre) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            m_form.stepYears(key == Qt::Key_Up);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TAnlageRech::BitBtn1Click()
{
    const QString failure = writeSettingsFile(m_form, m_settingsPath);
    if (!failure.isEmpty())
        showStandardErrorBox(this, failure);
    close();
}
