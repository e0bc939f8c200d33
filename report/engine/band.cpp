#include "report/engine/band.h"

#include "report/engine/page_layout.h"
#include "report/engine/printable.h"
#include "report/engine/report.h"

#include <array>

namespace {

struct BandTexts {
    const char* caption;
    const char* stem;
};

const std::array<BandTexts, 12> bandTexts { {
    { "Title", "TitleBand" },
    { "Page Header", "PageHeaderBand" },
    { "Detail", "DetailBand" },
    { "Page Footer", "PageFooterBand" },
    { "Summary", "SummaryBand" },
    { "Group Header", "GroupHeaderBand" },
    { "Group Footer", "GroupFooterBand" },
    { "Sub Detail", "SubDetailBand" },
    { "Column Header", "ColumnHeaderBand" },
    { "Overlay", "OverlayBand" },
    { "Wild", "WildBand" },
    { "Child", "ChildBand" },
} };

constexpr int newBandHeightPx = 40;

}

QString bandCaption(TBVBandType type) { return bandTexts.at(static_cast<size_t>(type)).caption; }

QString bandNameStem(TBVBandType type) { return bandTexts.at(static_cast<size_t>(type)).stem; }

TBVCustomBand::TBVCustomBand(TBVReport& report, const QString& name)
    : m_report(report)
    , m_name(name)
    , m_size(report.Units())
{
    m_size.setScale(report.unitScale());
    m_size.setOwnerBoundsHandler([this] { updateBoundsFromSize(); });
    m_size.setFromPixels(TBVBandSize::Height, newBandHeightPx);
    updateBoundsFromSize();
}

TBVCustomBand::~TBVCustomBand() = default;

const PageFont& TBVCustomBand::Font() const { return m_parentFont ? m_report.Font() : m_font; }

void TBVCustomBand::setFont(const PageFont& font)
{
    m_font = font;
    m_parentFont = false;
}

bool TBVCustomBand::setLinkBand(TBVCustomBand* band)
{
    for (const TBVCustomBand* link = band; link; link = link->m_linkBand) {
        if (link == this)
            return false;
    }
    m_linkBand = band;
    return true;
}

TBVChildBand* TBVCustomBand::FindChildBand() const { return m_report.childOf(*this); }

void TBVCustomBand::setHasChild(bool hasChild)
{
    TBVChildBand* child = FindChildBand();
    if (hasChild && !child) {
        m_report.addChildBand(*this);
    } else if (!hasChild && child) {
        if (TBVChildBand* grandChild = child->FindChildBand())
            grandChild->setParentBand(this);
        m_report.removeBand(*child);
    }
}

void TBVCustomBand::setBounds(const QRect& bounds)
{
    m_bounds = bounds;
    if (m_size.pixels(TBVBandSize::Height) != bounds.height())
        m_size.setFromPixels(TBVBandSize::Height, bounds.height());
    if (m_size.pixels(TBVBandSize::Width) != bounds.width())
        m_size.setFromPixels(TBVBandSize::Width, bounds.width());
    notifyPrintablesResized();
}

void TBVCustomBand::updateBoundsFromSize()
{
    m_bounds.setHeight(m_size.pixels(TBVBandSize::Height));
    m_bounds.setWidth(m_size.pixels(TBVBandSize::Width));
    notifyPrintablesResized();
}

void TBVCustomBand::notifyPrintablesResized()
{
    for (const auto& printable : m_printables)
        printable->BandResized();
}

bool TBVCustomBand::CanStretch(long double amount) const
{
    return m_report.AvailableSpace() >= roundEven(amount + heightNative() + m_extraHeight);
}

void TBVCustomBand::StretchBand(long double amount, long double& grown, bool& hasGrown)
{
    if (!CanStretch(amount))
        return;
    if (!hasGrown && amount < m_extraHeight) {
        grown = m_extraHeight;
    } else {
        m_extraHeight += amount;
        grown = m_extraHeight;
    }
    hasGrown = true;
}

long double TBVCustomBand::precalculatedHeight() const
{
    std::vector<ElementExtent> extents;
    for (const auto& printable : m_printables) {
        const qreal content = printable->contentHeightPx();
        if (printable->Enabled && content >= 0)
            extents.push_back({ printable->bounds().top(), printable->bounds().height(), content });
    }
    return precalculateBandHeight(heightNative(), m_bounds.height(), extents);
}

TBVBand::TBVBand(TBVReport& report, TBVBandType type, const QString& name)
    : TBVCustomBand(report, name)
    , m_type(type)
{
}

void TBVBand::setBandType(TBVBandType type)
{
    m_type = type;
    report().arrangeBands();
}

TBVChildBand::TBVChildBand(TBVReport& report, const QString& name)
    : TBVCustomBand(report, name)
{
}

bool TBVChildBand::setParentBand(TBVCustomBand* band)
{
    for (const TBVCustomBand* parent = band; parent;) {
        if (parent == this)
            return false;
        const auto* child = dynamic_cast<const TBVChildBand*>(parent);
        parent = child ? child->m_parent : nullptr;
    }
    m_parent = band;
    report().arrangeBands();
    return true;
}

TBVCustomBand* TBVChildBand::rootBand() const
{
    TBVCustomBand* band = m_parent;
    while (auto* child = dynamic_cast<TBVChildBand*>(band))
        band = child->m_parent;
    return band;
}
