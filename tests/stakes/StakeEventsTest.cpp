#include "stakes/StakeEvents.h"

#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "platform/TextField.h"
#include "selection/NetExtraction.h"
#include "selection/TestRace.h"
#include "stakes/RaceAmounts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::TableRows;

constexpr int kStake = 6, kHitReturn = 13;

// An 18-runner race with axis 10 and partners 1, 3, 5: 18 trifectas and 3 trios, with the trio
// 1-3-10 and the trifecta 10-1-3 paid.
struct MarkedRace {
    test::TestRace race{18};
    BetBoard board;
    SortDirections indexDirections{kIndexTableSortFlags};
    PopularityRateTables rates = ModelRates();

    MarkedRace() {
        for (int h = 1; h <= 18; ++h)
            race.Win(h, 1.5 + h, h);
        race.FullMarket().PaidTrio(0, 1, 3, 10, 4560, 7).PaidTrifecta(0, 10, 1, 3, 23450, 40);
        TextGrid marks(5, 19);
        marks.SetCell(3, 10, "ν");
        for (int p : {1, 3, 5})
            marks.SetCell(4, p, "ν");
        ExtractNet(race.Slot(), marks, board, indexDirections);
        AllocateExtractedNet(board, {AllocationMode::Equal, 1800}, race.Slot().HrCopy);
    }
    const std::string& Hr() { return race.Slot().HrCopy; }
    TextGrid& Table(BetType type) { return board.Table(type); }
};

int RowOf(const TextGrid& table, const std::string& combination) {
    for (int r = 1; r < table.RowCount(); ++r)
        if (table.Cell(2, r) == combination) return r;
    return -1;
}

TEST(StakeEvents, TheExtractedNetGetsStakesAndHitsInBothTables) {
    MarkedRace m;
    EXPECT_EQ(" 18", m.board.Totals(BetType::Trifecta).count.text);
    EXPECT_EQ("  1800", m.board.Totals(BetType::Trifecta).stake.text);
    EXPECT_EQ("  3", m.board.Totals(BetType::Trio).count.text);
    EXPECT_EQ("   600", m.Table(BetType::Trio).Cell(kStake, 1));
    int hit = RowOf(m.Table(BetType::Trifecta), "10- 1- 3");
    ASSERT_GT(hit, 0);
    EXPECT_EQ("  23450", m.Table(BetType::Trifecta).Cell(kHitReturn, hit));  // 23450 × 100 / 100
    EXPECT_EQ("   27360", m.board.Totals(BetType::Trio).payback.text);       // 4560 × 600 / 100
    // The extraction does not fill the popularity rates; a click does.
    EXPECT_EQ("", m.Table(BetType::Trio).Cell(9, 1));
}

TEST(StakeEvents, StrikingATicketTwiceRestoresItAndRecomputesOnlyItsTable) {
    MarkedRace m;
    std::vector<std::string> trio = TableRows(m.Table(BetType::Trio));
    TextGrid& trifecta = m.Table(BetType::Trifecta);
    int hit = RowOf(trifecta, "10- 1- 3");
    ASSERT_TRUE(ClickTicketRow(trifecta, 0, hit));
    RecomputeTicketTable(m.board, BetType::Trifecta, {AllocationMode::Equal, 1800}, m.Hr(), 18,
                         m.rates);
    EXPECT_EQ("", trifecta.Cell(kStake, hit));
    EXPECT_EQ("      0", trifecta.Cell(kHitReturn, hit));  // still compared: no stake
    EXPECT_EQ(" 17", m.board.Totals(BetType::Trifecta).count.text);
    EXPECT_EQ("  1700", m.board.Totals(BetType::Trifecta).stake.text);
    EXPECT_EQ("", m.board.Totals(BetType::Trifecta).payback.text);
    EXPECT_EQ(trio, TableRows(m.Table(BetType::Trio)));  // the other table is untouched

    ASSERT_TRUE(ClickTicketRow(trifecta, 0, hit));
    RecomputeTicketTable(m.board, BetType::Trifecta, {AllocationMode::Equal, 1800}, m.Hr(), 18,
                         m.rates);
    EXPECT_EQ("   100", trifecta.Cell(kStake, hit));
    EXPECT_EQ("  23450", trifecta.Cell(kHitReturn, hit));
    EXPECT_EQ(" 18", m.board.Totals(BetType::Trifecta).count.text);
    // The click also filled the rate columns: win, top-two, top-three rates of ranks 10, 1, 3.
    EXPECT_EQ(Format("%5.1f", Rate(m.rates, RateTable::Win, 18, 10) * 100), trifecta.Cell(9, hit));
    EXPECT_EQ(Format("%5.1f", Rate(m.rates, RateTable::TopTwo, 18, 1) * 100),
              trifecta.Cell(10, hit));
    EXPECT_EQ(Format("%5.1f", Rate(m.rates, RateTable::TopThree, 18, 3) * 100),
              trifecta.Cell(11, hit));
}

