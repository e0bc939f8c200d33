#pragma once

#include <QString>

class QWidget;

// The application's standard error box: error icon, caption "Fundorix", an
// OK button and the failure message with the full stop rule applied.
void showStandardErrorBox(QWidget* parent, const QString& message);
