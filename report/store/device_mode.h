#pragma once

#include <QList>
#include <QPageSize>
#include <QPrinter>
#include <optional>

// The device settings of a printer in the platform's numeric codes, as the
// engine reads and writes them: paper codes (A4 = 9, user-defined = 256),
// source (bin) codes 1 to 15, duplex codes 1 (one-sided), 2 (short edge) and
// 3 (long edge), orientation 1 (portrait) or 2 (landscape). Sizes are the
// portrait paper in tenths of a millimetre.
struct TDeviceMode {
    static constexpr int UserPaperCode = 256;
    static constexpr int Simplex = 1;
    static constexpr int DuplexShortEdge = 2;
    static constexpr int DuplexLongEdge = 3;
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;

    int paperSize = 9;
    int paperWidth = 2100;
    int paperLength = 2970;
    int orientation = Portrait;
    int copies = 1;
    int defaultSource = 7;
    int duplex = Simplex;
    int collate = 0;
    int printQuality = 0;
    int color = 0;
};

// Which fields of the device settings a printer takes. A printer object
// without a queue (PDF output) takes every field and every paper.
struct TDeviceCapabilities {
    bool copies = true;
    bool duplex = true;
    bool collate = true;
    QList<int> paperCodes; // empty: every paper
};

TDeviceCapabilities capabilitiesOf(const QPrinter& printer);

// The one mapping between the codes and Qt's printer settings. A code Qt has
// no value for gives none; a value without a code gives none.
std::optional<QPrinter::PaperSource> paperSourceForCode(int code);
std::optional<int> codeForPaperSource(QPrinter::PaperSource source);
std::optional<QPrinter::DuplexMode> duplexModeForCode(int code);
std::optional<int> codeForDuplexMode(QPrinter::DuplexMode mode);
// Paper code 256 is a custom size of widthNative x lengthNative; 0 (the
// device's default) and codes without a Qt size give none.
std::optional<QPageSize> pageSizeForCode(int code, int widthNative, int lengthNative);
int codeForPageSize(const QPageSize& size);

// Reads the printer's current settings into codes.
TDeviceMode readDeviceMode(const QPrinter& printer);

// Writes the codes into the printer. Copies, duplex and collation only where
// the printer takes the field, a paper only when the printer has it; a code
// without a Qt value leaves that setting as it was.
void writeDeviceMode(QPrinter& printer, const TDeviceMode& mode, const TDeviceCapabilities& capabilities);