TEST(StakeEvents, AClickOutsideColumnZeroRecomputesWithTheCurrentInputs) {
    MarkedRace m;
    TextGrid& trio = m.Table(BetType::Trio);
    ASSERT_TRUE(ClickTicketRow(trio, 3, 2));
    RecomputeTicketTable(m.board, BetType::Trio, {AllocationMode::Equal, 3000}, m.Hr(), 18,
                         m.rates);
    EXPECT_EQ("", trio.Cell(0, 2));
    EXPECT_EQ("  1000", trio.Cell(kStake, 2));
    EXPECT_EQ("  3000", m.board.Totals(BetType::Trio).stake.text);
}

TEST(StakeEvents, ChangingTheAmountReallocatesTheTicketTables) {
    MarkedRace m;
    ReallocateAfterStakeChange(m.board, {AllocationMode::Equal, 3600}, m.Hr());
    EXPECT_EQ("  1200", m.Table(BetType::Trio).Cell(kStake, 1));
    EXPECT_EQ("  3600", m.board.Totals(BetType::Trio).stake.text);
    // The trifecta table follows the amount too, so what is sent to the plug-in is what is shown.
    EXPECT_EQ("   200", m.Table(BetType::Trifecta).Cell(kStake, 1));
    EXPECT_EQ("  3600", m.board.Totals(BetType::Trifecta).stake.text);
    // The empty 馬単 table stays empty.
    EXPECT_EQ(2, m.Table(BetType::Exacta).RowCount());
    EXPECT_EQ("", m.Table(BetType::Exacta).Cell(6, 1));
    EXPECT_EQ("", m.board.Totals(BetType::Exacta).stake.text);
    // An emptied amount box counts as 0: no stake or total is left to be voted.
    ReallocateAfterStakeChange(m.board, {AllocationMode::Equal, AmountFromBox("")}, m.Hr());
    EXPECT_EQ("", m.Table(BetType::Trio).Cell(kStake, 1));
    EXPECT_EQ("", m.board.Totals(BetType::Trifecta).stake.text);
}

TEST(StakeEvents, ChangingTheModeReallocatesByOdds) {
    MarkedRace m;
    ReallocateAfterStakeChange(m.board, {AllocationMode::Proportional, 1800}, m.Hr());
    const TextGrid& trio = m.Table(BetType::Trio);
    // Dearer trios get smaller stakes.
    EXPECT_GT(ToInt(trio.Cell(kStake, 1)), ToInt(trio.Cell(kStake, 3)));
    EXPECT_EQ(AllocationMode::Proportional, AllocationModeFromIndex(1));
    EXPECT_EQ(AllocationMode::Equal, AllocationModeFromIndex(0));
}

TEST(RaceAmounts, EveryRaceStartsAtTheDefaultAndKeepsItsOwnAmount) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    EXPECT_EQ(3000, ReadDefaultAmount(settings));
    settings.WriteInteger("KaimeSet", "DefaultAmount", 5000);
    auto book = std::make_unique<DayBook>();
    ResetRaceAmounts(*book, ReadDefaultAmount(settings));
    EXPECT_EQ(5000, AmountOfRace((*book)[0]));
    EXPECT_EQ(5000, AmountOfRace((*book)[35]));
    StoreRaceAmount((*book)[4], 12000);
    EXPECT_EQ(12000, AmountOfRace((*book)[4]));
    EXPECT_EQ(5000, AmountOfRace((*book)[5]));
}

TEST(RaceAmounts, TheAmountBoxHoldsZeroToSixDigits) {
    EXPECT_EQ(0, AmountFromBox(""));
    EXPECT_EQ(0, AmountFromBox("abc"));
    EXPECT_EQ(0, AmountFromBox("-300"));
    EXPECT_EQ(2500, AmountFromBox(" 2500"));
    EXPECT_EQ(999999, AmountFromBox("1234567"));
    EXPECT_EQ(999999, AmountFromBox("99999999999999"));
}

}  // namespace
}  // namespace kagiroi
