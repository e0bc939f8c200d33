#pragma once

#include "export/filter.h"

#include <QIODevice>
#include <memory>
#include <vector>

// One text line that a grid-oriented format collected on a page. X and Y are
// report units while collecting; ProcessPage replaces them by the column and
// line rank.
struct TTextEntry {
    QString Text;
    long double X = 0;
    long double Y = 0;
    TBVExportAlignment Alignment = TBVExportAlignment::Left;
    TBVExportFont Font;
};

// Base of the grid-oriented formats (the spreadsheet): collects a page's
// texts, ranks them into columns and lines at the end of the page and hands
// the page to WritePage. The output stream is a new file named
// OutputFileName, or an in-memory stream when the name is empty.
class TBVAbstractExportFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;

    QString Description() const override;
    QString FileExtension() const override;
    QString DisplayName() const override;

    void BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font) override;
    void EndPage() override;
    void EndExport() override;
    void BeginPage() override;
    void ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor& background,
        TBVExportAlignment alignment, const QString& text) override;

    virtual void OpenStream(const QString& fileName);
    virtual void CloseStream();
    virtual void ProcessPage();
    virtual void WritePage();

    // The stream the format writes to; null outside an export.
    QIODevice* Stream() const { return m_stream.get(); }
    // What an export without a file name produced; empty otherwise.
    QByteArray StreamBytes() const { return m_memoryBytes; }
    const std::vector<TTextEntry>& Entries() const { return m_entries; }
    int LineCount() const { return m_lineCount; }
    int ColCount() const { return m_colCount; }
    long double CharHeightNative() const { return m_charHeightNative; }
    long double PaperWidthNative() const { return m_paperWidthNative; }
    long double PaperHeightNative() const { return m_paperHeightNative; }
    bool PageProcessed() const { return m_pageProcessed; }
    const QFont& BaseFont() const { return m_baseFont; }
    long double PositionTolerance() const { return m_tolerance; }

private:
    std::vector<TTextEntry> m_entries;
    std::unique_ptr<QIODevice> m_stream;
    QByteArray m_memoryBytes;
    long double m_charHeightNative = 0;
    long double m_paperWidthNative = 0;
    long double m_paperHeightNative = 0;
    int m_lineCount = 0;
    int m_colCount = 0;
    bool m_pageProcessed = false;
    QFont m_baseFont;
    long double m_tolerance = 4.0L;
};

// Base of the document formats that draw in page pixels (HTML): the format
// collects its lines in Document, which EndExport writes to OutputFileName in
// the HTML TextEncoding (or into an in-memory stream when the name is empty).
class TBVGAbstractExportFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;

    QString Description() const override;
    QString FileExtension() const override;
    QString DisplayName() const override;

    void BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font) override;
    void EndPage() override;
    void EndExport() override;
    void BeginPage() override;

    virtual void OpenStream(const QString& fileName);
    virtual void CloseStream();
    virtual void ProcessPage();
    virtual void WritePage();

    void WriteLine(const QString& text);
    QByteArray StreamBytes() const { return m_memoryBytes; }
    int LineCount() const { return m_lineCount; }
    long double CharHeightNative() const { return m_charHeightNative; }
    long double PaperWidthNative() const { return m_paperWidthNative; }
    long double PaperHeightNative() const { return m_paperHeightNative; }
    bool PageProcessed() const { return m_pageProcessed; }
    const QFont& BaseFont() const { return m_baseFont; }

protected:
    void setPageProcessed(bool processed) { m_pageProcessed = processed; }
    // Kept for formats that write their own bytes: an export without a file name.
    void setStreamBytes(const QByteArray& bytes) { m_memoryBytes = bytes; }

private:
    QByteArray m_memoryBytes;
    long double m_charHeightNative = 0;
    long double m_paperWidthNative = 0;
    long double m_paperHeightNative = 0;
    int m_lineCount = 0;
    bool m_pageProcessed = false;
    QFont m_baseFont;
};

// Base of the PDF format: the four stream operations do nothing but mark the
// page as processed; the format keeps its own state.
class TBVPAbstractExportFilter : public TBVExportFilter {
public:
    using TBVExportFilter::TBVExportFilter;

    QString Description() const override;
    QString FileExtension() const override;
    QString DisplayName() const override;

    virtual void OpenStream(const QString& fileName);
    virtual void CloseStream();
    virtual void ProcessPage();
    virtual void WritePage();

    bool PageProcessed() const { return m_pageProcessed; }

protected:
    void setPageProcessed(bool processed) { m_pageProcessed = processed; }

private:
    bool m_pageProcessed = false;
};

// Character height of a font in report units: its point size in tenths of a millimetre.
long double characterHeightNative(const QFont& font);
