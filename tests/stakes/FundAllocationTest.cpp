#include "stakes/FundAllocation.h"
#include "stakes/StakeEvents.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "selection/BetTables.h"
#include "selection/TestRace.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

constexpr int kStake = 6, kPayout = 7, kShare = 8, kHitPayout = 12, kHitReturn = 13,
              kHitPopularity = 14;

// A trifecta table with one ticket per odds value, combinations " 1- 2- 3", " 1- 2- 4", ...
TextGrid TrifectaTable(const std::vector<double>& odds) {
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(std::max<int>(static_cast<int>(odds.size()) + 1, 2));
    for (size_t k = 0; k < odds.size(); ++k) {
        int row = static_cast<int>(k) + 1;
        table.SetCell(1, row, Format("%2d", row));
        table.SetCell(2, row, Format(" 1- 2-%2d", row + 2));
        table.SetCell(3, row, Format("%8.1f", odds[k]));
    }
    return table;
}

std::vector<std::string> Column(const TextGrid& table, int col) {
    std::vector<std::string> cells;
    for (int r = 1; r < table.RowCount(); ++r)
        cells.push_back(table.Cell(col, r));
    return cells;
}

struct Allocation {
    TextGrid table;
    BetTotals totals;
};

Allocation Allocate(AllocationMode mode, int amount, const std::vector<double>& odds) {
    Allocation a{TrifectaTable(odds), {}};
    AllocateStakes(BetType::Trifecta, mode, amount, a.table, a.totals);
    return a;
}

TEST(FundAllocation, EqualStakesRoundUpFromTenYenPerTicket) {
    struct Case {
        int amount, tickets;
        const char* stake;
        const char* total;
    };
    const Case cases[] = {
        {3000, 7, "   500", "  3500"},   // 4.29 + 0.9
        {1000, 12, "   100", "  1200"},  // 0.83 + 0.9: the total may exceed the amount
        {1000, 3, "   400", "  1200"},   // 3.33 + 0.9
        {1000, 11, "   100", "  1100"},  // 0.909 + 0.9
        {100, 5, "   100", "   500"},    // below 100 a ticket: the minimum stake
    };
    for (const Case& c : cases) {
        Allocation a = Allocate(AllocationMode::Equal, c.amount,
                                std::vector<double>(static_cast<size_t>(c.tickets), 10.0));
        EXPECT_EQ(std::vector<std::string>(static_cast<size_t>(c.tickets), c.stake),
                  Column(a.table, kStake))
            << c.amount << " / " << c.tickets;
        EXPECT_EQ(Format("%3d", c.tickets), a.totals.count.text);
        EXPECT_EQ(c.total, a.totals.stake.text) << c.amount << " / " << c.tickets;
    }
}

TEST(FundAllocation, EqualModeWritesPayoutsSharesAndTheExpectedRate) {
    Allocation a = Allocate(AllocationMode::Equal, 3000, {4.0, 12.5, 30.0});
    // 1000 on each: payouts 4000, 12500, 30000 against the total 3000.
    EXPECT_EQ((std::vector<std::string>{"   4000", "  12500", "  30000"}),
              Column(a.table, kPayout));
    EXPECT_EQ((std::vector<std::string>{"  133.3", "  416.7", " 1000.0"}), Column(a.table, kShare));
    // (4000 + 12500 + 30000) / 3 / 3000 × 100
    EXPECT_EQ("  516.7", a.totals.rate.text);
    EXPECT_EQ(colors::kBlack, a.totals.rate.color);
}

TEST(FundAllocation, ProportionalStakesPayBackAboutTheSame) {
    Allocation a = Allocate(AllocationMode::Proportional, 1000, {2.0, 8.0});
    EXPECT_EQ((std::vector<std::string>{"   800", "   200"}), Column(a.table, kStake));
    EXPECT_EQ((std::vector<std::string>{"   1600", "   1600"}), Column(a.table, kPayout));
    EXPECT_EQ((std::vector<std::string>{"  160.0", "  160.0"}), Column(a.table, kShare));
    EXPECT_EQ("  2", a.totals.count.text);
    EXPECT_EQ("  1000", a.totals.stake.text);
    EXPECT_EQ("  160.0", a.totals.rate.text);
    EXPECT_EQ(colors::kBlack, a.totals.rate.color);
}

