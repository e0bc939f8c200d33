#pragma once

#include "form_services.h"

class QWidget;

// The form's dialogs as the window shows them: Qt dialogs over `parent`.
class DialogServices : public FormServices {
public:
    explicit DialogServices(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }

    QString inputBox(const QString& caption, const QString& prompt, const QString& preset) override;
    void showError(const QString& message) override;
    void showInformation(const QString& message) override;
    void showMessage(const QString& message) override;
    void setBusy(bool busy) override;

private:
    QWidget* m_parent;
};
