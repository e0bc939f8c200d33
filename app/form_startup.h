#pragma once

#include <QString>

class FormModel;

// The start-up steps that concern the form: the settings file (when it can
// be opened) puts its inputs into the fields, then the recompute runs once
// more with the complete inputs, grid included, so the first thing shown is a
// computed plan. Returns whether the settings file was read.
bool loadStartupInputs(FormModel& form, const QString& settingsPath);
