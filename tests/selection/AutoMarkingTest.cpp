#include "odds/MiningImport.h"
#include "odds/OddsImport.h"
#include "platform/TextField.h"
#include "selection/AutoMarking.h"
#include "selection/MarkGrid.h"
#include "selection/TestRace.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::StandardOddsForTests;
using test::TestRace;

// Horse h is ranked h and priced one point above the standard odds of its rank, so no horse
// qualifies as an axis until a test prices it below.
TestRace AllAboveStandard(int fieldSize) {
    TestRace race(fieldSize);
    for (int h = 1; h <= fieldSize; ++h)
        race.Win(h, StandardOddsForTests(fieldSize, h) + 1.0, h);
    return race;
}

AutoMarks Choose(TestRace& race) {
    return ChooseAutoMarks(race.Slot(), StandardOddsForTests);
}

TEST(AutoMarking, LowestOddsBelowStandardIsTheAxis) {
    TestRace race = AllAboveStandard(16);
    race.Win(5, 1.8, 1).Win(1, 6.0, 5);  // horse 5 the favourite, 1.8 < 2.4
    race.Win(9, 3.5, 2).Win(2, 8.0, 9);  // horse 9 second favourite, 3.5 < 4.4: a candidate too
    AutoMarks marks = Choose(race);
    EXPECT_EQ(5, marks.axis);
    // Horse 9, the other candidate, leads the partners (below its standard odds, lowest odds).
    ASSERT_FALSE(marks.partners.empty());
    EXPECT_EQ(9, marks.partners.front());
}

TEST(AutoMarking, EqualOddsGiveTheAxisToTheLowerHorseNumber) {
    TestRace race = AllAboveStandard(16);
    race.Win(12, 2.0, 1).Win(1, 6.0, 12);
    race.Win(4, 2.0, 2).Win(2, 9.0, 4);
    EXPECT_EQ(4, Choose(race).axis);
}

TEST(AutoMarking, PartnersMiningTopThreeFirstThenBelowStandardThenTheRest) {
    TestRace race = AllAboveStandard(16);
    race.Win(1, 2.0, 1);                             // the axis
    race.Mining(1, 2);                               // a mining top-three axis: no partner
    race.Mining(14, 1).Mining(16, 3).Mining(10, 4);  // 14, 16 mining top three; 10 is not
    race.Win(8, 20.0, 8);                            // below 26.9: group 2
    race.Win(6, 15.0, 6);                            // below 15.8: group 2
    AutoMarks marks = Choose(race);
    EXPECT_EQ(1, marks.axis);
    // Group 1 by odds (14 at 113.1, 16 at 210.6), group 2 by odds (6 at 15.0, 8 at 20.0), then
    // group 3 by odds (2 at 5.4, 3 at 7.3, 4 at 9.8).
    EXPECT_EQ((std::vector<int>{14, 16, 6, 8, 2, 3, 4}), marks.partners);
}

TEST(AutoMarking, HorsesThatDoNotRunTakeNoMiningRankAndTheNextOnesArePartners) {
    TestRace race = AllAboveStandard(16);
    race.Win(1, 2.0, 1);  // the axis
    RaceSlot& slot = race.Slot();
    // Predicted times, fastest first: 5 (win odds cancelled), 9 (withdrawn), 12, 14, 16.
    const std::pair<int, const char*> times[] = {
        {5, "10100"}, {9, "10200"}, {12, "10300"}, {14, "10400"}, {16, "10500"}};
    for (auto [horse, time] : times)
        PutField(slot.RunnerInfo[static_cast<size_t>(horse)], 538, 5, time);
    PutField(slot.O1Copy, 46 + 8 * 4, 4, "----");
    slot.Odds.WinOdds[5] = kCancelledOdds;
    slot.Odds.WinRank[5] = 0;
    PutField(slot.RunnerInfo[9], 332, 1, "1");
    ComputeMiningBlock(slot);
    EXPECT_EQ(0, slot.Mining[5].MiningRank);
    EXPECT_EQ(0, slot.Mining[9].MiningRank);
    EXPECT_EQ(10300, slot.Mining[12].MiningTime);
    EXPECT_EQ((std::vector<int>{1, 2, 3}),
              (std::vector<int>{slot.Mining[12].MiningRank, slot.Mining[14].MiningRank,
                                slot.Mining[16].MiningRank}));
    AutoMarks marks = Choose(race);
    ASSERT_EQ(kAutoPartners, static_cast<int>(marks.partners.size()));
    EXPECT_EQ((std::vector<int>{12, 14, 16}),
              std::vector<int>(marks.partners.begin(), marks.partners.begin() + 3));
}

