#pragma once

#include "form_plan_source.h"
#include "plans/net_plan_command.h"
#include "plans/print_commands.h"
#include "plans/report_plan_definition.h"
#include "preview_output.h"

#include <QObject>
#include <vector>

class QAction;
class TAnlageRech;

// The print menu "D&rucken" of the main window: the report definitions, made
// once at start-up after the window and living as long as it, and the print
// commands on the menu's actions: the four plans, then the net plan as a
// fifth entry. The actions are disabled while the form's command guard is
// held (a print command or a search at work).
class PrintMenu : public QObject {
public:
    explicit PrintMenu(TAnlageRech& window);
    ~PrintMenu() override;

    PrintCommands& commands() { return m_commands; }
    TQEntwicklung& qEntwicklung() { return m_qEntwicklung; }
    TTilgungsplan& tTilgungsplan() { return m_tTilgungsplan; }
    TNettoEntwicklung& tNettoEntwicklung() { return m_tNettoEntwicklung; }
    NetPlanCommand& netPlanCommand() { return m_netPlanCommand; }
    PreviewOutput& output() { return m_output; }

private:
    void connectAction(TAnlageRech& window, const char* name, PlanOutcome (PrintCommands::*command)());
    void addNetPlanAction(TAnlageRech& window);
    void enableActions(bool enabled);

    TAnlageRech& m_window;
    TQEntwicklung m_qEntwicklung;
    TTilgungsplan m_tTilgungsplan;
    TNettoEntwicklung m_tNettoEntwicklung;
    FormPlanSource m_source;
    PreviewOutput m_output;
    PrintCommands m_commands;
    NetPlanCommand m_netPlanCommand;
    std::vector<QAction*> m_actions;
};
