#include "print_request.h"

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
        request.duplexCode = PrintRequest::OneSided;
    else if (duplex == QLatin1String("long"))
        request.duplexCode = PrintRequest::LongEdge;
    else if (duplex == QLatin1String("short"))
        request.duplexCode = PrintRequest::ShortEdge;
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
        return noPrinterMessage();
    if (name.isEmpty())
        return {};
    request.printerIndex = static_cast<int>(printers.indexOf(name));
    if (request.printerIndex < 0)
        return QStringLiteral("unknown printer '%1'; fundorix-cli printers lists the printers").arg(name);
    return {};
}
