#include "export/positions.h"

#include <algorithm>
#include <cmath>

namespace {

// Positions count as equal when they fall on the same whole unit, halves to even.
long double wholeUnit(long double position) { return std::nearbyint(position); }

// Larger than any position on a page, in report units.
constexpr long double noPosition = 9999999.0L;

}

void TBVPositions::BeginCollect() { m_updating = true; }

void TBVPositions::AddPosition(long double position)
{
    if (!m_updating)
        return;
    for (TBVPositionEntry& entry : m_entries) {
        if (wholeUnit(entry.Position) == wholeUnit(position)) {
            ++entry.Uses;
            return;
        }
    }
    m_entries.push_back({ position, 0, 1, false });
}

void TBVPositions::EndCollect()
{
    m_updating = false;
    rank();
}

void TBVPositions::rank()
{
    // Every pass ranks one entry, so the loop ends after at most size() passes.
    for (int pass = 1; pass <= static_cast<int>(m_entries.size()); ++pass) {
        TBVPositionEntry* smallest = nullptr;
        long double smallestPosition = noPosition;
        for (TBVPositionEntry& entry : m_entries) {
            if (!entry.Ranked && entry.Position > 0 && entry.Position < smallestPosition) {
                smallest = &entry;
                smallestPosition = entry.Position;
            }
        }
        if (!smallest)
            return;
        smallest->Rank = pass;
        smallest->Ranked = true;
    }
}

int TBVPositions::RankOf(long double position) const
{
    for (const TBVPositionEntry& entry : m_entries) {
        if (std::fabs(entry.Position - position) <= Tolerance)
            return entry.Rank;
    }
    return 0;
}

int TBVPositions::MaxRank() const
{
    int maxRank = 0;
    for (const TBVPositionEntry& entry : m_entries)
        maxRank = std::max(maxRank, entry.Rank);
    return maxRank;
}
