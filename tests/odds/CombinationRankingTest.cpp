#include "odds/CombinationRanking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace kagiroi {
namespace {

// Ranks as sorting the key texts would give them: by odds, then by index.
std::vector<int> ReferenceRanks(const std::vector<std::pair<uint32_t, int>>& priced, int count) {
    std::vector<std::pair<uint32_t, int>> sorted = priced;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> ranks(static_cast<size_t>(count) + 1, 0);
    for (size_t t = 0; t < sorted.size(); ++t)
        ranks[static_cast<size_t>(sorted[t].second)] = static_cast<int>(t) + 1;
    return ranks;
}

TEST(CombinationRanking, OrdersByOddsThenIndexOverEveryRangeOfOdds) {
    // Small odds with many ties, odds spanning two digits of the sort, and odds beyond the
    // seven-digit field (a third digit).
    const uint32_t ranges[] = {40, 5000, 9999999, 999999999};
    uint64_t state = 7;
    for (uint32_t highest : ranges) {
        const int count = 4896;
        std::vector<std::pair<uint32_t, int>> priced;
        CombinationRanking ranking;
        ranking.Clear(count);
        for (int l = 1; l <= count; ++l) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            if (state >> 62 == 0) continue;  // about a quarter unpriced
            uint32_t odds = 1 + static_cast<uint32_t>((state >> 20) % highest);
            priced.push_back({odds, l});
            ranking.Add(l, odds);
        }
        std::vector<int> ranks(count + 1, 0);
        ranking.AssignRanks(ranks.data());
        EXPECT_EQ(ReferenceRanks(priced, count), ranks) << "odds up to " << highest;
    }
}

TEST(CombinationRanking, ClearedBetweenTables) {
    CombinationRanking ranking;
    ranking.Add(1, 500);
    ranking.Add(2, 100);
    std::vector<int> first(3, 0);
    ranking.AssignRanks(first.data());
    EXPECT_EQ((std::vector<int>{0, 2, 1}), first);
    ranking.Clear();
    ranking.Add(2, 7);
    std::vector<int> second(3, 0);
    ranking.AssignRanks(second.data());
    EXPECT_EQ((std::vector<int>{0, 0, 1}), second);
}

}  // namespace
}  // namespace kagiroi