TEST(AutoMarking, EqualOddsInAGroupOrderByHorseNumber) {
    TestRace race(16);                                   // only the six horses below are ranked
    race.Win(3, 2.0, 1);                                 // the axis
    race.Win(15, 9.8, 2).Win(7, 9.8, 3).Win(2, 9.8, 4);  // above standard: group 3, equal odds
    race.Win(10, 40.0, 5);                               // group 3, dearer
    race.Win(12, 12.0, 6);                               // below 15.8: group 2, ahead of them
    AutoMarks marks = Choose(race);
    EXPECT_EQ(3, marks.axis);
    EXPECT_EQ((std::vector<int>{12, 2, 7, 15, 10}), marks.partners);
}

TEST(AutoMarking, FewerThanSevenCandidatesAreAllPartners) {
    TestRace race(16);
    race.Win(2, 2.0, 1).Win(7, 5.0, 2).Win(11, 9.0, 3).Win(13, 12.0, 4);  // only four ranked
    AutoMarks marks = Choose(race);
    EXPECT_EQ(2, marks.axis);
    EXPECT_EQ((std::vector<int>{7, 11, 13}), marks.partners);
}

TEST(AutoMarking, NoAxisCandidateMarksNothing) {
    TestRace race = AllAboveStandard(16);
    TextGrid grid(5, 17);
    AutoMarks marks = MarkAxisAndPartners(race.Slot(), StandardOddsForTests, grid);
    EXPECT_EQ(0, marks.axis);
    EXPECT_TRUE(marks.partners.empty());
    for (int r = 1; r <= 16; ++r) {
        EXPECT_EQ("", grid.Cell(markcol::kAxis, r));
        EXPECT_EQ("", grid.Cell(markcol::kPartner, r));
    }
}

TEST(AutoMarking, FieldsBelowTenHaveNoStandardOddsAndGetNoMarks) {
    TestRace race(9);
    for (int h = 1; h <= 9; ++h)
        race.Win(h, 1.1 * h, h);
    EXPECT_EQ(0, Choose(race).axis);
}

TEST(AutoMarking, CancelledAndUnrankedHorsesAreNeverMarked) {
    TestRace race = AllAboveStandard(10);
    race.Win(4, 1.5, 1).Win(1, 3.0, 4);
    race.Win(6, 0.0, 0);  // cancelled: no rank, odds field 0000
    race.Win(7, 0.0, 0);
    AutoMarks marks = Choose(race);
    EXPECT_EQ(4, marks.axis);
    for (int partner : marks.partners) {
        EXPECT_NE(6, partner);
        EXPECT_NE(7, partner);
    }
}

TEST(AutoMarking, WritesTheMarksAndKeepsWhatTheGridHeld) {
    TestRace race = AllAboveStandard(16);
    race.Win(5, 1.8, 1).Win(1, 3.4, 5);
    TextGrid grid(5, 17);
    SetUpMarkGrid(grid);
    grid.SetCell(markcol::kAxis, 12, kMark);  // a mark already there is not cleared
    AutoMarks marks = MarkAxisAndPartners(race.Slot(), StandardOddsForTests, grid);
    EXPECT_EQ(5, marks.axis);
    EXPECT_EQ(7u, marks.partners.size());
    EXPECT_EQ(kMark, grid.Cell(markcol::kAxis, 5));
    EXPECT_EQ(kMark, grid.Cell(markcol::kAxis, 12));
    int partnerMarks = 0;
    for (int r = 1; r <= 16; ++r)
        if (grid.Cell(markcol::kPartner, r) == kMark) ++partnerMarks;
    EXPECT_EQ(7, partnerMarks);
    for (int partner : marks.partners)
        EXPECT_EQ(kMark, grid.Cell(markcol::kPartner, partner));
    EXPECT_EQ("", grid.Cell(markcol::kPartner, 5));
}

}  // namespace
}  // namespace kagiroi
