#include "json_writer.h"

#include <QLocale>
#include <cmath>

QString jsonQuoted(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            quoted += QLatin1String("\\\"");
            break;
        case '\\':
            quoted += QLatin1String("\\\\");
            break;
        case '\n':
            quoted += QLatin1String("\\n");
            break;
        case '\r':
            quoted += QLatin1String("\\r");
            break;
        case '\t':
            quoted += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    return quoted + QLatin1Char('"');
}

QString jsonNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void JsonObjectWriter::addKey(const QString& key)
{
    if (!m_body.isEmpty())
        m_body += QLatin1Char(',');
    m_body += jsonQuoted(key) + QLatin1Char(':');
}

void JsonObjectWriter::addString(const QString& key, const QString& value)
{
    addKey(key);
    m_body += jsonQuoted(value);
}

void JsonObjectWriter::addNumber(const QString& key, double value)
{
    addKey(key);
    m_body += jsonNumber(value);
}

void JsonObjectWriter::addInteger(const QString& key, long long value)
{
    addKey(key);
    m_body += QString::number(value);
}

void JsonObjectWriter::addRaw(const QString& key, const QString& json)
{
    addKey(key);
    m_body += json;
}
