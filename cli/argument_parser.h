#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Splits a command's arguments into options and positional arguments.
// Value options take the next argument ("--target 5000") or an attached one
// ("--target=5000"), so a negative value is never mistaken for an option.
// A single-dash option ("-o") counts only when it is listed exactly.
struct ParsedArguments {
    QMap<QString, QString> values;
    QStringList flags;
    QStringList positionals;
    QString error; // empty when the arguments are well-formed

    bool hasFlag(const QString& flag) const { return flags.contains(flag); }
};

ParsedArguments parseArguments(
    const QStringList& arguments, const QStringList& valueOptions, const QStringList& flagOptions);
