#pragma once

#include "report/engine/printer_adapter.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class TBVExportFilter;
class TBVImage;
class TBVPrinter;

// The three kinds of run: pages into a page printer (preview or plain
// generation), every element into an export filter, pages onto a printer.
enum class TBVRunKind { Generate, Export, Print };

// What a run shows the user while it works. The window itself lives in the
// preview layer; the run owns it and lets it go when the run ends.
class TBVRunProgress {
public:
    virtual ~TBVRunProgress() = default;
    virtual void setPercent(int percent) = 0;
    virtual void setCaption(const QString& caption) = 0;
};

// Where the band code of a run stands. Positions are native (tenths of a
// millimetre from the paper's top-left corner).
struct TBVRunLayout {
    int currentY = -1;
    int columnX = 0;
    int columnTop = 0;
    int currentColumn = 1;
    int pageNumber = 0;
    long double footerSpace = 0;
    bool finalPage = false;
    bool pageStartMark = false;
    bool forcedColumnAsked = false;
    TBVImage* backImage = nullptr;
};

// Everything that belongs to one generation run: the page printer it draws
// into, the export filter of an export run, the event pump, the cancel flag,
// the layout state and the progress window. The report refers to a run only
// while CreateReport runs it; the caller makes the run, and when the run
// object is gone nothing of it is left behind.
class TBVReportRun {
public:
    // A run into the page printer: with a filter an export run, in which
    // nothing is drawn, every element goes to the filter and the printer
    // only lends its conversions; without one a run into the page store, or
    // onto a printer when the page printer's destination is the printer.
    // Another ReportPrinter (a test's, another destination) takes the same
    // two choices.
    explicit TBVReportRun(TBVPrinter& printer, TBVExportFilter* filter = nullptr);
    explicit TBVReportRun(ReportPrinter& printer, TBVExportFilter* filter = nullptr);
    ~TBVReportRun();
    TBVReportRun(const TBVReportRun&) = delete;
    TBVReportRun& operator=(const TBVReportRun&) = delete;

    TBVRunKind kind() const { return m_kind; }
    ReportPrinter& printer() const { return *m_printer; }
    TBVExportFilter* exportFilter() const { return m_filter; }
    // Only a run that is not an export draws on the page printer's canvas.
    bool renderToCanvas() const { return m_filter == nullptr; }

    // The only place where pending events are processed during the run:
    // at its start, after every page begun and after the job has ended.
    void setEventPump(std::function<void()> pump) { m_eventPump = std::move(pump); }
    void pumpEvents();

    // Stops the run from taking records and ends its job by aborting it.
    void cancel() { m_cancelRequested = true; }
    bool cancelRequested() const { return m_cancelRequested; }

    // The progress window, shown while the run lives.
    void setProgress(std::unique_ptr<TBVRunProgress> progress);
    TBVRunProgress* progress() const { return m_progress.get(); }
    void reportProgress(int percent);
    // The pages a print run is expected to make (the pages on show): each
    // page begun then moves the progress window by its share.
    void setExpectedPages(int pages) { m_expectedPages = pages; }
    void pageBegun(int pageNumber);

    TBVRunLayout& layout() { return m_layout; }
    const TBVRunLayout& layout() const { return m_layout; }

private:
    TBVRunKind m_kind;
    std::optional<PagePrinterAdapter> m_adapter;
    ReportPrinter* m_printer;
    TBVExportFilter* m_filter;
    std::function<void()> m_eventPump;
    bool m_cancelRequested = false;
    std::unique_ptr<TBVRunProgress> m_progress;
    int m_expectedPages = 0;
    TBVRunLayout m_layout;
};

// Makes the progress window of a run; the report asks it for export and
// print runs when ShowProgress is on.
using TBVProgressFactory = std::function<std::unique_ptr<TBVRunProgress>(TBVReportRun& run)>;