TEST(FundAllocation, AProportionalShareBelowOneUnitStillGetsTheMinimumStake) {
    // 664.7 against 2.0: a share of 0.3 %, 1000 × 0.3 / 10000 + 0.95 = 0.98, truncated to 0.
    Allocation a = Allocate(AllocationMode::Proportional, 1000, {2.0, 664.7});
    EXPECT_EQ("   100", a.table.Cell(kStake, 2));
    EXPECT_EQ("  1100", a.totals.stake.text);  // 1000 + the minimum
    EXPECT_EQ("  1000", a.table.Cell(kStake, 1));
}

TEST(FundAllocation, ARateOfAtMostOneHundredShowsRed) {
    BetTotals totals;
    TextGrid table = TrifectaTable({1.5, 1.5});
    AllocateStakes(BetType::Trifecta, AllocationMode::Equal, 1000, table, totals);
    EXPECT_EQ("   75.0", totals.rate.text);  // 500 × 1.5 / 1000
    EXPECT_EQ(colors::kRed, totals.rate.color);
}

// Every ticket keeps its 100 yen, so a wide net stakes more than was typed: its total is red.
TEST(FundAllocation, AStakeTotalOverTheAmountShowsRed) {
    std::vector<double> wide;
    for (int k = 0; k < 168; ++k)
        wide.push_back(20.0 + 10.0 * k);
    struct Case {
        AllocationMode mode;
        int amount;
        std::vector<double> odds;
        Rgb color;
    };
    const Case cases[] = {
        {AllocationMode::Proportional, 3000, wide, colors::kRed},
        {AllocationMode::Equal, 3000, std::vector<double>(7, 10.0), colors::kRed},  // 3500
        {AllocationMode::Equal, 3000, std::vector<double>(3, 10.0), colors::kBlack},
    };
    for (const Case& c : cases) {
        Allocation a = Allocate(c.mode, c.amount, c.odds);
        EXPECT_EQ(c.color, a.totals.stake.color) << a.totals.stake.text;
    }
    // The colour follows the amount back once it covers the stakes.
    Allocation a = Allocate(AllocationMode::Equal, 3000, std::vector<double>(7, 10.0));
    AllocateStakes(BetType::Trifecta, AllocationMode::Equal, 3500, a.table, a.totals);
    EXPECT_EQ("  3500", a.totals.stake.text);
    EXPECT_EQ(colors::kBlack, a.totals.stake.color);
}

TEST(FundAllocation, BelowOneHundredYenEmptiesTheStakesAndNothingChangesBeyondTheCapacity) {
    for (int amount : {99, 0, -500}) {
        Allocation a = Allocate(AllocationMode::Proportional, 1000, {4.0, 8.0});
        AllocateStakes(BetType::Trifecta, AllocationMode::Equal, amount, a.table, a.totals);
        for (int col : {kStake, kPayout, kShare})
            EXPECT_EQ(std::vector<std::string>(2, ""), Column(a.table, col)) << amount;
        for (const Label* total : {&a.totals.count, &a.totals.stake, &a.totals.rate})
            EXPECT_EQ("", total->text) << amount;
    }
    // 306 tickets are allocated, 307 are not.
    Allocation full = Allocate(AllocationMode::Equal, 30600, std::vector<double>(306, 5.0));
    EXPECT_EQ("306", full.totals.count.text);
    EXPECT_EQ("   100", full.table.Cell(kStake, 306));
    Allocation over = Allocate(AllocationMode::Equal, 30700, std::vector<double>(307, 5.0));
    EXPECT_EQ("", over.totals.count.text);
    EXPECT_EQ("", over.table.Cell(kStake, 1));
}

TEST(FundAllocation, StruckTicketsStayBlankAndDoNotCount) {
    TextGrid table = TrifectaTable({4.0, 8.0, 16.0});
    BetTotals totals;
    AllocateStakes(BetType::Trifecta, AllocationMode::Equal, 3000, table, totals);
    table.SetCell(0, 2, "消");
    AllocateStakes(BetType::Trifecta, AllocationMode::Equal, 3000, table, totals);
    EXPECT_EQ((std::vector<std::string>{"  1500", "", "  1500"}), Column(table, kStake));
    EXPECT_EQ("", table.Cell(kPayout, 2));
    EXPECT_EQ("", table.Cell(kShare, 2));
    EXPECT_EQ("  2", totals.count.text);
    EXPECT_EQ("  3000", totals.stake.text);
    // Striking the first row too: the proportional base is still row 1's odds.
    table.SetCell(0, 1, "消");
    AllocateStakes(BetType::Trifecta, AllocationMode::Proportional, 3000, table, totals);
    EXPECT_EQ((std::vector<std::string>{"", "", "  3000"}), Column(table, kStake));
}

