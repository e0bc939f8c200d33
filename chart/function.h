// Functions compute a series (their parent) from the series it lists as data
// sources. TAddChartFunction is the sum.
#pragma once

#include <vector>

class TChartSeries;

class TChartFunction {
public:
    virtual ~TChartFunction();

    int Period = 0; // 0: one result per point position

    // Rebuilds the parent series from its sources; nothing while updating.
    void RecomputeFunction();
    void BeginUpdate() { ++m_updating; }
    void EndUpdate();
    TChartSeries* ParentSeries() const { return m_parent; }

protected:
    virtual void AddPoints(TChartSeries& parent, const std::vector<TChartSeries*>& sources) = 0;

private:
    friend class TChartSeries;
    TChartSeries* m_parent = nullptr;
    int m_updating = 0;
};

// Per point position the sum of the sources' Y values at that position; with a
// single source one point holding the source's total.
class TAddChartFunction : public TChartFunction {
protected:
    void AddPoints(TChartSeries& parent, const std::vector<TChartSeries*>& sources) override;
};
