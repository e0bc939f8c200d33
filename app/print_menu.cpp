#include "print_menu.h"

#include "main_window.h"

#include <QAction>

PrintMenu::PrintMenu(TAnlageRech& window)
    : m_source(window.form(), window.chart())
    , m_commands(m_source, m_qEntwicklung, m_tTilgungsplan, m_output)
{
    connectAction(window, "Anlageentwicklung1", &PrintCommands::Anlageentwicklung1Click);
    connectAction(window, "Darlehnsberechnung1", &PrintCommands::Tilgungsplan1Click);
    connectAction(window, "RentenplanAuszahlungsphase1", &PrintCommands::RentenplanAuszahlungsphase1Click);
    connectAction(window, "Sparplan1", &PrintCommands::SparplanmitanschlieenderAuszahlungber30Jahre1Click);
}

PrintMenu::~PrintMenu() = default;

// The preview is not modal, and the window handles events between the pages
// of a run: a print command chosen then would change the texts of a report
// that is still printing them, so it is not run.
void PrintMenu::connectAction(TAnlageRech& window, const char* name, PlanOutcome (PrintCommands::*command)())
{
    QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, command] {
        if (!generating())
            (m_commands.*command)();
    });
}

bool PrintMenu::generating() { return !m_qEntwicklung.report()->Idle() || !m_tTilgungsplan.report()->Idle(); }
