#pragma once

#include <QString>

class QWidget;

// The modal input box: a prompt, one edit field preset with `preset`, and
// the buttons "OK" and "Abbrechen". "OK" returns the edited text; cancelling
// (the button, Escape or the close box) returns the preset unchanged.
QString showInputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& preset);
