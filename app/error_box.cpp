#include "error_box.h"

#include "error_text.h"

#include <QMessageBox>

void showStandardErrorBox(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), standardErrorText(message), QMessageBox::Ok, parent);
    box.exec();
}
