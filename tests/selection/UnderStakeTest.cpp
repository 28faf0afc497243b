#include "selection/UnderStake.h"

#include "selection/BetTables.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

constexpr int kPayout = 7, kShare = 8;

TEST(UnderStake, APayoutBelowTheTotalStakeByOneYenIsFlaggedAndPaintedEqualIsNot) {
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetRowCount(4);
    table.SetCell(kPayout, 1, "   3000");  // exactly the total stake
    table.SetCell(kPayout, 2, "   2999");  // one yen below
    // row 3: no payout (struck or unstaked)
    const struct {
        int row;
        bool flagged;
    } cases[] = {{1, false}, {2, true}, {3, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.flagged, PaysBackLessThanStake(table, BetType::Trio, c.row, 3000)) << c.row;
        CellStyle style = TicketCellStyle(table, kPayout, c.row, {}, 3000);
        EXPECT_EQ(c.flagged, style.background != colors::kWhite) << c.row;
        EXPECT_EQ(style, TicketCellStyle(table, kShare, c.row, {}, 3000)) << c.row;
    }
    EXPECT_EQ(1, CountUnderStake(table, BetType::Trio, 3000));
    EXPECT_EQ(colors::kWhite, TicketCellStyle(table, 3, 2, {}, 3000).background);
}

}  // namespace
}  // namespace kagiroi
