#pragma once

#include "report/engine/units.h"

#include <functional>
#include <vector>

// Base of the size objects: a fixed list of native values, each belonging to
// the horizontal or the vertical axis, read and written in a current unit.
// The stored "Values" list is always native, in the list's own order.
class TBVUnitBase {
public:
    TBVUnitBase(std::vector<bool> horizontalAxes, TBVUnit units);
    virtual ~TBVUnitBase() = default;

    long double FromNative(TBVUnit units, bool horizontal, long double value) const;
    long double ToNative(TBVUnit units, bool horizontal, long double value) const;

    TBVUnit Units() const { return m_units; }
    void setUnits(TBVUnit units) { m_units = units; }
    // Temporarily works in pixels; restoreUnits() returns to the unit before.
    void switchToPixels();
    void restoreUnits();

    long double value(int index) const;
    void setValue(int index, long double value);
    long double native(int index) const { return m_values.at(static_cast<size_t>(index)); }
    void setNative(int index, long double value);
    int pixels(int index) const;

    std::vector<long double> Values() const { return m_values; }
    void readValues(const std::vector<long double>& values);

    const UnitScale& scale() const { return m_scale; }
    void setScale(const UnitScale& scale);

    // The owner keeps pixel bounds that follow the values.
    void setOwnerBoundsHandler(std::function<void()> handler) { m_ownerBounds = std::move(handler); }
    void UpdateOwnerBounds();
    // Sets a value from the owner's new pixel bounds without feeding back into them.
    void setFromPixels(int index, int pixels);

protected:
    // Lets a subclass refuse or redirect a write (the page keeps paper sizes from the table).
    virtual void storeNative(int index, long double value);
    void storeDirect(int index, long double value) { m_values.at(static_cast<size_t>(index)) = value; }

private:
    std::vector<bool> m_horizontal;
    std::vector<long double> m_values;
    TBVUnit m_units;
    TBVUnit m_savedUnits = TBVUnit::Native;
    UnitScale m_scale;
    std::function<void()> m_ownerBounds;
    bool m_fromOwner = false;
};

// Height and width of a band; Height is the band's designed height.
class TBVBandSize : public TBVUnitBase {
public:
    enum Index { Height, Width };
    explicit TBVBandSize(TBVUnit units = TBVUnit::MM);
};

// Position (relative to the band) and size of a printable element.
class TBVPrintableSize : public TBVUnitBase {
public:
    enum Index { Height, Left, Top, Width };
    explicit TBVPrintableSize(TBVUnit units = TBVUnit::MM);
};
