#pragma once

#include "report/preview/preview_dialogs.h"

#include <QStringList>
#include <deque>

// The preview's questions answered as the test scripts them: the save
// dialog gives the queued names (nothing once they are used up), the open
// dialog gives openFile, and every message is kept.
class ScriptedDialogs : public PreviewDialogs {
public:
    std::deque<QString> saveNames;
    QString openFile;
    QStringList messages;

    std::optional<SaveAnswer> askSaveFile(QWidget*, const QString&, const QString&, const QStringList&) override
    {
        if (saveNames.empty())
            return std::nullopt;
        const QString name = saveNames.front();
        saveNames.pop_front();
        return SaveAnswer { name, 1 };
    }
    std::optional<QString> askOpenFile(QWidget*, const QString&, const QStringList&) override { return openFile; }
    std::optional<QString> askText(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<SearchAnswer> askSearch(QWidget*) override { return std::nullopt; }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showError(QWidget*, const QString& text) override { messages << text; }
};
