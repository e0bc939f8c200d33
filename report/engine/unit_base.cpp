#include "report/engine/unit_base.h"

TBVUnitBase::TBVUnitBase(std::vector<bool> horizontalAxes, TBVUnit units)
    : m_horizontal(std::move(horizontalAxes))
    , m_values(m_horizontal.size(), 0.0L)
    , m_units(units)
{
}

long double TBVUnitBase::FromNative(TBVUnit units, bool horizontal, long double value) const
{
    return nativeToUnit(units, horizontal, value, m_scale);
}

long double TBVUnitBase::ToNative(TBVUnit units, bool horizontal, long double value) const
{
    return unitToNative(units, horizontal, value, m_scale);
}

void TBVUnitBase::switchToPixels()
{
    m_savedUnits = m_units;
    m_units = TBVUnit::Pixels;
}

void TBVUnitBase::restoreUnits() { m_units = m_savedUnits; }

long double TBVUnitBase::value(int index) const
{
    return FromNative(m_units, m_horizontal.at(static_cast<size_t>(index)), native(index));
}

void TBVUnitBase::setValue(int index, long double value)
{
    setNative(index, ToNative(m_units, m_horizontal.at(static_cast<size_t>(index)), value));
}

void TBVUnitBase::setNative(int index, long double value)
{
    storeNative(index, value);
    UpdateOwnerBounds();
}

int TBVUnitBase::pixels(int index) const
{
    return roundToInt(FromNative(TBVUnit::Pixels, m_horizontal.at(static_cast<size_t>(index)), native(index)));
}

void TBVUnitBase::readValues(const std::vector<long double>& values)
{
    for (size_t i = 0; i < values.size() && i < m_values.size(); ++i)
        m_values[i] = values[i];
    UpdateOwnerBounds();
}

void TBVUnitBase::setScale(const UnitScale& scale)
{
    m_scale = scale;
    UpdateOwnerBounds();
}

void TBVUnitBase::UpdateOwnerBounds()
{
    if (m_ownerBounds && !m_fromOwner)
        m_ownerBounds();
}

void TBVUnitBase::setFromPixels(int index, int pixels)
{
    m_fromOwner = true;
    storeNative(index, ToNative(TBVUnit::Pixels, m_horizontal.at(static_cast<size_t>(index)), pixels));
    m_fromOwner = false;
}

void TBVUnitBase::storeNative(int index, long double value) { storeDirect(index, value); }

TBVBandSize::TBVBandSize(TBVUnit units)
    : TBVUnitBase({ false, true }, units)
{
}

TBVPrintableSize::TBVPrintableSize(TBVUnit units)
    : TBVUnitBase({ false, true, false, true }, units)
{
}
