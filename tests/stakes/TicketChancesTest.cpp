#include "stakes/TicketChances.h"

#include "selection/BetTables.h"
#include "selection/TestRace.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(TicketChances, WinChancesAreTheRankRatesNormalisedOverTheRankedRunners) {
    PopularityRateTables rates;
    for (int rank = 1; rank <= 4; ++rank)
        rates.At(RateTable::Win, 5, rank) = 0.1 * (5 - rank);  // 0.4, 0.3, 0.2, 0.1
    test::TestRace race(5);
    race.Win(1, 3.0, 2).Win(2, 1.5, 1).Win(3, 9.0, 4).Win(5, 5.0, 3);  // horse 4 scratched
    std::vector<double> win = WinChances(race.Slot(), rates);
    ASSERT_EQ(19u, win.size());
    EXPECT_NEAR(0.3, win[1], 1e-12);
    EXPECT_NEAR(0.4, win[2], 1e-12);
    EXPECT_NEAR(0.1, win[3], 1e-12);
    EXPECT_EQ(0.0, win[4]);
    EXPECT_NEAR(0.2, win[5], 1e-12);
    // Only three of four ranked: the rates are scaled up to a whole.
    race.Slot().Odds.WinRank[3] = 0;
    win = WinChances(race.Slot(), rates);
    EXPECT_NEAR(0.4 / 0.9, win[2], 1e-12);
    // No ranks (no odds yet): no chances at all.
    race.Slot().Odds.WinRank = {};
    EXPECT_TRUE(WinChances(race.Slot(), rates).empty());
}

TEST(TicketChances, ATrioIsItsSixOrdersAndTheTipShowsChanceAndValue) {
    const std::vector<double> win = {0.0, 0.5, 0.3, 0.2};
    EXPECT_NEAR(0.3, TicketChance(BetType::Trifecta, " 1- 2- 3", win), 1e-12);
    EXPECT_NEAR(1.0, TicketChance(BetType::Trio, " 1- 2- 3", win), 1e-12);
    EXPECT_EQ(0.0, TicketChance(BetType::Exacta, " 1- 2", win));
    EXPECT_EQ(0.0, TicketChance(BetType::Trifecta, "", win));
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(3);
    table.SetCell(2, 1, " 1- 2- 3");
    table.SetCell(3, 1, "     4.5");
    table.SetCell(2, 2, " 1- 2- 3");  // no odds: no value
    EXPECT_EQ("的中率 30.000%　期待値 1.35", TicketValueTip(BetType::Trifecta, table, 1, win));
    EXPECT_EQ("", TicketValueTip(BetType::Trifecta, table, 2, win));
    EXPECT_EQ("", TicketValueTip(BetType::Trifecta, table, 1, {}));
}

}  // namespace
}  // namespace kagiroi
