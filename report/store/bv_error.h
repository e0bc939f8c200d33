#pragma once

#include <QString>
#include <stdexcept>

// The report engine's own error. Its messages are the engine's fixed English
// texts; the application's error box shows them to the user.
class EBVError : public std::runtime_error {
public:
    explicit EBVError(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }

    QString message() const { return QString::fromStdString(what()); }
};

namespace BVErrorText {
inline const char* const PrinterNotReady = "BVPrinter not ready";
inline const char* const IllegalNewPage = "Illegal call to NewPage";
inline const char* const NotAStoredReport = "The file is not a stored report";
inline const char* const Truncated = "The stored report file is truncated";
inline const char* const PageCountMismatch = "The stored report file holds more pages than its header states";
inline const char* const CorruptRecord = "The stored report file holds a corrupt page record";
inline const char* const CorruptPicture = "The page picture is not a valid enhanced metafile";
inline const char* const CannotOpen = "Cannot open the stored report file";
inline const char* const CannotWrite = "Cannot write the stored report file";
inline const char* const CannotCreateTemp = "Cannot create the temporary page file";
}
