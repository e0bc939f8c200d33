#pragma once

#include "export/abstract_filters.h"

// The report as one HTML document: every text line, band background, rule
// and picture an absolutely positioned block in page pixels, the pages
// stacked one below the other. Pictures are JPEG files beside the document.
class TBVGHTMLDocumentFilter : public TBVGAbstractExportFilter {
public:
    // Puts the HTML options back to their defaults: an export always makes
    // one single document.
    explicit TBVGHTMLDocumentFilter(const QString& fileName);

    QString Description() const override;
    QString FileExtension() const override;
    QString DisplayName() const override;
    bool ContinuousPage() const override;

    void BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font) override;
    void EndPage() override;
    void EndExport() override;
    void BeginPage() override;
    void ExportGraphic(const TBVPagePoint& topLeft, const TBVExportGraphic& control) override;
    void ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor& background,
        TBVExportAlignment alignment, const QString& text) override;
    // The document is written as a whole by EndExport: an existing file keeps
    // its content until then. Only an export without a file name needs the
    // in-memory stream now.
    void OpenStream(const QString& fileName) override;
    void ProcessPage() override;

private:
    // Page pixels of a vertical position on the current page.
    int pageTop(long double topPx) const;
    void exportShape(int left, int top, const TBVExportGraphic& shape);
    void exportImage(int left, int top, const TBVExportGraphic& image);

    int m_pageNumber = 1;
    QColor m_bodyColour = Qt::white;
};