TEST(FundAllocation, EmptyOrUnpricedTablesAllocateNothing) {
    BetTotals totals;
    totals.count.text = "  9";
    TextGrid empty;
    SetUpBetTable(empty, BetType::Trio);
    AllocateStakes(BetType::Trio, AllocationMode::Equal, 3000, empty, totals);
    EXPECT_EQ("  9", totals.count.text);  // kept: nothing to allocate
    EXPECT_EQ("", empty.Cell(kStake, 1));

    // Proportional with first odds of 0: no weight, no stake, count shown, total 0, no rate.
    Allocation zero = Allocate(AllocationMode::Proportional, 3000, {0.0, 5.0});
    EXPECT_EQ((std::vector<std::string>{"", ""}), Column(zero.table, kStake));
    EXPECT_EQ("  1", zero.totals.count.text);
    EXPECT_EQ("     0", zero.totals.stake.text);
    EXPECT_EQ("", zero.totals.rate.text);

    // Equal with no odds above 0: nothing counted, totals untouched.
    Allocation none = Allocate(AllocationMode::Equal, 3000, {0.0});
    EXPECT_EQ("", none.totals.count.text);
    EXPECT_EQ("", none.table.Cell(kStake, 1));
}

TEST(FundAllocation, AmountsBeyondSixDigitsCountAsTheLargestAmount) {
    Allocation big = Allocate(AllocationMode::Proportional, 5000000, {2.0, 2.0});
    Allocation top = Allocate(AllocationMode::Proportional, kMaxAmount, {2.0, 2.0});
    EXPECT_EQ(Column(top.table, kStake), Column(big.table, kStake));
    EXPECT_EQ("500000", top.table.Cell(kStake, 1));
}

TEST(FundAllocation, SyntheticOddsAndUnderStakeCountCoverTheStakedTickets) {
    // 1 / (1/2 + 1/4 + 1/30) = 1.28; at 1000 each the 2.0 ticket pays 2000 of the 3000 staked.
    Allocation a = Allocate(AllocationMode::Equal, 3000, {2.0, 4.0, 30.0});
    EXPECT_EQ("    1.3", a.totals.synthetic.text);
    EXPECT_EQ("  1点", a.totals.underStake.text);
    // A struck ticket takes no part: 1 / (1/4 + 1/30) = 3.53, 1500 each, none under 3000.
    a.table.SetCell(0, 1, "消");
    AllocateStakes(BetType::Trifecta, AllocationMode::Equal, 3000, a.table, a.totals);
    EXPECT_EQ("    3.5", a.totals.synthetic.text);
    EXPECT_EQ("  0点", a.totals.underStake.text);
    // No stake, no figures.
    AllocateStakes(BetType::Trifecta, AllocationMode::Equal, 99, a.table, a.totals);
    EXPECT_EQ("", a.totals.synthetic.text);
    EXPECT_EQ("", a.totals.underStake.text);
}

