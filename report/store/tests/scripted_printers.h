#pragma once

#include "report/store/printer_list.h"

#include <QDir>
#include <QPrinter>

// A printer list of the test's making, installed while it lives: each named
// printer writes a PDF file "<name>.pdf" into the folder. With no names the
// machine has no printer at all, whatever printers it really has.
class ScriptedPrinters : public PrinterCatalogue {
public:
    explicit ScriptedPrinters(QStringList printers = {}, QString defaultPrinter = {}, QString folder = {})
        : m_names(std::move(printers))
        , m_default(std::move(defaultPrinter))
        , m_folder(std::move(folder))
    {
        installPrinterCatalogue(this);
    }
    ~ScriptedPrinters() override { installPrinterCatalogue(nullptr); }
    ScriptedPrinters(const ScriptedPrinters&) = delete;
    ScriptedPrinters& operator=(const ScriptedPrinters&) = delete;

    QStringList names() const override { return m_names; }
    QString defaultName() const override { return m_default; }
    std::unique_ptr<QPrinter> printerFor(const QString& name) const override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(outputOf(name.isEmpty() ? m_default : name));
        return printer;
    }

    // The file the named printer prints into.
    QString outputOf(const QString& name) const { return QDir(m_folder).filePath(name + QStringLiteral(".pdf")); }

private:
    QStringList m_names;
    QString m_default;
    QString m_folder;
};
