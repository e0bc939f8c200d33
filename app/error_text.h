#pragma once

#include <QString>

// The caption of every error box of the application.
QString applicationTitle();

// The text the standard error box shows for a failure message: a full stop
// is appended when the last character sorts after "." (so a message ending
// in "!" or "." is shown as it is).
QString standardErrorText(const QString& message);
