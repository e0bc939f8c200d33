#pragma once

#include "report/engine/report_printer.h"

class TBVPrinter;

// Generation into the page store's (or a printer's) TBVPrinter.
class PagePrinterAdapter : public ReportPrinter {
public:
    explicit PagePrinterAdapter(TBVPrinter& printer);

    void applyPageSetup(const TBVPage& page) override;
    void setTitle(const QString& title) override;
    void setCompression(bool on) override;
    void setOwnerExporting(bool on) override;
    void StartJob() override;
    void NewPage() override;
    void FinishJob() override;
    void AbortJob() override;
    PageCanvas* Canvas() const override;
    long double XFactor() const override;
    long double YFactor() const override;
    long double LeftOffset() const override;
    long double TopOffset() const override;

private:
    TBVPrinter& m_printer;
};
