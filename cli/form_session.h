#pragma once

#include "form_model.h"
#include "form_services.h"

#include <QString>
#include <QStringList>
#include <optional>

// Dialog answers for the headless tool: the input box returns the value given
// on the command line, and messages are collected for standard error.
class CliServices : public FormServices {
public:
    std::optional<QString> inputAnswer;
    QStringList errors; // as the standard error box would show them
    QStringList informations;

    QString inputBox(const QString& caption, const QString& prompt, const QString& preset) override;
    void showError(const QString& message) override;
    void showInformation(const QString& message) override;
    void showMessage(const QString& message) override;
    void setBusy(bool) override { }
};

// The form as the window has it after start-up: defaults, then the settings
// file, then the final recompute.
class FormSession {
public:
    // `settings` is the SETTINGS argument, or empty for the defaults. A
    // listener (the chart) follows every recompute from the first one on.
    // A settings file named but not readable throws CliFailure: a script
    // must not get the default plan's numbers for the plan it asked for.
    explicit FormSession(const QString& settings, YearSeriesListener* listener = nullptr);

    FormModel& form() { return m_form; }
    CliServices& services() { return m_services; }

    // Writes the collected messages to standard error.
    void reportMessages() const;

private:
    CliServices m_services;
    FormModel m_form;
};

// Takes the optional SETTINGS positional; more than one is wrong usage.
bool takeSettingsArgument(const QStringList& positionals, QString& settings, QString& error);

void printLine(const QString& line);
