#pragma once

#include "report/engine/report_output.h"

#include <QString>
#include <QStringList>

// What `fundorix-cli print` asks of the printer, as the options give it.
using PrintRequest = ReportPrintChoices;

// Reads --pages FROM-TO, --copies N and --duplex none|long|short; returns
// the usage error, or an empty text.
QString parsePrintOptions(const QString& pages, const QString& copies, const QString& duplex, PrintRequest& request);

// The position of the named printer in the system's list; -1 for no name.
// Returns the failure (no printer installed, unknown printer) or an empty text.
QString choosePrinter(const QString& name, const QStringList& printers, PrintRequest& request);
