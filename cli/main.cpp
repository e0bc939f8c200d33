// fundorix-cli: the calculator's form model, plans and exports without a
// window, for scripting and batch work.
#include "command.h"
#include "number_conventions.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// Runs without a display: the offscreen platform still gives fonts and
// painting to the commands that render. Without a session's runtime folder
// Qt would warn on standard error, which scripts read for failures.
void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/fundorix-runtime-%1").arg(getuid());
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
}

// Only commands that render pay for the platform's start-up.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    const CliCommand* command = argc > 1 ? CommandRegistry::find(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (!command || !command->needsGui)
        return std::make_unique<QCoreApplication>(argc, argv);
    chooseHeadlessPlatform();
    auto app = std::make_unique<QApplication>(argc, argv);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    return app;
}

}

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Fundorix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    applyNumberConventions();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        std::fputs(CommandRegistry::usageText().toUtf8().constData(), stdout);
        return exitSuccess;
    }
    if (name == QLatin1String("--version")) {
        std::puts("fundorix-cli 2.0");
        return exitSuccess;
    }
    const CliCommand* command = CommandRegistry::find(name);
    if (!command)
        return usageError(QStringLiteral("unknown command '%1'").arg(name));
    try {
        return command->run(arguments);
    } catch (const CliFailure& failure) {
        std::fprintf(stderr, "fundorix-cli: %s\n", failure.what());
        return exitFailure;
    }
}
