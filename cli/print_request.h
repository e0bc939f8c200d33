#pragma once

#include <QString>
#include <QStringList>

struct TBVReportPrinterSettings;

// What `fundorix-cli print` asks of the printer, as the options give it.
struct PrintRequest {
    int printerIndex = -1; // -1: the system's default printer
    int firstPage = 0; // 0: from the first page
    int lastPage = 0; // 0: to the last page
    int copies = 1;
    int duplexCode = 1; // 1 one-sided, 2 short edge, 3 long edge
};

// Reads --pages FROM-TO, --copies N and --duplex none|long|short; returns
// the usage error, or an empty text.
QString parsePrintOptions(const QString& pages, const QString& copies, const QString& duplex, PrintRequest& request);

// The position of the named printer in the system's list; -1 for no name.
// Returns the failure (no printer installed, unknown printer) or an empty text.
QString choosePrinter(const QString& name, const QStringList& printers, PrintRequest& request);

// Puts the request into a report's printer settings.
void applyPrintRequest(const PrintRequest& request, TBVReportPrinterSettings& settings);
