#pragma once

#include <QStringList>

// The system's printer list, read afresh on every call (printers come and go
// while the program runs).
QStringList printerNames();
// The position of the system's default printer in printerNames(); -1 when
// there is none.
int defaultPrinterIndex();
