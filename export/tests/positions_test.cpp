#include "export/positions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> ranksOf(const std::vector<long double>& positions)
{
    TBVPositions ranking;
    ranking.BeginCollect();
    for (const long double position : positions)
        ranking.AddPosition(position);
    ranking.EndCollect();
    std::vector<int> ranks;
    for (const long double position : positions)
        ranks.push_back(ranking.RankOf(position));
    return ranks;
}

struct RankCase {
    const char* name;
    std::vector<long double> positions;
    std::vector<int> ranks;
};

void PrintTo(const RankCase& c, std::ostream* os) { *os << c.name; }

class PositionRanks : public ::testing::TestWithParam<RankCase> { };

TEST_P(PositionRanks, FollowTheFirstEntryWithinTheTolerance)
{
    EXPECT_EQ(ranksOf(GetParam().positions), GetParam().ranks);
}

INSTANTIATE_TEST_SUITE_P(Cases, PositionRanks,
    ::testing::Values(RankCase { "AscendingLeavesColumnTwoEmpty", { 250.0L, 252.0L, 260.0L }, { 1, 1, 3 } },
        RankCase { "DescendingLeavesColumnOneEmpty", { 256.0L, 252.0L, 250.0L }, { 3, 3, 2 } },
        RankCase { "ZeroKeepsRankZero", { 0.0L, 100.0L }, { 0, 1 } },
        RankCase { "NegativeKeepsRankZero", { -20.0L, 100.0L }, { 0, 1 } },
        RankCase { "SameWholeUnitIsOneEntry", { 100.4L, 100.2L, 300.0L }, { 1, 1, 2 } },
        RankCase { "HalvesRoundToEven", { 100.5L, 101.5L, 99.5L }, { 1, 1, 1 } },
        RankCase { "FarApartRankInOrder", { 900.0L, 100.0L, 500.0L }, { 3, 1, 2 } }),
    [](const auto& info) { return info.param.name; });

TEST(Positions, CountsUsesOfAWholeUnitAndIgnoresPositionsOutsideCollecting)
{
    TBVPositions ranking;
    ranking.AddPosition(5);
    ranking.BeginCollect();
    ranking.AddPosition(100.2L);
    ranking.AddPosition(99.8L);
    ranking.EndCollect();
    ranking.AddPosition(300);
    ASSERT_EQ(ranking.entries().size(), 1u);
    EXPECT_EQ(ranking.entries().front().Uses, 2);
    EXPECT_EQ(ranking.RankOf(5), 0);
    EXPECT_EQ(ranking.MaxRank(), 1);
}

}
