#pragma once

#include "calc/simulation.h"

// Receives the chart's per-year points as each recompute produces them: the
// four bar series are cleared, one point per simulated year is appended, and
// the sum line is recomputed when the run got that far. A run that fails
// before the series are cleared tells nothing, so the chart keeps its points.
class YearSeriesListener {
public:
    virtual ~YearSeriesListener() = default;
    virtual void seriesCleared() = 0;
    // `year.seriesAppended` says how many of the four bar series (in order)
    // receive this point.
    virtual void yearAppended(const fundorix::calc::YearValues& year) = 0;
    virtual void sumLineRecomputed() = 0;
};