TEST(FundAllocation, KellyStakesOnlyTheTicketsWithAnEdge) {
    // Win chances 0.5, 0.3, 0.2 give 1-2-3 a chance of 0.3, 1-3-2 0.2, 2-3-1 0.0857. At odds 5,
    // 6 and 5 the edges are 1.5, 1.2, 0.43: R = 0.5 / (1 − 1/5 − 1/6) = 0.789; shares
    // 0.3 − R/5 = 0.142 and 0.2 − R/6 = 0.068 of a quarter of 10000: 355 and 171, in units.
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(4);
    const char* combinations[] = {" 1- 2- 3", " 1- 3- 2", " 2- 3- 1"};
    const double odds[] = {5.0, 6.0, 5.0};
    for (int r = 1; r <= 3; ++r) {
        table.SetCell(1, r, Format("%2d", r));
        table.SetCell(2, r, combinations[r - 1]);
        table.SetCell(3, r, Format("%8.1f", odds[r - 1]));
    }
    StakeInputs inputs;
    inputs.mode = AllocationMode::Kelly;
    inputs.amount = 0;  // the race's amount is not what ケリー stakes from
    inputs.bankroll = 10000;
    inputs.chances = OrderChances({0.0, 0.5, 0.3, 0.2}, {});
    BetTotals totals;
    AllocateStakes(BetType::Trifecta, inputs, table, totals);
    EXPECT_EQ((std::vector<std::string>{"   300", "   100", ""}), Column(table, kStake));
    EXPECT_EQ((std::vector<std::string>{"   1500", "    600", ""}), Column(table, kPayout));
    EXPECT_EQ("  2", totals.count.text);
    EXPECT_EQ("   400", totals.stake.text);
    EXPECT_EQ("    2.7", totals.synthetic.text);  // 1 / (1/5 + 1/6)
    EXPECT_EQ(" 50.0%", totals.hitChance.text);
    // (0.3 × 1500 + 0.2 × 600) ÷ 400; the third ticket (0.12 × 5) is no overlay.
    EXPECT_EQ("  142.5", totals.expectedReturn.text);
    EXPECT_EQ("  2点", totals.overlays.text);
    EXPECT_EQ("", totals.note);

    // Odds that leave no edge: no stake anywhere, and the table says why.
    for (int r = 1; r <= 3; ++r)
        table.SetCell(3, r, "     2.0");
    AllocateStakes(BetType::Trifecta, inputs, table, totals);
    EXPECT_EQ((std::vector<std::string>{"", "", ""}), Column(table, kStake));
    EXPECT_EQ("  0", totals.count.text);
    // How close the best ticket came: 1-2-3, 0.3 × 2.0.
    EXPECT_EQ(
        "３連単：期待値が1を超える買い目がないため、ケリーの購入額はありません（最も高い期待値 "
        "0.60）",
        totals.note);
    EXPECT_EQ("", totals.synthetic.text);
}

TEST(FundAllocation, KellyPaysAtTheOddsItsStakeLeavesAndTellsAnUnknownPoolOnce) {
    // As above, with 1-2-3 and 1-3-2 at 5.0 and 6.0 in a trifecta pool of 20000 yen: V = 2900
    // and 2417 cap the stakes at 100 each; a hit pays 0.725 × 20100 / 3000 = 4.8575 and
    // 14572.5 / 2516.7 = 5.790 per yen.
    BetBoard board;
    TextGrid& table = board.Table(BetType::Trifecta);
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(3);
    const char* combinations[] = {" 1- 2- 3", " 1- 3- 2"};
    for (int r = 1; r <= 2; ++r) {
        table.SetCell(1, r, Format("%2d", r));
        table.SetCell(2, r, combinations[r - 1]);
        table.SetCell(3, r, Format("%8.1f", 4.0 + r));
    }
    StakeInputs inputs(AllocationMode::Kelly, 3000);
    inputs.bankroll = 10000;
    inputs.chances = OrderChances({0.0, 0.5, 0.3, 0.2}, {});
    inputs.trifectaPool = {20000, 0.275};
    AllocateStakes(BetType::Trifecta, inputs, table, board.Totals(BetType::Trifecta));
    EXPECT_EQ((std::vector<std::string>{"   100", "   100"}), Column(table, kStake));
    EXPECT_EQ((std::vector<std::string>{"    486", "    579"}), Column(table, kPayout));
    EXPECT_EQ("", StakeStatusText(board));

    // Neither pool known: said once for both tables.
    inputs.trifectaPool = {};
    AllocateExtractedNet(board, inputs, "");
    EXPECT_EQ(
        "票数の総計がないため、購入によるオッズの下落を見込まずにケリーの購入額を計算しました",
        StakeStatusText(board));
}

TEST(MarkHits, ATrifectaHitPaysItsStakeTimesThePayout) {
    test::TestRace race(10);
    race.PaidTrifecta(0, 3, 1, 7, 125400, 312);
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(3);
    table.SetCell(1, 1, " 1");
    table.SetCell(2, 1, " 1- 3- 7");  // the same horses in another order: no hit
    table.SetCell(kStake, 1, "   300");
    table.SetCell(1, 2, " 2");
    table.SetCell(2, 2, " 3- 1- 7");
    table.SetCell(kStake, 2, "   300");
    BetTotals totals;
    totals.stake.text = "   600";
    MarkHits(BetType::Trifecta, race.Slot().HrCopy, table, totals);
    EXPECT_EQ(" 125400", table.Cell(kHitPayout, 2));
    EXPECT_EQ(" 376200", table.Cell(kHitReturn, 2));
    EXPECT_EQ("312", table.Cell(kHitPopularity, 2));
    EXPECT_EQ("", table.Cell(kHitPayout, 1));
    EXPECT_EQ("  376200", totals.payback.text);
    EXPECT_EQ(colors::kBlack, totals.payback.color);
}

