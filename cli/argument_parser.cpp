#include "argument_parser.h"

ParsedArguments parseArguments(
    const QStringList& arguments, const QStringList& valueOptions, const QStringList& flagOptions)
{
    ParsedArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool shortOption = valueOptions.contains(argument) || flagOptions.contains(argument);
        if (!shortOption && (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--"))) {
            parsed.positionals.append(argument);
            continue;
        }
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (flagOptions.contains(name) && equals < 0) {
            parsed.flags.append(name);
        } else if (valueOptions.contains(name)) {
            if (equals >= 0) {
                parsed.values.insert(name, argument.mid(equals + 1));
            } else if (i + 1 < arguments.size()) {
                parsed.values.insert(name, arguments.at(++i));
            } else {
                parsed.error = QStringLiteral("option %1 needs a value").arg(name);
                return parsed;
            }
        } else {
            parsed.error = QStringLiteral("unknown option '%1'").arg(argument);
            return parsed;
        }
    }
    return parsed;
}
