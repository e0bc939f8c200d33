#include "report/preview/preview_dialogs.h"

#include "report/preview/search_dlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

std::optional<PreviewDialogs::SaveAnswer> QtPreviewDialogs::askSaveFile(
    QWidget* parent, const QString& title, const QString& presetName, const QStringList& nameFilters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(nameFilters);
    dialog.selectFile(presetName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = nameFilters.indexOf(dialog.selectedNameFilter());
    return SaveAnswer { dialog.selectedFiles().constFirst(), index < 0 ? 1 : index + 1 };
}

std::optional<QString> QtPreviewDialogs::askOpenFile(
    QWidget* parent, const QString& title, const QStringList& nameFilters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(nameFilters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPreviewDialogs::askText(
    QWidget* parent, const QString& caption, const QString& label, const QString& preset)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<PreviewDialogs::SearchAnswer> QtPreviewDialogs::askSearch(QWidget* parent)
{
    TSearchDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return SearchAnswer { dialog.searchText(), dialog.matchCase() };
}

void QtPreviewDialogs::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void QtPreviewDialogs::showError(QWidget* parent, const QString& text)
{
    const QString message = text.endsWith('.') ? text : text + '.';
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
}
