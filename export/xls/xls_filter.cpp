#include "export/xls/xls_filter.h"

#include "export/code_page.h"
#include "export/document_writer.h"
#include "export/xls/xls_records.h"

#include <QFile>

namespace {

// The report constant that carries the next free row from page to page.
const QString globalRowConstant = QStringLiteral("___XLGlobRow");

}

QString TBVXLSFilter::Description() const { return QStringLiteral("Excel file format"); }

QString TBVXLSFilter::FileExtension() const { return QStringLiteral("XLS"); }

QString TBVXLSFilter::DisplayName() const { return QStringLiteral("Excel spreadsheet"); }

bool TBVXLSFilter::ContinuousPage() const { return true; }

void TBVXLSFilter::BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font)
{
    TBVAbstractExportFilter::BeginExport(paperWidthNative, paperLengthNative, font);
    m_lastSheetRow = -1;
}

void TBVXLSFilter::OpenStream(const QString& fileName)
{
    TBVAbstractExportFilter::OpenStream(fileName);
    writeRecord(XlsRecords::beginningOfFile());
    writeRecord(XlsRecords::dimensions());
    Owner()->setConstant(globalRowConstant, 0);
}

void TBVXLSFilter::CloseStream()
{
    if (Stream())
        writeRecord(XlsRecords::endOfFile());
    TBVAbstractExportFilter::CloseStream();
}

void TBVXLSFilter::WritePage()
{
    int row = Owner()->constant(globalRowConstant).toInt();
    const bool continuing = row > 0;
    m_firstAtPlace.clear();
    for (const TTextEntry& entry : Entries())
        m_firstAtPlace.emplace(std::make_pair(static_cast<int>(entry.Y), static_cast<int>(entry.X)), &entry.Text);
    if (!continuing && LineCount() > 0)
        Owner()->setProgressCaption(QStringLiteral("Writing XLS file..."));
    for (int line = 1; line <= LineCount(); ++line) {
        if (!continuing)
            Owner()->reportProgress((line - 1) * 100 / LineCount());
        writeLine(line, row);
        ++row;
    }
    m_lastSheetRow = std::max(m_lastSheetRow, row);
    Owner()->setConstant(globalRowConstant, row);
    m_firstAtPlace.clear();
}

// The first text collected at each column of the line wins; a text that
// reads as a number without its thousands points becomes a number cell.
void TBVXLSFilter::writeLine(int line, int row)
{
    for (int column = 1; column <= ColCount(); ++column) {
        const auto entry = m_firstAtPlace.find({ line, column });
        if (entry == m_firstAtPlace.end() || entry->second->isEmpty())
            continue;
        const QString& text = *entry->second;
        if (cellNumber(text)) {
            QString cleaned = text;
            cleaned.remove(NumberConventions().thousandsSeparator);
            WriteCell(CellKind::Number, row, cleaned, column - 1);
        } else {
            WriteCell(CellKind::Text, row, text, column - 1);
        }
    }
}

void TBVXLSFilter::WriteCell(CellKind kind, int row, const QString& text, int column)
{
    if (kind == CellKind::Number)
        writeRecord(XlsRecords::numberCell(row, column, cellNumber(text).value_or(0)));
    else
        writeRecord(XlsRecords::textCell(row, column, CodePage::encode(text, CodePage::Ansi)));
}

void TBVXLSFilter::writeRecord(const QByteArray& record)
{
    if (Stream()->write(record) == record.size())
        return;
    if (auto* file = qobject_cast<QFile*>(Stream()))
        throw fileWriteError(*file);
}
