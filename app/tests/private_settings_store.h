#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the per-user settings store at a fresh private folder for the
// lifetime of the object, so tests never touch the user's own colours. The
// folder in force before is restored afterwards.
class PrivateSettingsStore {
public:
    PrivateSettingsStore()
        : m_previous(current())
    {
        point(m_dir.path());
    }
    ~PrivateSettingsStore() { point(m_previous); }
    PrivateSettingsStore(const PrivateSettingsStore&) = delete;
    PrivateSettingsStore& operator=(const PrivateSettingsStore&) = delete;

    QString path() const { return m_dir.path(); }
    // Positions `settings` at the colour key.
    static void openKey(QSettings& settings) { settings.beginGroup(QStringLiteral("SOFTWARE/Wendlich/Fundorix")); }

    // Writes and reads one value under the colour key, as another program
    // (or an earlier run) would have left it.
    static void putValue(const QString& name, const QVariant& value)
    {
        QSettings settings(QStringLiteral("Wendlich"), QStringLiteral("Fundorix"));
        openKey(settings);
        settings.setValue(name, value);
    }
    static QVariant storedValue(const QString& name)
    {
        QSettings settings(QStringLiteral("Wendlich"), QStringLiteral("Fundorix"));
        openKey(settings);
        return settings.value(name);
    }

private:
    static QString& current()
    {
        static QString path;
        return path;
    }
    static void point(const QString& path)
    {
        current() = path;
        if (!path.isEmpty())
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }

    QTemporaryDir m_dir;
    QString m_previous;
};
