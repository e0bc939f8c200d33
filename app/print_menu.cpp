#include "print_menu.h"

#include "main_window.h"

#include <QAction>
#include <QMenu>

namespace {

// The page "Netto" as it stands: its choices, its field texts as typed and
// the results it shows.
NetPlanView pageNetView(const NetForm& net)
{
    namespace calc = fundorix::calc;
    NetPlanView view;
    view.tax = QString::fromUtf8(calc::kNetTaxCaptions[static_cast<size_t>(net.tax())]);
    view.fund = QString::fromUtf8(calc::kFundTypeCaptions[static_cast<size_t>(net.fund())]);
    for (size_t field = 0; field < calc::netFieldCount; ++field)
        view.fields[field] = net.fieldText(static_cast<calc::NetField>(field));
    view.result = net.result();
    return view;
}

}

PrintMenu::PrintMenu(TAnlageRech& window)
    : m_window(window)
    , m_source(window.form(), window.chart())
    , m_commands(m_source, m_qEntwicklung, m_tTilgungsplan, m_output)
    , m_netPlanCommand(m_source, m_tNettoEntwicklung, m_output)
{
    connectAction(window, "Anlageentwicklung1", &PrintCommands::Anlageentwicklung1Click);
    connectAction(window, "Darlehnsberechnung1", &PrintCommands::Tilgungsplan1Click);
    connectAction(window, "RentenplanAuszahlungsphase1", &PrintCommands::RentenplanAuszahlungsphase1Click);
    connectAction(window, "Sparplan1", &PrintCommands::SparplanmitanschlieenderAuszahlungber30Jahre1Click);
    m_source.setNetView([&window] { return pageNetView(window.net()); });
    addNetPlanAction(window);
    window.form().commandGuard().setBusyChanged([this](bool busy) { enableActions(!busy); });
}

PrintMenu::~PrintMenu() { m_window.form().commandGuard().setBusyChanged({}); }

// The command itself refuses to start while another one is in progress; the
// disabled actions show the user why nothing happens.
void PrintMenu::connectAction(TAnlageRech& window, const char* name, PlanOutcome (PrintCommands::*command)())
{
    QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
    m_actions.push_back(action);
    connect(action, &QAction::triggered, this, [this, command] { (m_commands.*command)(); });
}

// After the four plans, so their entries keep their places.
void PrintMenu::addNetPlanAction(TAnlageRech& window)
{
    QAction* action
        = window.findChild<QMenu*>(QStringLiteral("Drucken1"))->addAction(QStringLiteral("Netto-Anlageentwicklung"));
    action->setObjectName(QStringLiteral("NettoAnlageentwicklung1"));
    m_actions.push_back(action);
    connect(action, &QAction::triggered, this, [this] { m_netPlanCommand.NettoAnlageentwicklung1Click(); });
}

void PrintMenu::enableActions(bool enabled)
{
    for (QAction* action : m_actions)
        action->setEnabled(enabled);
}
