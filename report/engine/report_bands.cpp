#include "report/engine/report_bands.h"

#include "report/engine/report.h"

TBVReportBands::TBVReportBands(TBVReport& report)
    : m_report(report)
{
}

TBVBand* TBVReportBands::first(TBVBandType type) const
{
    for (TBVCustomBand* band : m_report.bandList()) {
        if (band->BandType() == type)
            return static_cast<TBVBand*>(band);
    }
    return nullptr;
}

void TBVReportBands::setHas(TBVBandType type, bool on)
{
    TBVBand* existing = first(type);
    if (on && !existing)
        m_report.addBand(type);
    else if (!on && existing)
        m_report.removeBand(*existing);
}
