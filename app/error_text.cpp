#include "error_text.h"

QString applicationTitle() { return QStringLiteral("Fundorix"); }

QString standardErrorText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
