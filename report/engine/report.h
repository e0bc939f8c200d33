#pragma once

#include "export/filter.h"
#include "report/engine/band.h"
#include "report/engine/page.h"
#include "report/engine/printable.h"
#include "report/engine/report_bands.h"
#include "report/engine/report_printer_settings.h"
#include "report/engine/report_run.h"

#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class ReportPrinter;
class TBVExportFilter;
class TBVPrinter;
class TBVImage;

struct TBVReportOptions {
    bool FirstPageHeader = true;
    bool LastPageFooter = true;
    bool Compression = false;
};

// A report definition: page setup, bands with their printables, and the
// generation of pages from them into a page printer or an export filter.
// Build it in code, fill texts and pictures, then generate.
class TBVReport {
public:
    TBVReport();
    ~TBVReport();
    TBVReport(const TBVReport&) = delete;
    TBVReport& operator=(const TBVReport&) = delete;

    TBVPage& Page() { return m_page; }
    const TBVPage& Page() const { return m_page; }
    TBVUnit Units() const { return m_units; }
    void setUnits(TBVUnit units);
    int Zoom() const { return m_zoom; }
    void setZoom(int zoom);
    const PageFont& Font() const { return m_font; }
    void setFont(const PageFont& font);
    TBVReportBands& Bands() { return m_bandSwitches; }
    const TBVReportBands& Bands() const { return m_bandSwitches; }

    TBVReportOptions Options;
    TBVFrame Frame;
    bool PrintIfEmpty = false;
    QString ReportTitle;
    QStringList Description;
    bool ShowProgress = true;
    QColor BackgroundColor = Qt::white;
    QString BackImageControl;
    // Named values a run keeps in the report (export filters may keep their state here).
    QVariantMap Constants;

    std::function<void(TBVReport& report, bool& printReport)> BeforePrint;
    std::function<void(TBVReport& report)> OnStartPage;
    std::function<void(TBVReport& report)> OnEndPage;
    std::function<void(TBVReport& report)> AfterPreview;
    std::function<void(TBVReport& report)> AfterPrint;

    // Printer settings handed to the page printer before every run, and the
    // second set: what the printer setup dialogs returned, kept between them.
    TBVReportPrinterSettings PrinterSettings;
    TBVSetupPrinterSettings SetupPrinterSettings;
    // The outcome of the last printer setup dialog: 1 cancelled, 0 OK.
    int Tag = 0;

    // Bands: made and owned by the report, kept in print order (the band list).
    TBVBand& addBand(TBVBandType type);
    TBVChildBand& addChildBand(TBVCustomBand& parent);
    void removeBand(TBVCustomBand& band);
    const std::vector<TBVCustomBand*>& bandList() const { return m_bandList; }
    TBVChildBand* childOf(const TBVCustomBand& band) const;
    // Rebuilds the band list in print order and stacks the bands on the design surface.
    void arrangeBands();

    // Printables placed directly on the report (a background image, page marks).
    template <typename T> T& add(const QString& name)
    {
        auto element = std::make_unique<T>(*this, nullptr, name);
        T& result = *element;
        m_printables.push_back(std::move(element));
        return result;
    }
    const std::vector<std::unique_ptr<TBVPrintable>>& printables() const { return m_printables; }

    // Generation. A run goes into the given printer; with a filter it is an
    // export run that draws nothing. Each makes a run of its own and leaves
    // the report idle afterwards, also when the printer raised an EBVError,
    // which then propagates. Each answers false when it was refused because
    // another run is active: then nothing was generated.
    bool generate(TBVPrinter& printer);
    bool generate(ReportPrinter& printer);
    bool ExportToFilter(TBVExportFilter& filter, TBVPrinter& printer);
    bool ExportToFilter(TBVExportFilter& filter, ReportPrinter& printer);
    // One run of the caller's making. Refuses, answering false, while
    // another run is active; true when the run took place (also when the
    // report's BeforePrint handler refused to print or the run was cancelled).
    [[nodiscard]] bool CreateReport(TBVReportRun& run);
    // Marks the active run as cancelled.
    void Cancel();
    // A printer run: the report is generated once more straight to the
    // printer, pages outside FirstPage..LastPage into throwaway pictures, with
    // the progress window while ShowProgress is on. printerObject replaces
    // the system's printer (a PDF printer in tests, a device a caller chose);
    // pumpEvents handles pending events during the run (the progress
    // window's Cancel); expectedPages, when known (the pages on show), lets
    // the progress window move page by page. Refuses, answering false, while
    // a run is active; throws EBVError when no printer is installed or the
    // printer fails, after the print document has ended.
    bool Print(QPrinter* printerObject = nullptr, std::function<void()> pumpEvents = {}, int expectedPages = 0);
    // Makes the progress window of export and print runs while ShowProgress is on.
    void setProgressFactory(TBVProgressFactory factory) { m_progressFactory = std::move(factory); }

