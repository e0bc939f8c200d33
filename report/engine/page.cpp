#include "report/engine/page.h"

#include <utility>

TBVPage::TBVPage(TBVUnit units)
    : TBVUnitBase({ false, false, false, true, true, true, true }, units)
{
}

void TBVPage::setColumns(int columns)
{
    if (columns >= 1)
        m_columns = columns;
}

void TBVPage::setOrientation(TBVOrientation orientation)
{
    if (m_paperSize == TBVPaperSize::Custom && orientation != m_orientation) {
        const long double width = native(Width);
        storeDirect(Width, native(Length));
        storeDirect(Length, width);
    }
    m_orientation = orientation;
    setPaperSize(m_paperSize);
}

void TBVPage::setPaperSize(TBVPaperSize paper)
{
    m_paperSize = paper;
    const auto dimensions = paperDimensions(paper);
    if (dimensions) {
        long double width = dimensions->widthMm * 10;
        long double length = dimensions->lengthMm * 10;
        if (m_orientation == TBVOrientation::Landscape)
            std::swap(width, length);
        storeDirect(Width, width);
        storeDirect(Length, length);
    }
    UpdateOwnerBounds();
    if (m_layoutChanged)
        m_layoutChanged();
}

long double TBVPage::printableWidth() const { return native(Width) - native(LeftMargin) - native(RightMargin); }

long double TBVPage::columnWidth() const
{
    return (printableWidth() - native(ColumnSpace) * (m_columns - 1)) / m_columns;
}

void TBVPage::checkMargins()
{
    if (printableWidth() < 0) {
        storeDirect(LeftMargin, 0);
        storeDirect(RightMargin, 0);
    }
    if (native(Length) - native(TopMargin) - native(BottomMargin) < 0) {
        storeDirect(TopMargin, 0);
        storeDirect(BottomMargin, 0);
    }
}

void TBVPage::storeNative(int index, long double value)
{
    const bool fromTable = paperDimensions(m_paperSize).has_value();
    if (fromTable && (index == Width || index == Length))
        return;
    storeDirect(index, value);
}
