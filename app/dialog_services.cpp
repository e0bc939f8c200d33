#include "dialog_services.h"

#include "error_box.h"
#include "error_text.h"
#include "input_box.h"

#include <QApplication>
#include <QMessageBox>

QString DialogServices::inputBox(const QString& caption, const QString& prompt, const QString& preset)
{
    return showInputBox(m_parent, caption, prompt, preset);
}

void DialogServices::showError(const QString& message) { showStandardErrorBox(m_parent, message); }

void DialogServices::showInformation(const QString& message)
{
    QMessageBox box(QMessageBox::Information, applicationTitle(), message, QMessageBox::Ok, m_parent);
    box.exec();
}

void DialogServices::showMessage(const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), message, QMessageBox::Ok, m_parent);
    box.exec();
}

void DialogServices::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
