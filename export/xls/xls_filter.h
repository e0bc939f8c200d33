#pragma once

#include "export/abstract_filters.h"

#include <map>

// The texts of a report as the cells of one worksheet in the classic binary
// spreadsheet format: each page's texts ranked into columns and lines, the
// pages following each other row after row. Graphics are left out.
class TBVXLSFilter : public TBVAbstractExportFilter {
public:
    enum class CellKind { Number = 2, Text = 3 };

    using TBVAbstractExportFilter::TBVAbstractExportFilter;

    QString Description() const override;
    QString FileExtension() const override;
    QString DisplayName() const override;
    // Pages are not broken for lack of space: the worksheet has no pages.
    bool ContinuousPage() const override;

    void BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font) override;
    void OpenStream(const QString& fileName) override;
    void CloseStream() override;
    void WritePage() override;
    virtual void WriteCell(CellKind kind, int row, const QString& text, int column);

    int LastSheetRow() const { return m_lastSheetRow; }

private:
    void writeRecord(const QByteArray& record);
    void writeLine(int line, int row);

    int m_lastSheetRow = -1;
    // The page's first text at each (line, column), while the page is written.
    std::map<std::pair<int, int>, const QString*> m_firstAtPlace;
};
