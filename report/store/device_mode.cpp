#include "report/store/device_mode.h"

#include <QPrinterInfo>
#include <cmath>

namespace {

struct SourceCode {
    int code;
    QPrinter::PaperSource source;
};

// The platform's source codes; 12 and 13 have no Qt source.
const SourceCode SourceCodes[] = {
    { 1, QPrinter::OnlyOne },
    { 2, QPrinter::Lower },
    { 3, QPrinter::Middle },
    { 4, QPrinter::Manual },
    { 5, QPrinter::Envelope },
    { 6, QPrinter::EnvelopeManual },
    { 7, QPrinter::Auto },
    { 8, QPrinter::Tractor },
    { 9, QPrinter::SmallFormat },
    { 10, QPrinter::LargeFormat },
    { 11, QPrinter::LargeCapacity },
    { 14, QPrinter::Cassette },
    { 15, QPrinter::FormSource },
};

struct DuplexCode {
    int code;
    QPrinter::DuplexMode mode;
};

const DuplexCode DuplexCodes[] = {
    { TDeviceMode::Simplex, QPrinter::DuplexNone },
    { TDeviceMode::DuplexShortEdge, QPrinter::DuplexShortSide },
    { TDeviceMode::DuplexLongEdge, QPrinter::DuplexLongSide },
};

int toNative(qreal millimetres) { return static_cast<int>(std::nearbyint(millimetres * 10)); }

} // namespace

std::optional<QPrinter::PaperSource> paperSourceForCode(int code)
{
    for (const SourceCode& entry : SourceCodes) {
        if (entry.code == code)
            return entry.source;
    }
    return std::nullopt;
}

std::optional<int> codeForPaperSource(QPrinter::PaperSource source)
{
    for (const SourceCode& entry : SourceCodes) {
        if (entry.source == source)
            return entry.code;
    }
    return std::nullopt;
}

std::optional<QPrinter::DuplexMode> duplexModeForCode(int code)
{
    for (const DuplexCode& entry : DuplexCodes) {
        if (entry.code == code)
            return entry.mode;
    }
    return std::nullopt;
}

std::optional<int> codeForDuplexMode(QPrinter::DuplexMode mode)
{
    for (const DuplexCode& entry : DuplexCodes) {
        if (entry.mode == mode)
            return entry.code;
    }
    return std::nullopt;
}

std::optional<QPageSize> pageSizeForCode(int code, int widthNative, int lengthNative)
{
    if (code == TDeviceMode::UserPaperCode) {
        if (widthNative <= 0 || lengthNative <= 0)
            return std::nullopt;
        return QPageSize(
            QSizeF(widthNative / 10.0, lengthNative / 10.0), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    }
    const QPageSize::PageSizeId id = QPageSize::id(code);
    // Qt answers Custom for codes it does not know and a near size for a few;
    // only a code that maps back to itself names a paper.
    if (code <= 0 || id == QPageSize::Custom || QPageSize::windowsId(id) != code)
        return std::nullopt;
    return QPageSize(id);
}

int codeForPageSize(const QPageSize& size)
{
    if (!size.isValid())
        return 0;
    if (size.id() == QPageSize::Custom)
        return TDeviceMode::UserPaperCode;
    return size.windowsId();
}

TDeviceCapabilities capabilitiesOf(const QPrinter& printer)
{
    TDeviceCapabilities capabilities;
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return capabilities;
    const QPrinterInfo info(printer);
    if (info.isNull())
        return capabilities;
    capabilities.duplex = info.supportedDuplexModes().size() > 1;
    for (const QPageSize& size : info.supportedPageSizes())
        capabilities.paperCodes << codeForPageSize(size);
    return capabilities;
}

TDeviceMode readDeviceMode(const QPrinter& printer)
{
    TDeviceMode mode;
    const QPageLayout layout = printer.pageLayout();
    const QPageSize size = layout.pageSize();
    mode.paperSize = codeForPageSize(size);
    const QSizeF portrait = size.size(QPageSize::Millimeter);
    mode.paperWidth = toNative(portrait.width());
    mode.paperLength = toNative(portrait.height());
    mode.orientation = layout.orientation() == QPageLayout::Landscape ? TDeviceMode::Landscape : TDeviceMode::Portrait;
    mode.copies = printer.copyCount();
    mode.defaultSource = codeForPaperSource(printer.paperSource()).value_or(mode.defaultSource);
    mode.duplex = codeForDuplexMode(printer.duplex()).value_or(TDeviceMode::Simplex);
    mode.collate = printer.collateCopies() ? 1 : 0;
    mode.color = printer.colorMode() == QPrinter::Color ? 2 : 1;
    return mode;
}

void writeDeviceMode(QPrinter& printer, const TDeviceMode& mode, const TDeviceCapabilities& capabilities)
{
    const bool paperAvailable = capabilities.paperCodes.isEmpty() || capabilities.paperCodes.contains(mode.paperSize);
    if (paperAvailable) {
        if (const std::optional<QPageSize> size = pageSizeForCode(mode.paperSize, mode.paperWidth, mode.paperLength))
            printer.setPageSize(*size);
    }
    if (capabilities.copies && mode.copies >= 1)
        printer.setCopyCount(mode.copies);
    if (capabilities.duplex) {
        if (const std::optional<QPrinter::DuplexMode> duplex = duplexModeForCode(mode.duplex))
            printer.setDuplex(*duplex);
    }
    if (const std::optional<QPrinter::PaperSource> source = paperSourceForCode(mode.defaultSource))
        printer.setPaperSource(*source);
    if (mode.orientation == TDeviceMode::Portrait || mode.orientation == TDeviceMode::Landscape)
        printer.setPageOrientation(
            mode.orientation == TDeviceMode::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (capabilities.collate)
        printer.setCollateCopies(mode.collate != 0);
}
