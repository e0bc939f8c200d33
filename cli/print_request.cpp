#include "print_request.h"

#include "report/engine/report_printer_settings.h"
#include "report/store/bv_error.h"
#include "report/store/device_mode.h"

#include <QRegularExpression>

namespace {

QString parsePages(const QString& pages, PrintRequest& request)
{
    static const QRegularExpression range(QStringLiteral("^(\\d{1,6})-(\\d{1,6})$"));
    const QRegularExpressionMatch match = range.match(pages);
    if (!match.hasMatch())
        return QStringLiteral("--pages needs FROM-TO, for example 2-3");
    request.firstPage = match.captured(1).toInt();
    request.lastPage = match.captured(2).toInt();
    if (request.firstPage < 1 || request.lastPage < request.firstPage)
        return QStringLiteral("--pages needs 1 <= FROM <= TO");
    return {};
}

QString parseCopies(const QString& copies, PrintRequest& request)
{
    bool ok = false;
    request.copies = copies.toInt(&ok);
    if (!ok || request.copies < 1 || request.copies > 999)
        return QStringLiteral("--copies needs a number from 1 to 999");
    return {};
}

QString parseDuplex(const QString& duplex, PrintRequest& request)
{
    if (duplex == QLatin1String("none"))
        request.duplexCode = TDeviceMode::Simplex;
    else if (duplex == QLatin1String("long"))
        request.duplexCode = TDeviceMode::DuplexLongEdge;
    else if (duplex == QLatin1String("short"))
        request.duplexCode = TDeviceMode::DuplexShortEdge;
    else
        return QStringLiteral("--duplex needs none, long or short");
    return {};
}

} // namespace

QString parsePrintOptions(const QString& pages, const QString& copies, const QString& duplex, PrintRequest& request)
{
    QString error;
    if (!pages.isNull())
        error = parsePages(pages, request);
    if (error.isEmpty() && !copies.isNull())
        error = parseCopies(copies, request);
    if (error.isEmpty() && !duplex.isNull())
        error = parseDuplex(duplex, request);
    return error;
}

QString choosePrinter(const QString& name, const QStringList& printers, PrintRequest& request)
{
    if (printers.isEmpty())
        return QString::fromLatin1(BVErrorText::NoPrinter);
    if (name.isEmpty())
        return {};
    request.printerIndex = static_cast<int>(printers.indexOf(name));
    if (request.printerIndex < 0)
        return QStringLiteral("unknown printer '%1'; fundorix-cli printers lists the printers").arg(name);
    return {};
}

void applyPrintRequest(const PrintRequest& request, TBVReportPrinterSettings& settings)
{
    settings.PrinterIndex = request.printerIndex;
    settings.FirstPage = request.firstPage;
    settings.LastPage = request.lastPage;
    settings.Copies = request.copies;
    settings.Duplex = request.duplexCode != TDeviceMode::Simplex;
    settings.ExtendedDuplex = request.duplexCode;
}
