#pragma once

#include <QString>

// What the form needs from its surroundings while a user action runs: the
// window answers with Qt dialogs, tests and the command-line tool with
// scripted or silent answers.
class FormServices {
public:
    virtual ~FormServices() = default;

    // Modal input box with "OK" and "Abbrechen"; cancelling returns the
    // preset text unchanged.
    virtual QString inputBox(const QString& caption, const QString& prompt, const QString& preset) = 0;

    // The application's standard error box; `message` is the raw failure
    // text, the box applies the full-stop rule (standardErrorText).
    virtual void showError(const QString& message) = 0;

    // An information box (information icon).
    virtual void showInformation(const QString& message) = 0;

    // A plain message box: no icon, the application title as caption, OK.
    virtual void showMessage(const QString& message) = 0;

    // The busy (hourglass) cursor on or off.
    virtual void setBusy(bool busy) = 0;
};

// Shows the busy cursor for the lifetime of the guard, also when the
// operation ends by an exception.
class BusyCursor {
public:
    explicit BusyCursor(FormServices& services)
        : m_services(services)
    {
        m_services.setBusy(true);
    }
    ~BusyCursor() { m_services.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    FormServices& m_services;
};
