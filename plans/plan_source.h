#pragma once

#include "calc/net_view.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

class CommandGuard;

// The input fields of the calculator form that the print commands read or write.
enum class PlanField { AnlageSumme, Rendite, ComboBox1, Sparen, Edit1, Jahre, Dividente };

// The result labels of the calculator form, as the last recompute wrote them.
enum class PlanCaption { AnlageWunsch, Kapitaleinsatz, DividenteWiederanlage, ANLAGEGEWINN, AnlageProzent };

// The page "Netto" as the net plan prints it: the net options as the page
// shows them and its net view of the plan after the last recompute.
struct NetPlanView {
    QString tax; ///< the caption chosen in NettoSteuer
    QString fund; ///< the caption chosen in Teilfreistellung
    std::array<QString, fundorix::calc::netFieldCount> fields; ///< the five fields' texts, in NetField order
    fundorix::calc::NetResult result;
};

// The view of options given as numbers (the command line's), each written in
// the program's general number format, with the result computed under them.
NetPlanView netPlanViewOf(const fundorix::calc::NetOptions& options, fundorix::calc::NetResult result);

// What the print commands need of the calculator form. The form model
// implements it for the window and the command-line tool; tests supply a fake.
// Writing a field text that differs from the current one runs the recompute
// before the call returns, so captions and depotwert() are current afterwards.
class PlanSource {
public:
    // Grid rows of the extra payments and the columns that hold entries.
    static constexpr int yearRow = 0;
    static constexpr int monthRow = 1;
    static constexpr int amountRow = 2;
    static constexpr int firstEntryColumn = 1;
    static constexpr int lastEntryColumn = 99;

    virtual ~PlanSource() = default;

    virtual QString fieldText(PlanField field) const = 0;
    virtual void setFieldText(PlanField field, const QString& text) = 0;
    virtual void setSparenHint(const QString& hint) = 0;
    virtual QString caption(PlanCaption caption) const = 0;
    virtual QString gridCell(int row, int column) const = 0;

    // The years spinner UpDown2: writes the years into Jahre (and so recomputes).
    virtual int years() const = 0;
    virtual void setYears(int years) = 0;

    // The final depot value of the last recompute.
    virtual double depotwert() const = 0;

    // The page "Netto" for the plan as the last recompute left it.
    virtual NetPlanView netView() const = 0;

    // The chart as it stands after the last recompute, drawn over the chart's
    // own colour into a new bitmap of the given size.
    virtual QImage renderChart(const QSize& size) const = 0;

    // A plain message box (no icon, the application title as caption, OK).
    virtual void showMessage(const QString& message) = 0;
    // The application's standard error box; the box appends the full stop.
    virtual void showError(const QString& message) = 0;
    // The form's guard of commands in progress.
    virtual CommandGuard& commandGuard() = 0;

    // Solves the monthly amount Sparen for a final depot value of 0 over the
    // current years, as the double-click on the depot value does after its
    // transfer, and writes the amount and its yearly hint. Returns false when
    // the search gave up or failed (the user has been told then, and Sparen
    // shows its text from before the search).
    virtual bool searchPayout() = 0;
};
