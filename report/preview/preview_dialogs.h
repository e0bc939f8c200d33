#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The questions and messages of the preview window. The window asks through
// this interface so that tests and other front ends can answer in its place;
// QtPreviewDialogs shows the real dialogs.
class PreviewDialogs {
public:
    struct SaveAnswer {
        QString fileName;
        int filterIndex = 1; // 1-based position of the chosen filter entry
    };
    struct SearchAnswer {
        QString text;
        bool matchCase = false;
    };

    virtual ~PreviewDialogs() = default;

    virtual std::optional<SaveAnswer> askSaveFile(
        QWidget* parent, const QString& title, const QString& presetName, const QStringList& nameFilters)
        = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> askOpenFile(QWidget* parent, const QString& title, const QStringList& nameFilters)
        = 0;
    virtual std::optional<QString> askText(
        QWidget* parent, const QString& caption, const QString& label, const QString& preset)
        = 0;
    virtual std::optional<SearchAnswer> askSearch(QWidget* parent) = 0;
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    virtual void showError(QWidget* parent, const QString& text) = 0;
};

class QtPreviewDialogs : public PreviewDialogs {
public:
    std::optional<SaveAnswer> askSaveFile(
        QWidget* parent, const QString& title, const QString& presetName, const QStringList& nameFilters) override;
    std::optional<QString> askOpenFile(QWidget* parent, const QString& title, const QStringList& nameFilters) override;
    std::optional<QString> askText(
        QWidget* parent, const QString& caption, const QString& label, const QString& preset) override;
    std::optional<SearchAnswer> askSearch(QWidget* parent) override;
    void showMessage(QWidget* parent, const QString& text) override;
    // The error box: error icon, the application's name as caption, the
    // message ending with a full stop.
    void showError(QWidget* parent, const QString& text) override;
};
