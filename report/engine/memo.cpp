#include "report/engine/memo.h"

#include "report/engine/reference_device.h"
#include "report/engine/report.h"

TBVMemo::TBVMemo(TBVReport& report, TBVCustomBand* band, const QString& name)
    : TBVCustomLabel(report, band, name)
{
}

void TBVMemo::setLines(const QStringList& lines)
{
    if (!report().Idle())
        return;
    m_source = lines;
    FormatLines();
}

void TBVMemo::addLine(const QString& line)
{
    if (!report().Idle())
        return;
    // Lines are formatted when the memo prints; formatting after every added line would cost quadratic time.
    m_source << line;
}

void TBVMemo::clearLines() { setLines({}); }

qreal TBVMemo::contentHeightPx() const { return formattedLines().size() * ReferenceDevice::textHeight(Font()); }
