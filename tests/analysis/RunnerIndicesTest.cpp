#include "analysis/RunnerIndices.h"

#include "odds/OddsTestRecords.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kagiroi {
namespace {

// A slot whose runners 1..n have the given win odds in tenths and are ranked in horse order,
// as the odds import leaves it before computing the indices (0 = no odds, no rank).
RaceSlot RankedSlot(const std::vector<int>& oddsTenths) {
    RaceSlot slot;
    slot.RaceInfo = test::RaceRecord("05", 11, static_cast<int>(oddsTenths.size()));
    test::O1Builder o1("05", 11);
    int rank = 0;
    for (size_t i = 0; i < oddsTenths.size(); ++i) {
        size_t h = i + 1;
        if (oddsTenths[i] <= 0) continue;
        o1.Win(static_cast<int>(h), Format("%04d", oddsTenths[i]));
        slot.Odds.WinOdds[h] = oddsTenths[i] / 10.0;
        slot.Odds.WinRank[h] = ++rank;
        slot.Indices.WinSupport[h] = 80.0 / slot.Odds.WinOdds[h];
    }
    slot.O1Copy = o1;
    return slot;
}

TEST(RunnerIndices, SeventeenRunnersLeaveRanksFourteenAndSixteenWithoutStandardOdds) {
    std::vector<int> odds;
    for (int h = 1; h <= 17; ++h)
        odds.push_back(20 + 30 * h);
    RaceSlot slot = RankedSlot(odds);
    ComputeRunnerIndices(slot);
    EXPECT_EQ(85.8, slot.Indices.StandardOdds[13]);
    EXPECT_EQ(0.0, slot.Indices.StandardOdds[14]);
    EXPECT_EQ(78.2, slot.Indices.StandardOdds[15]);
    EXPECT_EQ(0.0, slot.Indices.StandardOdds[16]);
    EXPECT_EQ(165.3, slot.Indices.StandardOdds[17]);
}

TEST(RunnerIndices, NineRunnersHaveNoStandardOddsButPlaceRates) {
    RaceSlot slot = RankedSlot({21, 40, 60, 80, 100, 150, 200, 300, 400});
    ComputeRunnerIndices(slot);
    for (int h = 1; h <= 9; ++h)
        EXPECT_EQ(0.0, slot.Indices.StandardOdds[static_cast<size_t>(h)]) << h;
    EXPECT_EQ(75.8, slot.Indices.PlaceRate[1]);
    EXPECT_EQ(7.8, slot.Indices.PlaceRate[9]);  // 40.0 is above rank 9's 36.8
}

TEST(RunnerIndices, PlaceRateOfTheFavouriteAtTheThreshold) {
    RaceSlot at = RankedSlot({24, 50});
    ComputeRunnerIndices(at);
    EXPECT_EQ(75.8, at.Indices.PlaceRate[1]);
    RaceSlot above = RankedSlot({25, 50});
    ComputeRunnerIndices(above);
    EXPECT_EQ(56.7, above.Indices.PlaceRate[1]);
}

TEST(RunnerIndices, PlaceRateRanksHighestFirstAndTheHigherHorseNumberOnEqualRates) {
    // Ranks 1 and 2 above their thresholds (56.7, 45.7), rank 3 at its own (46.1): rank 3
    // outranks rank 2. Rank 11 has no rate.
    RaceSlot slot = RankedSlot({30, 50, 63, 90, 120, 170, 220, 280, 370, 480, 600});
    ComputeRunnerIndices(slot);
    EXPECT_EQ(56.7, slot.Indices.PlaceRate[1]);
    EXPECT_EQ(45.7, slot.Indices.PlaceRate[2]);
    EXPECT_EQ(46.1, slot.Indices.PlaceRate[3]);
    EXPECT_EQ(0.0, slot.Indices.PlaceRate[11]);
    EXPECT_EQ(1, slot.Indices.PlaceRateRank[1]);
    EXPECT_EQ(2, slot.Indices.PlaceRateRank[3]);
    EXPECT_EQ(3, slot.Indices.PlaceRateRank[2]);
    EXPECT_EQ(10, slot.Indices.PlaceRateRank[10]);
    EXPECT_EQ(0, slot.Indices.PlaceRateRank[11]);

    // Every rank has its own rates, so equal rates need two runners of one win rank (as set by
    // hand here): the higher horse number ranks first.
    RaceSlot tie = RankedSlot({30, 50});
    tie.Odds.WinRank[2] = 1;
    test::O1Builder o1("05", 11);
    o1.Win(1, "0030").Win(2, "0030");
    tie.O1Copy = o1;
    ComputeRunnerIndices(tie);
    EXPECT_EQ(56.7, tie.Indices.PlaceRate[2]);
    EXPECT_EQ(1, tie.Indices.PlaceRateRank[2]);
    EXPECT_EQ(2, tie.Indices.PlaceRateRank[1]);
}

TEST(RunnerIndices, WinSpreadIsTheSampleDeviationOfTheRankedRunnersSupport) {
    RaceSlot single = RankedSlot({20, 0, 0});
    ComputeRunnerIndices(single);
    EXPECT_EQ(0.0, single.Indices.WinSpread);

    RaceSlot two = RankedSlot({20, 0, 40});  // support 40 and 20
    ComputeRunnerIndices(two);
    EXPECT_DOUBLE_EQ(std::sqrt(200.0), two.Indices.WinSpread);

    RaceSlot none = RankedSlot({0, 0});
    ComputeRunnerIndices(none);
    EXPECT_EQ(0.0, none.Indices.WinSpread);
    EXPECT_EQ(0, none.Indices.PlaceRateRank[1]);
}

}  // namespace
}  // namespace kagiroi
