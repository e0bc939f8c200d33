#pragma once

#include "report/engine/frame.h"
#include "report/engine/unit_base.h"

#include <QRect>
#include <QString>

class TBVReport;
class TBVCustomBand;
class ReportPrinter;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Base of every element that prints inside a band (or directly on the report).
// Its Size is native and relative to the band; the design-surface pixel
// bounds follow it.
class TBVPrintable {
public:
    TBVPrintable(TBVReport& report, TBVCustomBand* band, const QString& name);
    virtual ~TBVPrintable() = default;
    TBVPrintable(const TBVPrintable&) = delete;
    TBVPrintable& operator=(const TBVPrintable&) = delete;

    const QString& Name() const { return m_name; }
    TBVReport& report() const { return m_report; }
    TBVCustomBand* band() const { return m_band; }

    bool Enabled = true;
    bool Visible = true;
    TBVFrame Frame;
    // Prints again, at its designed place, on every page its band continues
    // on: the column headings of a table whose rows run over several pages.
    bool RepeatOnContinuation = false;

    TBVPrintableSize& Size() { return m_size; }
    const TBVPrintableSize& Size() const { return m_size; }
    long double native(TBVPrintableSize::Index index) const { return m_size.native(index); }

    TAlignment Alignment() const { return m_alignment; }
    virtual void setAlignment(TAlignment alignment);
    bool AlignToBand() const { return m_alignToBand; }
    void setAlignToBand(bool alignToBand);

    // Pixel bounds on the design surface, relative to the band.
    const QRect& bounds() const { return m_bounds; }
    void setBounds(const QRect& bounds);

    // Whether the last print finished all of the element's content.
    bool ContentDone() const { return m_contentDone; }

    virtual bool IsPrintable() const { return Enabled || !Visible; }
    virtual void ApplyAlignToBand();
    virtual void BeginPrinting();
    // Prints the element with the band's left and top on the page as offsets (native).
    virtual void PrintAt(long double offsetX, long double offsetY);
    virtual void BandResized();
    virtual void EndPrinting();
    // The height (pixels) the content needs, for bands that precalculate their height; negative: none.
    virtual qreal contentHeightPx() const { return -1; }
    // How far the element has come through its content; a continuation that does not move it is given up.
    virtual int progress() const { return 0; }
    // An element with a background of its own hands it to export filters with its frame.
    virtual bool hasBackground() const { return false; }
    virtual QColor backgroundColor() const { return Qt::white; }

protected:
    void setContentDone(bool done) { m_contentDone = done; }
    bool printing() const { return m_printing; }
    ReportPrinter* printer() const;
    // Draws the frame on the page and hands it to an export filter, around a device rectangle.
    void printFrame(const PageRect& rect) const;
    void exportFrame(const PageRect& rect) const;
    PageRect deviceRect(long double left, long double top, long double right, long double bottom) const;

private:
    void updateBoundsFromSize();

    TBVReport& m_report;
    TBVCustomBand* m_band;
    QString m_name;
    TBVPrintableSize m_size;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_alignToBand = false;
    QRect m_bounds;
    bool m_contentDone = true;
    bool m_printing = false;
};
