#include "export/rtf/rtf_export_filter.h"

#include "export/code_page.h"
#include "export/document_writer.h"

#include <QHash>
#include <cmath>

namespace {

constexpr long double nativePerPoint = 254.0L / 72.0L;

// Whether the ANSI code page holds the UTF-16 code unit; asked once per character.
bool ansiHolds(QChar c)
{
    static QHash<char16_t, bool> known;
    const auto found = known.constFind(c.unicode());
    if (found != known.constEnd())
        return *found;
    const bool holds = c == '?' || CodePage::encode(QString(c), CodePage::Ansi, '?') != "?";
    known.insert(c.unicode(), holds);
    return holds;
}

Rtf::Alignment rtfAlignment(TBVExportAlignment alignment)
{
    switch (alignment) {
    case TBVExportAlignment::Right:
        return Rtf::Alignment::Right;
    case TBVExportAlignment::Centre:
        return Rtf::Alignment::Centre;
    default:
        return Rtf::Alignment::Left;
    }
}

}

QString TBVRTFExportFilter::Description() const { return QStringLiteral("RTF Export filter"); }

QString TBVRTFExportFilter::FileExtension() const { return QStringLiteral("RTF"); }

QString TBVRTFExportFilter::DisplayName() const { return QStringLiteral("RTF File"); }

Rtf::PageGeometry TBVRTFExportFilter::pageGeometry() const
{
    const TBVExportPageSetup setup = Owner()->pageSetup();
    Rtf::PageGeometry page;
    page.paperLengthTwips = Rtf::twips(setup.paperLength);
    page.paperWidthTwips = Rtf::twips(setup.paperWidth);
    page.topMarginTwips = Rtf::twips(setup.topMargin);
    page.bottomMarginTwips = Rtf::twips(setup.bottomMargin);
    page.leftMarginTwips = Rtf::twips(setup.leftMargin);
    page.rightMarginTwips = Rtf::twips(setup.rightMargin);
    page.landscape = setup.landscape;
    page.paperSize = setup.paperSize;
    return page;
}

void TBVRTFExportFilter::BeginExport(int, int paperLengthNative, const QFont&)
{
    if (m_started)
        return;
    m_started = true;
    m_page = pageGeometry();
    m_fonts = RtfFontList::installed();
    m_file = createExportFile(OutputFileName());
    m_lineCount = static_cast<int>(std::nearbyintl(paperLengthNative / nativePerPoint));
    writeLine(Rtf::headLine(m_page, m_fonts.tableText(ansiHolds)));
    writeLine(Rtf::colourTableText());
    writeLine(QStringLiteral("\\deflang1033"));
    setActive(true);
}

void TBVRTFExportFilter::BeginPage()
{
    m_lines.assign(static_cast<size_t>(m_lineCount), {});
    m_pageBegun = true;
}

void TBVRTFExportFilter::ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor&,
    TBVExportAlignment alignment, const QString& text)
{
    const int line = Rtf::lineOf(anchor.yNative, m_lineCount);
    if (!m_pageBegun || line < 0)
        return;
    Rtf::Item item;
    item.xNative = anchor.xNative;
    item.yNative = anchor.yNative;
    item.alignment = rtfAlignment(alignment);
    item.fontIndex = m_fonts.indexOf(font.font.family());
    item.colour = font.color;
    item.bold = font.font.bold();
    item.italic = font.font.italic();
    item.underline = font.font.underline();
    item.strikeOut = font.font.strikeOut();
    item.halfPoints = static_cast<int>(std::nearbyint(font.font.pointSizeF() * 2));
    item.escapedText = Rtf::escapeText(text, ansiHolds);
    Rtf::insertByX(m_lines[static_cast<size_t>(line)], item);
}

// Every page after the first page with text begins with a page break.
void TBVRTFExportFilter::EndPage()
{
    if (m_pendingPageBreak)
        writeLine(QStringLiteral("{\\page }"));
    if (!m_pageBegun)
        return;
    const QStringList paragraphs = Rtf::pageParagraphs(m_lines, m_page);
    for (const QString& line : paragraphs)
        writeLine(line);
    if (!paragraphs.isEmpty())
        m_pendingPageBreak = true;
}

void TBVRTFExportFilter::EndExport()
{
    writeLine(QStringLiteral("\\par }"));
    if (!m_file->flush())
        throw fileWriteError(*m_file);
    m_file.reset();
    m_lines.clear();
    setActive(false);
}

void TBVRTFExportFilter::writeLine(const QString& line)
{
    const QByteArray bytes = CodePage::encode(line, CodePage::Ansi) + "\r\n";
    if (m_file->write(bytes) != bytes.size())
        throw fileWriteError(*m_file);
}
