#pragma once

#include "form_services.h"

#include <QStringList>

// Answers the form's dialogs from a script and records what was shown.
class ScriptedServices : public FormServices {
public:
    // Answers for the input box, first one first; none left: cancel (preset).
    QStringList answers;
    QStringList errors;
    QStringList informations;
    QStringList messages;
    QStringList inputPresets;
    bool busy = false;
    int busyCount = 0;

    QString inputBox(const QString&, const QString&, const QString& preset) override
    {
        inputPresets.append(preset);
        return answers.isEmpty() ? preset : answers.takeFirst();
    }
    void showError(const QString& message) override { errors.append(message); }
    void showInformation(const QString& message) override { informations.append(message); }
    void showMessage(const QString& message) override { messages.append(message); }
    void setBusy(bool on) override
    {
        busy = on;
        busyCount += on ? 1 : 0;
    }
};
