#include "report/store/print_failure.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// A printer writing to a file fails for the file's reason; a queue fails when
// it has gone from the system.
QString failureReason(QPagedPaintDevice& device)
{
    auto* printer = dynamic_cast<QPrinter*>(&device);
    if (!printer)
        return QStringLiteral("the device cannot start a print document");
    if (!printer->outputFileName().isEmpty()) {
        QFile file(printer->outputFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return QStringLiteral("%1: %2").arg(printer->outputFileName(), file.errorString());
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
