#include "report/engine/label.h"

#include "report/engine/report.h"

TBVLabel::TBVLabel(TBVReport& report, TBVCustomBand* band, const QString& name)
    : TBVCustomLabel(report, band, name)
{
}

void TBVLabel::setCaption(const QString& caption)
{
    if (!report().Idle())
        return;
    m_caption = caption;
    FormatLines();
}

void TBVLabel::setWrapStyle(TWrapStyle style)
{
    m_wrapStyle = style;
    FormatLines();
}

void TBVLabel::BeginPrinting()
{
    TBVCustomLabel::BeginPrinting();
    FormatLines();
}
