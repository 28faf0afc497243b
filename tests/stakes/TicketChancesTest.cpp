#include "stakes/TicketChances.h"

#include "selection/BetTables.h"
#include "selection/TestRace.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(TicketChances, PopularityWinChancesAreTheRankRatesNormalisedOverTheRankedRunners) {
    PopularityRateTables rates;
    for (int rank = 1; rank <= 4; ++rank)
        rates.At(RateTable::Win, 5, rank) = 0.1 * (5 - rank);  // 0.4, 0.3, 0.2, 0.1
    test::TestRace race(5);
    race.Win(1, 3.0, 2).Win(2, 1.5, 1).Win(3, 9.0, 4).Win(5, 5.0, 3);  // horse 4 scratched
    std::vector<double> win = PopularityWinChances(race.Slot(), rates);
    ASSERT_EQ(19u, win.size());
    EXPECT_NEAR(0.3, win[1], 1e-12);
    EXPECT_NEAR(0.4, win[2], 1e-12);
    EXPECT_EQ(0.0, win[4]);
    race.Slot().Odds.WinRank = {};
    EXPECT_TRUE(PopularityWinChances(race.Slot(), rates).empty());
}

// Win odds 1.6, 8/3 and 4.0 leave a 20 % take: the market's chances are 0.5, 0.3 and 0.2.
TEST(TicketChances, ChancesComeFromTheOddsAndTheTipAndColourShowTheValue) {
    test::TestRace race(3);
    race.Win(1, 1.6, 1).Win(2, 8.0 / 3, 2).Win(3, 4.0, 3);
    OrderChances chances = RaceChances(race.Slot(), {});
    EXPECT_NEAR(0.3, TicketChance(BetType::Trifecta, " 1- 2- 3", chances), 1e-12);
    EXPECT_NEAR(1.0, TicketChance(BetType::Trio, " 1- 2- 3", chances), 1e-12);
    EXPECT_EQ(0.0, TicketChance(BetType::Exacta, " 1- 2", chances));
    EXPECT_EQ(0.0, TicketChance(BetType::Trifecta, "", chances));
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(4);
    table.SetCell(2, 1, " 1- 2- 3");
    table.SetCell(3, 1, "     4.5");
    table.SetCell(2, 2, " 1- 2- 3");  // no odds: no value
    table.SetCell(2, 3, " 1- 3- 2");  // 0.5 × 0.2/0.5 = 0.2, × 4.9 = 0.98: no overlay
    table.SetCell(3, 3, "     4.9");
    EXPECT_EQ("的中率 30.000%　期待値 1.35　ﾌｪｱｵｯｽﾞ 3.3",
              TicketValueTip(BetType::Trifecta, table, 1, chances));
    EXPECT_EQ("", TicketValueTip(BetType::Trifecta, table, 2, chances));
    EXPECT_EQ("", TicketValueTip(BetType::Trifecta, table, 1, {}));
    EXPECT_EQ(kOverlayBackground,
              WithOverlayColour({}, BetType::Trifecta, table, 2, 1, chances).background);
    for (int row : {2, 3})
        EXPECT_EQ(colors::kWhite,
                  WithOverlayColour({}, BetType::Trifecta, table, 2, row, chances).background)
            << row;
    EXPECT_EQ(colors::kWhite,
              WithOverlayColour({}, BetType::Trifecta, table, 3, 1, chances).background);
    // A paid combination keeps its colour.
    CellStyle paid;
    paid.background = colors::kMagenta;
    EXPECT_EQ(colors::kMagenta,
              WithOverlayColour(paid, BetType::Trifecta, table, 2, 1, chances).background);
    // The settings' α = 2 sharpens the favourite: 0.25 ÷ (0.25 + 0.09 + 0.04) wins.
    OrderChances sharper = RaceChances(race.Slot(), {2.0, 1.0, 1.0});
    EXPECT_NEAR(0.25 / 0.38 * (0.09 / 0.13), TicketChance(BetType::Trifecta, " 1- 2- 3", sharper),
                1e-12);
}

}  // namespace
}  // namespace kagiroi
