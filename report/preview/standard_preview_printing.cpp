// The printing commands of the preview window: printer setup and print.
#include "report/preview/standard_preview.h"

#include "report/preview/preview_dialogs.h"
#include "report/preview/stored_pages_print.h"
#include "report/store/bv_error.h"
#include "report/store/printer.h"

// Without any printer both commands say so and do nothing else; the pages,
// saving and export keep working.
bool TBVStandardPreview::printerInstalled()
{
    if (m_printer->PrintersAvailable())
        return true;
    m_dialogs->showMessage(this, QString::fromLatin1(BVErrorText::NoPrinter));
    return false;
}

void TBVStandardPreview::PrintSetupClick()
{
    if (!mayStartCommand() || !allowed(TBVPreviewCommand::PrintSetup) || !printerInstalled())
        return;
    if (m_owner)
        m_owner->PrinterSetup(*m_printer, m_loadedFile, this);
}

void TBVStandardPreview::PrintClick()
{
    if (!mayStartCommand() || !allowed(TBVPreviewCommand::Print) || !printerInstalled())
        return;
    try {
        if (m_owner)
            m_owner->Print(*m_printer, m_loadedFile);
        else
            printStoredPages(*m_printer, true);
    } catch (const std::exception& error) {
        // The printer's own reason, in the message box of the engine.
        m_dialogs->showMessage(this, QString::fromUtf8(error.what()));
    }
}
