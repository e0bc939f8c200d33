#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the tool built beside the tests and collects what it wrote.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(FUNDORIX_CLI), arguments);
    process.waitForFinished(30000);
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}