TEST(MarkHits, AReturnBelowTheTotalStakeIsRedAndNoReturnClearsIt) {
    test::TestRace race(10);
    race.PaidTrio(0, 2, 5, 9, 1230, 4);
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetCell(1, 1, " 1");
    table.SetCell(2, 1, " 2- 5- 9");
    table.SetCell(kStake, 1, "   500");
    BetTotals totals;
    totals.stake.text = "  9000";
    MarkHits(BetType::Trio, race.Slot().HrCopy, table, totals);
    EXPECT_EQ("    6150", totals.payback.text);  // 1230 × 500 / 100
    EXPECT_EQ(colors::kRed, totals.payback.color);
    totals.stake.text = "  6150";
    MarkHits(BetType::Trio, race.Slot().HrCopy, table, totals);
    EXPECT_EQ(colors::kBlack, totals.payback.color);  // equal is not less
    // Struck: no stake, a return of 0, the total cleared.
    table.SetCell(0, 1, "消");
    table.SetCell(kStake, 1, "");
    MarkHits(BetType::Trio, race.Slot().HrCopy, table, totals);
    EXPECT_EQ("   1230", table.Cell(12, 1));
    EXPECT_EQ("      0", table.Cell(13, 1));
    EXPECT_EQ("", totals.payback.text);
}

TEST(MarkHits, EveryPaidEntryOfADeadHeatIsMarked) {
    test::TestRace race(10);
    race.PaidTrio(0, 1, 2, 3, 1000, 1).PaidTrio(1, 1, 2, 4, 3000, 2);
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetRowCount(4);
    const char* combos[] = {" 1- 2- 3", " 1- 2- 4", " 1- 2- 5"};
    for (int r = 1; r <= 3; ++r) {
        table.SetCell(1, r, Format("%2d", r));
        table.SetCell(2, r, combos[r - 1]);
        table.SetCell(kStake, r, "   200");
    }
    BetTotals totals;
    totals.stake.text = "   600";
    MarkHits(BetType::Trio, race.Slot().HrCopy, table, totals);
    EXPECT_EQ((std::vector<std::string>{"   2000", "   6000", ""}), Column(table, 13));
    EXPECT_EQ("    8000", totals.payback.text);
}

TEST(MarkHits, SingleHorseTablesMatchTheHorseNumber) {
    std::string hr = test::TestRace(10).Slot().HrCopy;
    PutField(hr, 103, 13, "0700000034002");  // 単勝: horse 7 pays 340
    TextGrid table;
    SetUpBetTable(table, BetType::Win);
    table.SetRowCount(3);
    table.SetCell(1, 1, " 1");
    table.SetCell(2, 1, " 7");
    table.SetCell(5, 1, "  1000");
    table.SetCell(1, 2, " 2");
    table.SetCell(2, 2, "");  // a blank horse cell never matches
    BetTotals totals;
    totals.stake.text = "  1000";
    MarkHits(BetType::Win, hr, table, totals);
    EXPECT_EQ("    340", table.Cell(9, 1));
    EXPECT_EQ("   3400", table.Cell(10, 1));
    EXPECT_EQ("  2", table.Cell(11, 1));
    EXPECT_EQ("", table.Cell(9, 2));
}

TEST(MarkHits, HitsOfAnEarlierPayoutRecordDoNotLinger) {
    test::TestRace race(10);
    race.PaidTrio(0, 1, 2, 3, 1000, 1);
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetCell(1, 1, " 1");
    table.SetCell(2, 1, " 1- 2- 3");
    table.SetCell(kStake, 1, "   100");
    BetTotals totals;
    MarkHits(BetType::Trio, race.Slot().HrCopy, table, totals);
    ASSERT_EQ("   1000", table.Cell(12, 1));
    race.PaidTrio(0, 4, 5, 6, 2000, 1);  // a corrected record
    MarkHits(BetType::Trio, race.Slot().HrCopy, table, totals);
    EXPECT_EQ("", table.Cell(12, 1));
    EXPECT_EQ("", totals.payback.text);
}

}  // namespace
}  // namespace kagiroi
