#include "panel_layout.h"

#include <algorithm>

int percentOfExtent(int percent, int extent) { return int(static_cast<long long>(percent) * extent / 100); }

ChartRect plotAreaInBounds(
    const ChartRect& bounds, const ChartMargins& margins, int frameWidth, int controlWidth, int controlHeight)
{
    const bool percent = margins.units == MarginUnits::Percent;
    const int left = percent ? percentOfExtent(margins.left, bounds.width()) : margins.left;
    const int right = percent ? percentOfExtent(margins.right, bounds.width()) : margins.right;
    const int top = percent ? percentOfExtent(margins.top, bounds.height()) : margins.top;
    const int bottom = percent ? percentOfExtent(margins.bottom, bounds.height()) : margins.bottom;

    ChartRect area { bounds.left + left + frameWidth, bounds.top + top + frameWidth, bounds.right - right - frameWidth,
        bounds.bottom - bottom - frameWidth };
    area.left = std::max(area.left, bounds.left);
    area.top = std::max(area.top, bounds.top);
    if (area.right < area.left)
        area.right = area.left + 1;
    if (area.right == area.left)
        area.right = area.left + controlWidth;
    if (area.bottom < area.top)
        area.bottom = area.top + 1;
    if (area.bottom == area.top)
        area.bottom = area.top + controlHeight;
    return area;
}

TitlePlacement placeTitle(const ChartRect& area, const std::vector<int>& lineWidths, const TitleGeometry& geometry)
{
    const int f = geometry.frameWidth;
    const int lines = int(lineWidths.size());
    TitlePlacement placement;
    ChartRect box = area;
    box.top = area.top + f;
    box.bottom = box.top + lines * geometry.lineHeight;
    box = ChartRect { box.left - f, box.top - f, box.right + f, box.bottom + f };

    if (geometry.adjustFrame) {
        const int widest = lineWidths.empty() ? 0 : *std::max_element(lineWidths.begin(), lineWidths.end());
        const int width = geometry.widthOfW + f + widest;
        switch (geometry.alignment) {
        case TitleAlignment::Left:
            box.right = box.left + width;
            break;
        case TitleAlignment::Right:
            box.left = box.right - width;
            break;
        case TitleAlignment::Center: {
            const int centre = (box.left + box.right) / 2;
            box.left = centre - width / 2;
            box.right = box.left + width;
            break;
        }
        }
    }

    const int centre = (box.left + box.right) / 2;
    for (int i = 0; i < lines; ++i) {
        const int width = lineWidths[std::size_t(i)];
        int x = centre - width / 2;
        if (geometry.alignment == TitleAlignment::Left)
            x = box.left + geometry.widthOfW / 2;
        else if (geometry.alignment == TitleAlignment::Right)
            x = box.right - width - geometry.widthOfW / 2;
        placement.lineLeft.push_back(x);
        placement.lineTop.push_back(box.top + i * geometry.lineHeight + f);
    }
    placement.box = box;
    placement.plotTop = box.bottom + geometry.vertMargin + f;
    return placement;
}
