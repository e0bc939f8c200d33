#pragma once

#include "report/engine/report_printer.h"

#include <QImage>
#include <vector>

// A canvas that records what is drawn, measuring text on the reference device.
class RecordingCanvas : public PageCanvas {
public:
    struct Text {
        QPoint anchor;
        QString text;
        TextAnchor alignment;
    };
    struct Fill {
        PageRect rect;
        QColor colour;
    };

    explicit RecordingCanvas(int dpi = 96, int fixedTextHeight = 0)
        : m_dpi(dpi)
        , m_fixedTextHeight(fixedTextHeight)
    {
    }
    int dpiX() const override { return m_dpi; }
    int dpiY() const override { return m_dpi; }
    int textWidth(const PageFont& font, const QString& text) const override;
    int textHeight(const PageFont& font, const QString& text) const override;
    void fillRect(const PageRect& rect, const QColor& colour) override { fills.push_back({ rect, colour }); }
    void drawText(QPoint anchorPx, const QString& text, const PageFont&, TextAnchor anchor, bool) override
    {
        texts.push_back({ anchorPx, text, anchor });
    }
    void drawImage(const PageRect& target, const QImage&) override { images.push_back(target); }
    void drawLine(QPoint, QPoint, const QColor&, int) override { }
    void drawFrame(const PageRect&, const QColor&, int) override { }
    void setClipRect(const PageRect& rect) override { clips.push_back(rect); }
    void clearClip() override { }

    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<PageRect> images;
    std::vector<PageRect> clips;

private:
    int m_dpi;
    int m_fixedTextHeight;
};

// A page printer that keeps the recorded pages in memory and checks its states as the page store does.
class FakePrinter : public ReportPrinter {
public:
    void applyPageSetup(const TBVPage&) override { }
    void setTitle(const QString& title) override { this->title = title; }
    void setCompression(bool) override { }
    void setOwnerExporting(bool on) override { exporting = on; }
    void StartJob() override;
    void NewPage() override;
    void FinishJob() override;
    void AbortJob() override;
    PageCanvas* Canvas() const override { return pages.empty() ? nullptr : pages.back().get(); }
    long double XFactor() const override { return 96.0L / 254.0L; }
    long double YFactor() const override { return 96.0L / 254.0L; }

    RecordingCanvas& page(int n) { return *pages.at(static_cast<size_t>(n - 1)); }
    int pageCount() const { return static_cast<int>(pages.size()); }

    enum class Status { Idle, Busy, Finished } status = Status::Idle;
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    QString title;
    int fixedTextHeight = 0; // text height the pages report, 0: measured
    bool exporting = false;
    bool aborted = false;
};
