#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the per-user settings store at a fresh private folder for the
// lifetime of the object, so tests never touch the user's own colours.
class PrivateSettingsStore {
public:
    PrivateSettingsStore() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path()); }
    QString path() const { return m_dir.path(); }
    // The store as the program opens it, positioned at the colour key.
    static void openKey(QSettings& settings) { settings.beginGroup(QStringLiteral("SOFTWARE/Wendlich/Fundorix")); }

private:
    QTemporaryDir m_dir;
};
