#include "report/preview/stored_pages_print.h"

#include "report/preview/progress_form.h"
#include "report/store/printer.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <memory>

void printStoredPages(TBVPrinter& printer, bool showProgress)
{
    std::unique_ptr<TBVProgressForm> form;
    if (showProgress) {
        form = std::make_unique<TBVProgressForm>(progressCaption(TBVRunKind::Print), [&printer] { printer.Cancel(); });
        form->show();
    }
    const QMetaObject::Connection progress = QObject::connect(&printer, &TBVPrinter::progress, [&form](int percent) {
        if (form)
            form->setPercent(percent);
    });
    const auto disconnect = qScopeGuard([&progress] { QObject::disconnect(progress); });
    printer.PrintStoredPages([] { QCoreApplication::processEvents(); });
}
