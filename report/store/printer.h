#pragma once

#include "report/emf/emf_page.h"
#include "report/store/page_canvas.h"
#include "report/store/printer_settings.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class EmfCanvas;
class PainterCanvas;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class TBVPageList;
class TBVStream;

enum class TBVPrinterStatus { Idle = 0, Busy = 1, Finished = 2 };
enum class TBVDestination { PageStore, Printer };

// The page printer. Generation starts a job, begins each page with NewPage,
// draws it on Canvas() through the device conversions, and finishes or
// aborts the job. With the page-store destination every finished page is
// recorded as EMF into a page list whose stream is also the stored report
// file (Save, Load); the preview reads finished pages with GetPage while
// later ones are still being made. With the printer destination the pages
// are painted straight onto a paged paint device (a QPrinter).
//
// Native units are tenths of a millimetre from the paper's top-left corner;
// the factors are device pixels per tenth of a millimetre.
class TBVPrinter : public QObject {
    Q_OBJECT
public:
    explicit TBVPrinter(QObject* parent = nullptr);
    ~TBVPrinter() override;

    TBVPrinterStatus Status() const { return m_status; }
    TBVDestination Destination() const { return m_destination; }
    void SetDestination(TBVDestination destination) { m_destination = destination; }

    // A device pages go to with the printer destination instead of the
    // platform printer; not owned.
    void SetPrintDevice(QPagedPaintDevice* device) { m_printDevice = device; }

    // The platform printer object. One given here (not owned; a PDF printer
    // in tests, a device a caller chose) counts as an installed printer.
    // Otherwise the page printer makes its own on first use, for the printer
    // at PrinterIndex() of the system's list, or for the system's default
    // printer when the index is -1 or UseStandardprinter is on; none when
    // no printer is installed. Making it reads its device settings.
    void SetPlatformPrinter(QPrinter* printer);
    QPrinter* PlatformPrinter();
    bool PrintersAvailable() const;
    int PrinterIndex() const { return m_printerIndex; }
    // Switches to the printer at this index of the system's list: its device
    // settings are reset and read again. An index outside the list is ignored.
    void SelectPrinter(int index);

    // Prints the stored pages (of a finished job or a loaded file) from
    // FirstPage to LastPage on the platform printer, each stretched over its
    // paper. Reports progress, lets pumpEvents handle pending events before
    // every page (a progress window's Cancel), stops at Cancel and always
    // ends the print document. Throws EBVError when no printer is installed
    // or the printer fails, with the system's reason.
    void PrintStoredPages(const std::function<void()>& pumpEvents = {});
    // Stops PrintStoredPages after the page being printed.
    void Cancel() { m_cancelled = true; }

    TPrinterSettings& PrinterSettings() { return m_settings; }
    const TPrinterSettings& PrinterSettings() const { return m_settings; }

    // Compress the pages of the next job with the splay-tree code.
    bool Compression() const { return m_compression; }
    void SetCompression(bool on) { m_compression = on; }

    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // The owner report is running an export: AbortJob then drops the page in
    // progress instead of keeping it.
    bool OwnerExporting() const { return m_ownerExporting; }
    void SetOwnerExporting(bool on) { m_ownerExporting = on; }

    // True after a preview run has ended or a file was loaded: printing then
    // prints the stored pages instead of regenerating the report.
    bool StoredPagesFinal() const { return m_storedPagesFinal; }
    void SetStoredPagesFinal(bool on) { m_storedPagesFinal = on; }

    // Pages begun in this job, or the pages of a loaded file.
    int PageCount() const { return m_pageCount; }
    // Pages begun in this job, counted for the printer page range.
    int JobPageCount() const { return m_jobPageCount; }
    // Pages finished and announced with pageAvailable.
    int AvailablePages() const { return m_availablePages; }

    double XFactor() const { return m_xFactor; }
    double YFactor() const { return m_yFactor; }
    double LeftOffset() const { return m_leftOffset; }
    double TopOffset() const { return m_topOffset; }

