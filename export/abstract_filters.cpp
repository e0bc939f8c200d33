#include "export/abstract_filters.h"

#include "export/document_writer.h"
#include "export/export_error.h"
#include "export/export_settings.h"
#include "export/positions.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <cmath>

namespace {

const QString abstractName = QStringLiteral("BVAbstract");

// Lines of the page at the font's character height, to the nearest whole line.
int linesPerPage(long double paperHeightNative, long double charHeightNative)
{
    return charHeightNative > 0 ? static_cast<int>(std::nearbyint(paperHeightNative / charHeightNative)) : 0;
}

// Replaces one coordinate of every entry by its rank among the page's
// positions on that axis; answers the highest rank.
int rankEntries(std::vector<TTextEntry>& entries, long double TTextEntry::*coordinate, TBVPositions& positions)
{
    positions.BeginCollect();
    for (const TTextEntry& entry : entries)
        positions.AddPosition(entry.*coordinate);
    positions.EndCollect();
    int highest = 0;
    for (TTextEntry& entry : entries) {
        entry.*coordinate = positions.RankOf(entry.*coordinate);
        highest = std::max(highest, static_cast<int>(entry.*coordinate));
    }
    return highest;
}

}

long double characterHeightNative(const QFont& font) { return font.pointSizeF() * 254.0L / 72.0L; }

// ---- TBVAbstractExportFilter

QString TBVAbstractExportFilter::Description() const { return QString(); }

QString TBVAbstractExportFilter::FileExtension() const { return QString(); }

QString TBVAbstractExportFilter::DisplayName() const { return abstractName; }

void TBVAbstractExportFilter::BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font)
{
    OpenStream(OutputFileName());
    m_entries.clear();
    m_baseFont = font;
    m_charHeightNative = characterHeightNative(font);
    m_paperWidthNative = paperWidthNative;
    m_paperHeightNative = paperLengthNative;
    m_lineCount = linesPerPage(m_paperHeightNative, m_charHeightNative);
    m_pageProcessed = false;
    m_tolerance = 4.0L;
    setActive(true);
}

void TBVAbstractExportFilter::BeginPage()
{
    m_entries.clear();
    m_pageProcessed = false;
}

void TBVAbstractExportFilter::EndPage()
{
    // The run's first EndPage comes before any page was begun: nothing to write.
    if (m_entries.empty())
        return;
    ProcessPage();
    m_entries.clear();
}

void TBVAbstractExportFilter::EndExport()
{
    m_entries.clear();
    CloseStream();
    setActive(false);
}

void TBVAbstractExportFilter::ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor&,
    TBVExportAlignment alignment, const QString& text)
{
    m_entries.push_back({ text, anchor.xNative, anchor.yNative, alignment, font });
}

void TBVAbstractExportFilter::OpenStream(const QString& fileName)
{
    m_memoryBytes.clear();
    if (fileName.isEmpty()) {
        auto buffer = std::make_unique<QBuffer>(&m_memoryBytes);
        buffer->open(QIODevice::WriteOnly);
        m_stream = std::move(buffer);
        return;
    }
    m_stream = createExportFile(fileName);
}

void TBVAbstractExportFilter::CloseStream()
{
    if (!m_stream)
        return;
    auto* file = qobject_cast<QFile*>(m_stream.get());
    if (file && !file->flush())
        throw fileWriteError(*file);
    m_stream.reset();
}

void TBVAbstractExportFilter::ProcessPage()
{
    m_pageProcessed = true;
    TBVPositions columns;
    columns.Tolerance = m_tolerance;
    m_colCount = rankEntries(m_entries, &TTextEntry::X, columns);
    TBVPositions lines;
    m_lineCount = rankEntries(m_entries, &TTextEntry::Y, lines);
    WritePage();
}

void TBVAbstractExportFilter::WritePage() { }

// ---- TBVGAbstractExportFilter

QString TBVGAbstractExportFilter::Description() const { return QString(); }

QString TBVGAbstractExportFilter::FileExtension() const { return QString(); }

QString TBVGAbstractExportFilter::DisplayName() const { return abstractName; }

void TBVGAbstractExportFilter::BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font)
{
    OpenStream(OutputFileName());
    m_baseFont = font;
    m_charHeightNative = characterHeightNative(font);
    m_paperWidthNative = paperWidthNative;
    m_paperHeightNative = paperLengthNative;
    m_lineCount = linesPerPage(m_paperHeightNative, m_charHeightNative);
    m_pageProcessed = false;
    setActive(true);
}

void TBVGAbstractExportFilter::EndPage() { ProcessPage(); }

void TBVGAbstractExportFilter::BeginPage() { m_pageProcessed = false; }

void TBVGAbstractExportFilter::EndExport()
{
    const TDocumentWriter writer(htmlDocumentEncoding(ExportSettings::HTMLTextEncoding));
    if (OutputFileName().isEmpty())
        m_memoryBytes = writer.encode(Document());
    else
        writer.write(Document(), OutputFileName());
    CloseStream();
    Document().clear();
    setActive(false);
}

// The document is written as a whole at the end; creating the file now makes
// a name that cannot be written fail before any work is done.
void TBVGAbstractExportFilter::OpenStream(const QString& fileName)
{
    m_memoryBytes.clear();
    if (!fileName.isEmpty())
        createExportFile(fileName);
}

void TBVGAbstractExportFilter::CloseStream() { }

void TBVGAbstractExportFilter::ProcessPage() { m_pageProcessed = true; }

void TBVGAbstractExportFilter::WritePage() { }

void TBVGAbstractExportFilter::WriteLine(const QString& text) { Document().append(text); }

// ---- TBVPAbstractExportFilter

QString TBVPAbstractExportFilter::Description() const { return QString(); }

QString TBVPAbstractExportFilter::FileExtension() const { return QString(); }

QString TBVPAbstractExportFilter::DisplayName() const { return abstractName; }

void TBVPAbstractExportFilter::OpenStream(const QString&) { }

void TBVPAbstractExportFilter::CloseStream() { }

void TBVPAbstractExportFilter::ProcessPage() { m_pageProcessed = true; }

void TBVPAbstractExportFilter::WritePage() { }
