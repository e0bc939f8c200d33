#pragma once

#include <QStringList>
#include <stdexcept>

// One sub-command of fundorix-cli. Each command lives in a file of its own
// and registers itself, so adding a command touches no other command.
struct CliCommand {
    const char* name;
    const char* usage; // the command's lines of the usage text
    int (*run)(const QStringList& arguments); // arguments after the command name
    bool needsGui = false; // renders (fonts, images): needs a QApplication, not only the core
};

// Exit statuses of the tool.
constexpr int exitSuccess = 0;
constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

class CommandRegistry {
public:
    static void add(const CliCommand& command);
    static const CliCommand* find(const QString& name);
    static QString usageText();
};

struct CommandRegistration {
    explicit CommandRegistration(const CliCommand& command) { CommandRegistry::add(command); }
};

// A failure of the operation: main writes its message to standard error
// and ends with exitFailure.
class CliFailure : public std::runtime_error {
public:
    explicit CliFailure(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

// Reports wrong usage on standard error and returns exitUsage.
int usageError(const QString& message);
