#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class EmfPage;
class TBVExportFilter;
class TBVPrinter;
class TBVReport;

// The report engine's entry for what is done with a report's pages besides
// showing them: the preview's save and copy commands use it, and so does a
// tool that works without a window. Failures throw std::runtime_error with
// the engine's texts.

// The save command's export: an export run into a page printer of its own,
// so that pages on show stay; pumpEvents handles pending events between
// pages. Answers whether the export completed: false when it was refused
// (another run of the report is active) or cancelled, so that its output is
// thrown away.
bool exportReport(TBVReport& report, TBVExportFilter& filter, std::function<void()> pumpEvents = {});

// A stored page rendered onto white at its own pixel size, marked 96 dpi.
QImage renderPage(const EmfPage& page);

// The pages of one generation of a report, or of a stored report file.
class ReportPages {
public:
    // Generates the report into a page store of its own; throws when the
    // page store fails or another run of the report is active.
    static ReportPages generate(TBVReport& report);
    // Loads a stored report file and reads each of its pages once, so that
    // a damaged file fails here and not half-way through its pages.
    static ReportPages load(const QString& fileName);

    ReportPages(ReportPages&&) noexcept;
    ~ReportPages();

    int count() const;
    // Page n (1-based) as renderPage draws it.
    QImage render(int n) const;
    // Copies the pages into a stored report file.
    void save(const QString& fileName) const;

private:
    explicit ReportPages(std::unique_ptr<TBVPrinter> printer);

    std::unique_ptr<TBVPrinter> m_printer;
};

// What a printer run is asked to do besides the report's own settings.
struct ReportPrintChoices {
    static constexpr int OneSided = 1;
    static constexpr int ShortEdge = 2;
    static constexpr int LongEdge = 3;

    int printerIndex = -1; // in printerNames(); -1: the system's default printer
    int firstPage = 0; // 0: from the first page
    int lastPage = 0; // 0: to the last page
    int copies = 1;
    int duplexCode = OneSided;
};

// Prints the report as the preview's print button does, with the choices
// written into its printer settings first. Throws when no printer is
// installed or the printer fails.
void printReport(TBVReport& report, const ReportPrintChoices& choices);

// The printers the program can print on, one name each, and the position
// of the default one (-1 when there is none).
QStringList installedPrinters();
int defaultPrinter();
// The message for a machine without any printer.
QString noPrinterMessage();
