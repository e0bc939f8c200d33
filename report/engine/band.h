#pragma once

#include "report/engine/frame.h"
#include "report/engine/unit_base.h"

#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TBVReport;
class TBVPrintable;
class TBVChildBand;

enum class TBVBandType {
    rbTitle,
    rbPageHeader,
    rbDetail,
    rbPageFooter,
    rbSummary,
    rbGroupHeader,
    rbGroupFooter,
    rbSubDetail,
    rbColumnHeader,
    rbOverlay,
    rbWild,
    rbChild,
};

// Design-surface caption and name stem of a band type.
QString bandCaption(TBVBandType type);
QString bandNameStem(TBVBandType type);

// A horizontal strip of a report holding printable elements. Bands are owned
// by their report; a band owns its printables.
class TBVCustomBand {
public:
    TBVCustomBand(TBVReport& report, const QString& name);
    virtual ~TBVCustomBand();
    TBVCustomBand(const TBVCustomBand&) = delete;
    TBVCustomBand& operator=(const TBVCustomBand&) = delete;

    virtual TBVBandType BandType() const = 0;
    TBVReport& report() const { return m_report; }
    const QString& Name() const { return m_name; }

    TBVBandSize& Size() { return m_size; }
    const TBVBandSize& Size() const { return m_size; }
    long double heightNative() const { return m_size.native(TBVBandSize::Height); }
    long double widthNative() const { return m_size.native(TBVBandSize::Width); }

    bool AlignToBottom = false;
    bool ForceNewPage = false;
    bool ForceNewColumn = false;
    bool KeepOnOnePage = false;
    bool PreCaluculateBandHeight = false;
    bool TransparentBand = false;
    bool Enabled = true;
    QColor Color = Qt::white;
    TBVFrame Frame;

    const PageFont& Font() const;
    void setFont(const PageFont& font);
    bool ParentFont() const { return m_parentFont; }
    void setParentFont(bool parentFont) { m_parentFont = parentFont; }

    TBVCustomBand* LinkBand() const { return m_linkBand; }
    // Refuses (returns false) a link that leads back to this band.
    bool setLinkBand(TBVCustomBand* band);

    TBVChildBand* FindChildBand() const;
    bool HasChild() const { return FindChildBand() != nullptr; }
    // On: makes a child band following this one. Off: destroys the child and
    // attaches the child's own child to this band.
    void setHasChild(bool hasChild);

    // Adds a printable element of type T to the band, after those it has.
    template <typename T> T& add(const QString& name)
    {
        auto element = std::make_unique<T>(m_report, this, name);
        T& result = *element;
        m_printables.push_back(std::move(element));
        result.ApplyAlignToBand();
        return result;
    }
    const std::vector<std::unique_ptr<TBVPrintable>>& printables() const { return m_printables; }

    std::function<void(TBVCustomBand& band, bool& printBand)> BeforePrint;
    std::function<void(TBVCustomBand& band, bool bandPrinted)> AfterPrint;

    // Pixel bounds on the design surface; they follow the native size.
    const QRect& bounds() const { return m_bounds; }
    void setBounds(const QRect& bounds);

    // Generation state: how far the band has grown on the current page, native.
    long double ExtraHeight() const { return m_extraHeight; }
    void setExtraHeight(long double extraHeight) { m_extraHeight = extraHeight; }
    const PageRect& pageRect() const { return m_pageRect; }
    void setPageRect(const PageRect& rect) { m_pageRect = rect; }

    // Whether the band can grow by the amount on the current page, and growing it.
    bool CanStretch(long double amount) const;
    void StretchBand(long double amount, long double& grown, bool& hasGrown);

    // Content height the band needs when its height is precalculated, native.
    long double precalculatedHeight() const;

private:
    void updateBoundsFromSize();
    void notifyPrintablesResized();

    TBVReport& m_report;
    QString m_name;
    TBVBandSize m_size;
    PageFont m_font;
    bool m_parentFont = true;
    TBVCustomBand* m_linkBand = nullptr;
    std::vector<std::unique_ptr<TBVPrintable>> m_printables;
    QRect m_bounds;
    long double m_extraHeight = 0;
    PageRect m_pageRect;
};

class TBVBand : public TBVCustomBand {
public:
    TBVBand(TBVReport& report, TBVBandType type, const QString& name);
    TBVBandType BandType() const override { return m_type; }
    void setBandType(TBVBandType type);

private:
    TBVBandType m_type;
};

enum class TCBPrintOrder { cboBeforeParent, cboAfterParent, cboBeforeAndAfter };

// A band that follows (or precedes) its parent band wherever that prints.
class TBVChildBand : public TBVCustomBand {
public:
    TBVChildBand(TBVReport& report, const QString& name);
    TBVBandType BandType() const override { return TBVBandType::rbChild; }

    TBVCustomBand* ParentBand() const { return m_parent; }
    // Refuses (returns false) a parent that leads back to this band.
    bool setParentBand(TBVCustomBand* band);
    TCBPrintOrder PrintOrder = TCBPrintOrder::cboAfterParent;

    // The first band up the chain of parents that is not a child band.
    TBVCustomBand* rootBand() const;

private:
    TBVCustomBand* m_parent = nullptr;
};