    // The band code of a run.
    void PrintBand(TBVCustomBand* band);
    int AvailableSpace() const;
    void NewColumn();
    void NewPage();
    void FinishPage();
    static bool PageBroken() { return s_pageBroken; }

    bool Idle() const { return m_active == nullptr; }
    // The run in progress; null between runs.
    TBVReportRun* activeRun() const { return m_active; }
    bool RenderToCanvas() const { return !m_active || m_active->renderToCanvas(); }
    TBVExportFilter* exportFilter() const { return m_active ? m_active->exportFilter() : nullptr; }
    ReportPrinter* printer() const { return m_active ? &m_active->printer() : nullptr; }
    int CurrentY() const { return m_active ? layout().currentY : -1; }
    int ColumnX() const { return m_active ? layout().columnX : 0; }
    int CurrentColumn() const { return m_active ? layout().currentColumn : 1; }
    int PageNumber() const { return m_active ? layout().pageNumber : 0; }
    long double FooterSpace() const { return m_active ? layout().footerSpace : 0; }
    // The page height used by the layout arithmetic, native.
    long double pageHeight() const { return m_page.native(TBVPage::Length); }
    long double pageWidth() const { return m_page.native(TBVPage::Width); }
    UnitScale unitScale() const;

private:
    class ActiveRun;
    class PrintingScope;

    QString uniqueBandName(TBVBandType type) const;
    void applyUnits();
    void startRun();
    void runGeneration();
    void prepareRun();
    void finishRun();
    void endJob(bool pumpEvents);
    void RunBands();
    long double computeFooterSpace() const;
    void forEachPrintable(const std::function<void(TBVPrintable&)>& action) const;
    void printBandNow(TBVCustomBand& band);
    bool applyForcedBreaks(TBVCustomBand& band);
    void makeSpace(TBVCustomBand& band);
    void printBandContents(TBVCustomBand& band, long double height);
    void printChild(TBVCustomBand& band, bool before);
    long double linkedHeight(const TBVCustomBand& band) const;
    void placeSummaryInColumn(TBVCustomBand& band);
    void paintPageBackground();
    void printReportPrintables();
    void exportRect(const PageRect& rect, const QColor& colour);
    void exportFrameShapes(const PageRect& rect, const TBVFrame& frame);
    void drawBandFrame(const TBVCustomBand& band, long double height);
    bool printPass(TBVCustomBand& band, bool firstPass, long double height);
    bool pageBegun() const { return layout().pageNumber > 0; }
    TBVRunLayout& layout() { return m_active->layout(); }
    const TBVRunLayout& layout() const { return m_active->layout(); }
    ReportPrinter& device() const { return m_active->printer(); }

    TBVPage m_page;
    TBVUnit m_units = TBVUnit::MM;
    int m_zoom = 100;
    PageFont m_font;
    TBVReportBands m_bandSwitches;
    std::vector<std::unique_ptr<TBVCustomBand>> m_bands;
    std::vector<TBVCustomBand*> m_bandList;
    std::vector<std::unique_ptr<TBVPrintable>> m_printables;
    TBVReportRun* m_active = nullptr;
    TBVProgressFactory m_progressFactory;
    std::unique_ptr<ExportContext> m_exportContext;

    static bool s_pageBroken;
};
