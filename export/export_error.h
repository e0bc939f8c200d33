#pragma once

#include <QString>
#include <stdexcept>

// An error that stops an export run: a file that cannot be written, font data
// the platform cannot deliver. Its message is shown in the application's error box.
class EExportError : public std::runtime_error {
public:
    explicit EExportError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }

    QString message() const { return QString::fromStdString(what()); }
};
