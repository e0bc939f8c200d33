#pragma once

#include <vector>

// One distinct position on an axis of a page and the rank it gets.
struct TBVPositionEntry {
    long double Position = 0;
    int Rank = 0;
    int Uses = 1;
    bool Ranked = false;
};

// Turns the free positions of a page's texts on one axis into column or line
// numbers: positions are collected between BeginCollect and EndCollect, which
// ranks them from the smallest positive position up; positions of 0 or less
// keep rank 0. Made for one axis of one page and then discarded.
class TBVPositions {
public:
    void BeginCollect();
    void AddPosition(long double position);
    void EndCollect();
    // The rank of the first entry, in collection order, within the tolerance of the position; 0 if none.
    int RankOf(long double position) const;
    int MaxRank() const;

    long double Tolerance = 4.0L; // report units
    const std::vector<TBVPositionEntry>& entries() const { return m_entries; }

private:
    void rank();

    std::vector<TBVPositionEntry> m_entries;
    bool m_updating = false;
};
