#include "value_list.h"

#include <algorithm>
#include <cmath>
#include <functional>

TChartValueList::TChartValueList(QString name, TChartListOrder order)
    : m_name(std::move(name))
    , m_order(order)
{
}

int TChartValueList::InsertionIndex(double value) const
{
    if (m_values.empty())
        return 0;
    switch (m_order) {
    case TChartListOrder::loAscending:
        if (value >= m_values.back())
            return Count();
        return int(std::upper_bound(m_values.begin(), m_values.end(), value) - m_values.begin());
    case TChartListOrder::loDescending:
        if (value <= m_values.back())
            return Count();
        return int(
            std::upper_bound(m_values.begin(), m_values.end(), value, std::greater<double>()) - m_values.begin());
    case TChartListOrder::loNone:
        break;
    }
    return Count();
}

void TChartValueList::Insert(int index, double value)
{
    m_values.insert(m_values.begin() + std::clamp(index, 0, Count()), value);
    m_statisticsValid = false;
}

void TChartValueList::Clear()
{
    m_values.clear();
    m_statisticsValid = false;
}

double TChartValueList::MinValue() const
{
    refreshStatistics();
    return m_min;
}

double TChartValueList::MaxValue() const
{
    refreshStatistics();
    return m_max;
}

double TChartValueList::Total() const
{
    refreshStatistics();
    return m_total;
}

double TChartValueList::TotalABS() const
{
    refreshStatistics();
    return m_totalAbs;
}

void TChartValueList::refreshStatistics() const
{
    if (m_statisticsValid)
        return;
    m_min = m_values.empty() ? 0 : m_values.front();
    m_max = m_min;
    m_total = 0;
    m_totalAbs = 0;
    for (double value : m_values) {
        m_min = std::min(m_min, value);
        m_max = std::max(m_max, value);
        m_total += value;
        m_totalAbs += std::fabs(value);
    }
    m_statisticsValid = true;
}
