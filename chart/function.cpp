#include "function.h"

#include "series.h"

TChartFunction::~TChartFunction() = default;

void TChartFunction::EndUpdate()
{
    if (m_updating > 0)
        --m_updating;
}

void TChartFunction::RecomputeFunction()
{
    if (m_updating > 0 || !m_parent || !m_parent->DataSource())
        return;
    TChartSeries& parent = *m_parent;
    const TChartSeries& source = *parent.DataSource();
    parent.BeginUpdate();
    parent.ClearPoints();
    parent.XValues().SetDateTime(source.XValues().DateTime());
    parent.YValues().SetDateTime(source.YValues().DateTime());
    AddPoints(parent, parent.DataSources());
    parent.EndUpdate();
}

void TAddChartFunction::AddPoints(TChartSeries& parent, const std::vector<TChartSeries*>& sources)
{
    if (sources.size() == 1) {
        const TChartSeries& source = *sources.front();
        const TChartValueList& x = source.XValues();
        parent.InsertPoint(
            x.MinValue() + (x.MaxValue() - x.MinValue()) / 2, source.YValues().Total(), QString(), kAutoColor);
        return;
    }
    const TChartSeries* reference = sources.front();
    for (const TChartSeries* source : sources) {
        if (source->PointCount() > reference->PointCount())
            reference = source;
    }
    for (int i = 0; i < reference->PointCount(); ++i) {
        double sum = 0;
        for (const TChartSeries* source : sources) {
            if (i < source->PointCount())
                sum += source->YValues().Value(i);
        }
        parent.InsertPoint(reference->XValues().Value(i), sum, reference->PointText(i), kAutoColor);
    }
}
