#pragma once

#include "report/engine/band.h"

class TBVReport;

// The band switches of a report (switching one on creates a band of that
// type, off destroys it) and the lookup of bands by kind.
class TBVReportBands {
public:
    explicit TBVReportBands(TBVReport& report);

    bool HasTitle() const { return first(TBVBandType::rbTitle) != nullptr; }
    bool HasPageHeader() const { return first(TBVBandType::rbPageHeader) != nullptr; }
    bool HasColumnHeader() const { return first(TBVBandType::rbColumnHeader) != nullptr; }
    bool HasDetail() const { return first(TBVBandType::rbDetail) != nullptr; }
    bool HasPageFooter() const { return first(TBVBandType::rbPageFooter) != nullptr; }
    bool HasSummary() const { return first(TBVBandType::rbSummary) != nullptr; }
    void setHasTitle(bool on) { setHas(TBVBandType::rbTitle, on); }
    void setHasPageHeader(bool on) { setHas(TBVBandType::rbPageHeader, on); }
    void setHasColumnHeader(bool on) { setHas(TBVBandType::rbColumnHeader, on); }
    void setHasDetail(bool on) { setHas(TBVBandType::rbDetail, on); }
    void setHasPageFooter(bool on) { setHas(TBVBandType::rbPageFooter, on); }
    void setHasSummary(bool on) { setHas(TBVBandType::rbSummary, on); }

    TBVBand* TitleBand() const { return first(TBVBandType::rbTitle); }
    TBVBand* PageHeaderBand() const { return first(TBVBandType::rbPageHeader); }
    TBVBand* ColumnHeaderBand() const { return first(TBVBandType::rbColumnHeader); }
    TBVBand* DetailBand() const { return first(TBVBandType::rbDetail); }
    TBVBand* PageFooterBand() const { return first(TBVBandType::rbPageFooter); }
    TBVBand* SummaryBand() const { return first(TBVBandType::rbSummary); }
    // Overlay bands are never looked up by kind.
    TBVBand* OverlayBand() const { return nullptr; }

    // The first band of the type in the band list, or none.
    TBVBand* first(TBVBandType type) const;

private:
    void setHas(TBVBandType type, bool on);

    TBVReport& m_report;
};
