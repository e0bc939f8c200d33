#include "report/store/print_failure.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Why a file could not be written, asked of the file system without making
// it: an existing file must be writable, a new one's folder must exist and
// take files. Empty when nothing stands in the way.
QString unwritableReason(const QString& fileName)
{
    const QFileInfo file(fileName);
    const QByteArray path = QFile::encodeName(file.exists() ? file.absoluteFilePath() : file.absolutePath());
    if (::access(path.constData(), W_OK) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A printer writing to a file fails for the file's reason; a queue fails when
// it has gone from the system.
QString failureReason(QPagedPaintDevice& device)
{
    auto* printer = dynamic_cast<QPrinter*>(&device);
    if (!printer)
        return QStringLiteral("the device cannot start a print document");
    if (!printer->outputFileName().isEmpty()) {
        if (const QString reason = unwritableReason(printer->outputFileName()); !reason.isEmpty())
            return QStringLiteral("%1: %2").arg(printer->outputFileName(), reason);
    }
    if (printer->outputFormat() == QPrinter::NativeFormat && QPrinterInfo(*printer).isNull())
        return QStringLiteral("the printer \"%1\" is not available").arg(printer->printerName());
    return QStringLiteral("the printing system reported an error");
}

} // namespace

EBVError printFailure(QPagedPaintDevice& device)
{
    return EBVError(QString::fromLatin1(BVErrorText::PrintFailed).arg(failureReason(device)));
}
