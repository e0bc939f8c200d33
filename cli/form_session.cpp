#include "form_session.h"

#include "command.h"
#include "error_text.h"
#include "form_startup.h"
#include "settings_file.h"

#include <QFileInfo>
#include <cstdio>

QString CliServices::inputBox(const QString&, const QString&, const QString& preset)
{
    return inputAnswer.value_or(preset);
}

void CliServices::showError(const QString& message) { errors.append(standardErrorText(message)); }

void CliServices::showInformation(const QString& message) { informations.append(message); }

void CliServices::showMessage(const QString& message) { informations.append(message); }

namespace {

// The window's rule for its first argument, except that a file that exists
// under exactly the given name is taken as it is.
QString resolveSettingsPath(const QString& argument)
{
    if (QFileInfo(argument).isFile())
        return argument;
    return settingsFilePath(QString(), QStringList { argument });
}

}

FormSession::FormSession(const QString& settings, YearSeriesListener* listener)
    : m_form(m_services)
{
    m_form.setYearSeriesListener(listener);
    if (settings.isEmpty()) {
        m_form.recompute();
        return;
    }
    const QString path = resolveSettingsPath(settings);
    if (!loadStartupInputs(m_form, path))
        throw CliFailure(QStringLiteral("settings file '%1' cannot be read").arg(path));
}

void FormSession::reportMessages() const
{
    for (const QString& message : m_services.informations + m_services.errors)
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

bool takeSettingsArgument(const QStringList& positionals, QString& settings, QString& error)
{
    if (positionals.size() > 1) {
        error = QStringLiteral("more than one settings file given");
        return false;
    }
    settings = positionals.value(0);
    return true;
}

void printLine(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}
