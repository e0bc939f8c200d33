#pragma once

#include "calc/simulation.h"

#include <QString>
#include <vector>

// The chart of the page "Diagramm" summed up in one German sentence for a
// screen reader: how many yearly bars it has and how the last bar splits
// into its four parts, in the amount format of the result labels.
QString chartDescription(const std::vector<fundorix::calc::YearValues>& years);
