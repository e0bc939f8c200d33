// A named list of point values (the X or the Y values of a series) with
// statistics computed on demand.
#pragma once

#include <QString>
#include <vector>

enum class TChartListOrder { loNone, loAscending, loDescending };

class TChartValueList {
public:
    TChartValueList(QString name, TChartListOrder order);

    const QString& Name() const { return m_name; }
    TChartListOrder Order() const { return m_order; }
    void SetOrder(TChartListOrder order) { m_order = order; }
    bool DateTime() const { return m_dateTime; }
    void SetDateTime(bool dateTime) { m_dateTime = dateTime; }

    int Count() const { return int(m_values.size()); }
    double Value(int index) const { return m_values[std::size_t(index)]; }
    const std::vector<double>& Values() const { return m_values; }

    // Where a new value goes: kept sorted for an ordered list (after equal
    // values), appended otherwise.
    int InsertionIndex(double value) const;
    void Insert(int index, double value);
    void Clear();

    double MinValue() const;
    double MaxValue() const;
    double Total() const;
    double TotalABS() const;

private:
    void refreshStatistics() const;

    QString m_name;
    TChartListOrder m_order;
    bool m_dateTime = false;
    std::vector<double> m_values;

    mutable bool m_statisticsValid = false;
    mutable double m_min = 0;
    mutable double m_max = 0;
    mutable double m_total = 0;
    mutable double m_totalAbs = 0;
};
