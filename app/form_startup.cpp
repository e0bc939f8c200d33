#include "form_startup.h"

#include "form_model.h"
#include "settings_file.h"

bool loadStartupInputs(FormModel& form, const QString& settingsPath)
{
    const bool read = readSettingsFile(form, settingsPath);
    form.recompute();
    return read;
}
