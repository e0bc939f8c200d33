#pragma once

#include "export/filter.h"
#include "export/rtf/rtf_font_list.h"
#include "export/rtf/rtf_format.h"

#include <QFile>
#include <memory>

// The texts of a report as an RTF document: per page one paragraph per text
// line, the texts of a line at tab stops that keep their positions and
// alignments, gaps as space before, pages separated by page breaks.
// Graphics are left out.
class TBVRTFExportFilter : public TBVExportFilter {
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

private:
    Rtf::PageGeometry pageGeometry() const;
    // One line of the file in the ANSI code page, with its CR LF.
    void writeLine(const QString& line);

    bool m_started = false;
    bool m_pendingPageBreak = false;
    bool m_pageBegun = false;
    std::unique_ptr<QFile> m_file;
    Rtf::PageGeometry m_page;
    int m_lineCount = 0;
    Rtf::PageLines m_lines;
    RtfFontList m_fonts { {} };
};
