// The commands of the preview window that talk to the user or to files:
// go to page, search, copy, save and load.
#include "report/preview/standard_preview.h"

#include "export/export_file.h"
#include "export/filter_library.h"
#include "report/engine/report_output.h"
#include "report/preview/page_picture.h"
#include "report/preview/preview.h"
#include "report/preview/preview_dialogs.h"
#include "report/preview/preview_image.h"
#include "report/preview/save_target.h"
#include "report/preview/text_search.h"
#include "report/preview/thumb_grid.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QTabWidget>

namespace {

const char* const EmfMimeType = "image/x-emf";
const char* const StoredReportExtension = "BVP";
const char* const NoMatchText = "No matching text";

// Clears a flag when the scope ends, also by an exception.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagGuard() { m_flag = false; }

private:
    bool& m_flag;
};

QStringList libraryExtensions()
{
    const TBVExportFilterLibrary& library = TBVExportFilterLibrary::instance();
    QStringList extensions;
    for (int i = 0; i < library.count(); ++i)
        extensions << library.entry(i).fileExtension;
    return extensions;
}

QStringList textsOfPage(const TBVPrinter& printer, int pageNumber)
{
    try {
        const std::unique_ptr<EmfPage> page = printer.GetPage(pageNumber);
        return page ? pageTexts(*page) : QStringList();
    } catch (const EBVError&) {
        return {};
    }
}

} // namespace

void TBVStandardPreview::GotoPageClick()
{
    if (!m_printer)
        return;
    const int pages = m_printer->PageCount();
    const std::optional<QString> answer
        = m_dialogs->askText(this, QStringLiteral("Select a page from 1 to %1").arg(pages),
            QStringLiteral("Enter page number"), QString::number(m_preview->PageNumber()));
    if (answer)
        showPageNumber(pageFromPrompt(*answer, pages));
}

void TBVStandardPreview::FindClick()
{
    if (!printerFinished() || m_searching)
        return;
    FlagGuard searching(m_searching);
    const std::optional<PreviewDialogs::SearchAnswer> answer = m_dialogs->askSearch(this);
    if (answer)
        runSearch(answer->text, answer->matchCase);
}

void TBVStandardPreview::FindNextClick()
{
    const QAction* find = action(QStringLiteral("FindButton"));
    if (!find->isVisible() || !find->isEnabled())
        return;
    if (!m_searchResults->isEnabled() || m_searchResults->count() == 0) {
        FindClick();
        return;
    }
    const int shown = m_preview->PageNumber();
    int row = 0;
    for (int i = m_searchResults->count() - 1; i >= 0; --i) {
        if (m_searchResults->item(i)->data(Qt::UserRole).toInt() > shown)
            row = i;
    }
    m_searchResults->setCurrentRow(row);
    m_tabs->setCurrentIndex(1);
    showPageNumber(m_searchResults->item(row)->data(Qt::UserRole).toInt());
}

void TBVStandardPreview::runSearch(const QString& text, bool matchCase)
{
    m_searchResults->setEnabled(true);
    m_searchTextLabel->setText(text);
    m_searchResults->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<int> pages = findPages(
        m_printer->PageCount(), [this](int n) { return textsOfPage(*m_printer, n); }, text, matchCase);
    QApplication::restoreOverrideCursor();
    for (int pageNumber : pages) {
        auto* item = new QListWidgetItem(QStringLiteral("Page %1").arg(pageNumber), m_searchResults);
        item->setData(Qt::UserRole, pageNumber);
    }
    if (pages.empty()) {
        m_searchResults->addItem(QString::fromLatin1(NoMatchText));
        m_searchResults->setEnabled(false);
    }
    m_tabs->setCurrentIndex(1);
}

void TBVStandardPreview::CopyClick()
{
    if (!allowed(TBVPreviewCommand::Copy))
        return;
    const EmfPage* page = m_preview->image()->page();
    if (!page)
        return;
    // The metafile for programs that take vector pages, a rendering for all others.
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(EmfMimeType), page->bytes());
    data->setImageData(renderPage(*page));
    QApplication::clipboard()->setMimeData(data);
}

void TBVStandardPreview::SaveReportClick()
{
    if (!mayStartCommand() || !allowed(TBVPreviewCommand::Save))
        return;
    const QString defaultExtension = defaultSaveExtension(m_settings.defaultSaveType);
    const QString filterText
        = saveDialogFilterText(defaultExtension, TBVExportFilterLibrary::instance().DialogFilterText());
    const QString preset = proposedSaveName(m_settings.reportTitle, defaultExtension, defaultSaveFolder());
    const std::optional<PreviewDialogs::SaveAnswer> answer
        = m_dialogs->askSaveFile(this, QStringLiteral("Save report"), preset, dialogNameFilters(filterText));
    if (answer)
        saveTo(answer->fileName, answer->filterIndex);
}

void TBVStandardPreview::saveTo(const QString& fileName, int filterIndex)
{
    const QString defaultExtension = defaultSaveExtension(m_settings.defaultSaveType);
    const SaveTarget target = resolveSaveTarget(fileName, filterIndex, defaultExtension, libraryExtensions());
    if (holdsWildcard(target.fileName)) {
        m_dialogs->showError(this, QStringLiteral("Invalid file name \"%1\"").arg(target.fileName));
        return;
    }
    try {
        if (target.extension == QLatin1String(StoredReportExtension))
            m_printer->Save(target.fileName);
        else
            exportTo(target.fileName, target.extension);
    } catch (const std::exception& error) {
        m_dialogs->showError(this, QString::fromStdString(error.what()));
    }
}

void TBVStandardPreview::exportTo(const QString& fileName, const QString& extension)
{
    // A loaded file has no report behind it to generate again.
    if (!m_owner || m_loadedFile)
        return;
    const TBVExportFilterLibraryEntry* entry = TBVExportFilterLibrary::instance().FilterForExtension(extension);
    if (!entry)
        return;
    exportToFile(
        entry->filterClass, fileName, [this](TBVExportFilter& filter) { return m_owner->ExportToFilter(filter); });
}

void TBVStandardPreview::LoadReportClick()
{
    if (!mayStartCommand() || !allowed(TBVPreviewCommand::Load))
        return;
    const QString filterText = QStringLiteral("Belvanto file (*.%1)|*.%1").arg(QLatin1String(StoredReportExtension));
    const std::optional<QString> fileName
        = m_dialogs->askOpenFile(this, QStringLiteral("Load report"), dialogNameFilters(filterText));
    if (fileName)
        loadFrom(*fileName);
}

void TBVStandardPreview::loadFrom(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        m_dialogs->showMessage(this, QStringLiteral("File does not exist"));
        return;
    }
    try {
        // Every page is read once before the pages on show are given up, so
        // a damaged file leaves the current report in place.
        TBVPrinter probe;
        probe.Load(fileName);
        for (int n = 1; n <= probe.PageCount(); ++n)
            probe.GetPage(n);
        m_printer->Load(fileName);
    } catch (const std::exception& error) {
        m_dialogs->showError(this, QString::fromStdString(error.what()));
        return;
    }
    m_loadedFile = true;
    m_statusTitle = fileName;
    m_preview->setPrinter(m_printer);
    m_thumbGrid->setPrinter(m_printer);
    if (m_owner)
        m_owner->ApplyLoadedPageSetup(m_printer->PrinterSettings().orientation, m_printer->PrinterSettings().paperSize);
    m_preview->applyZoom();
    m_thumbGrid->setRowCount(m_printer->PageCount());
    m_thumbGrid->selectRowQuietly(0);
    setRunningState(true);
    updatePageStatus();
}
