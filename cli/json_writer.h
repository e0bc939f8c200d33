#pragma once

#include <QString>

// Builds one JSON object with its keys in the order they are added (the
// order a reader of the tool's output sees them documented in).
class JsonObjectWriter {
public:
    void addString(const QString& key, const QString& value);
    // Shortest text that reads back as the same double; null when not finite.
    void addNumber(const QString& key, double value);
    void addInteger(const QString& key, long long value);
    // `json` is an already written JSON value (object or array).
    void addRaw(const QString& key, const QString& json);

    QString text() const { return QLatin1Char('{') + m_body + QLatin1Char('}'); }

private:
    void addKey(const QString& key);

    QString m_body;
};

QString jsonQuoted(const QString& text);
QString jsonNumber(double value);