    // Native positions and sizes to device pixels, rounding halves to even.
    int DeviceX(double x) const;
    int DeviceY(double y) const;
    int DeviceWidth(double w) const;
    int DeviceHeight(double h) const;

    // Page size in native units: the paper size, swapped in landscape.
    double PageWidth() const;
    double PageHeight() const;

    // Starts a job; throws EBVError "BVPrinter not ready" unless idle.
    void StartJob();
    // Finishes the current page (if any) and begins the next one; throws
    // EBVError "Illegal call to NewPage" unless busy.
    void NewPage();
    // Ends the job keeping the page in progress. The printer is finished
    // afterwards also when storing the last page throws EBVError.
    void FinishJob();
    // Ends the job dropping (when exporting) or keeping the page in progress;
    // a printer job's print document is aborted. Finished afterwards, as
    // after FinishJob.
    void AbortJob();

    // The canvas of the page in progress; null when no page has been begun.
    PageCanvas* Canvas() const;

    // Page n (1-based) as a checked picture; null when idle or n is out of
    // range. Throws EBVError when the stored record or picture is corrupt.
    std::unique_ptr<EmfPage> GetPage(int n) const;

    // Copies the stored pages into a stored report file. Does nothing before
    // the job has finished; throws EBVError when the file cannot be written.
    void Save(const QString& fileName) const;

    // Shows a stored report file: reads its header, takes orientation and
    // paper size from page 1 and becomes finished. Throws EBVError when the
    // file cannot be opened or is not a stored report.
    void Load(const QString& fileName);

    // The file name of the page stream's temporary file; empty while the
    // pages are held in memory.
    QString TemporaryFileName() const;

    // True when the pages come from a loaded stored report file: such a
    // report can be printed and saved, not regenerated, exported or set up.
    bool LoadedFromFile() const { return m_loadedFile; }

signals:
    // A page has been finished: the preview may now show this many pages.
    void pageAvailable(int availablePages);
    // Progress of a printer run in percent.
    void progress(int percent);
    // A printer job has ended: finished, aborted (a cancelled print) or
    // failed on the way. A print of stored pages whose print document could
    // not even begin has not run and announces nothing.
    void afterPrint();

private:
    void freeJob();
    void markJobEnded();
    void beginStorePage();
    void storeCurrentPage();
    void beginPrinterPage();
    bool pageInRange(int page) const;
    void setScreenFactors();
    void setPrinterFactors();
    void takePaperFromFirstPage();
    QPagedPaintDevice* printDevice();
    void makeOwnPrinter();
    void endPrinterDocument();
    void printStoredPage(QPainter& painter, QPrinter& device, int pageNumber);

    TBVDestination m_destination = TBVDestination::PageStore;
    TBVPrinterStatus m_status = TBVPrinterStatus::Idle;
    TPrinterSettings m_settings;
    QPagedPaintDevice* m_printDevice = nullptr;
    QPrinter* m_givenPrinter = nullptr;
    std::unique_ptr<QPrinter> m_ownPrinter;
    int m_printerIndex = -1;
    bool m_cancelled = false;
    QString m_title;
    bool m_compression = false;
    bool m_ownerExporting = false;
    bool m_storedPagesFinal = false;
    int m_pageCount = 0;
    int m_jobPageCount = 0;
    int m_availablePages = 0;
    double m_xFactor = 96.0 / 254.0;
    double m_yFactor = 96.0 / 254.0;
    double m_leftOffset = 0;
    double m_topOffset = 0;

    std::unique_ptr<TBVStream> m_stream;
    std::unique_ptr<TBVPageList> m_pageList;
    std::unique_ptr<EmfCanvas> m_emfCanvas;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterCanvas> m_painterCanvas;
    bool m_printerPageOpen = false;
    bool m_loadedFile = false;
};
