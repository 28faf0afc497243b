#include "analysis/IndexTableSort.h"

#include "analysis/EighteenRunnerRace.h"
#include "selection/BetTables.h"
#include "selection/SortDirections.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::HorseOrder;

class IndexTableSortTest : public ::testing::Test {
  protected:
    test::EighteenRunnerRace race;
    TextGrid& table = race.table;
    SortDirections directions{18};  // the main window's flags of the index table
};

const char* const kByWinRank = "2,6,3,10,5,15,8,12,9,1,13,17,7,16,18,11,14";

TEST_F(IndexTableSortTest, ClicksOnTheWinRankAlternateStartingDescending) {
    EXPECT_TRUE(IndexTableMouseDown(table, directions, 7));
    EXPECT_EQ("4,14,11,18,16,7,17,13,1,9,12,8,15,5,10,3,6,2", HorseOrder(table));
    EXPECT_TRUE(directions.IsDescending(7));
    EXPECT_TRUE(IndexTableMouseDown(table, directions, 7));
    EXPECT_EQ(std::string(kByWinRank) + ",4", HorseOrder(table));  // unranked last
    EXPECT_TRUE(IndexTableMouseDown(table, directions, 7));
    EXPECT_EQ("4,14,11,18,16,7,17,13,1,9,12,8,15,5,10,3,6,2", HorseOrder(table));
}

TEST_F(IndexTableSortTest, RunnersWithoutARankStayTogetherInHorseOrder) {
    IndexTableMouseDown(table, directions, 15);  // mining rank, descending
    EXPECT_EQ("4,6,7,8,9,10,11,12,13,14,15,16,17,18,5,1,3,2", HorseOrder(table));
    IndexTableMouseDown(table, directions, 15);
    EXPECT_EQ("2,3,1,5,4,6,7,8,9,10,11,12,13,14,15,16,17,18", HorseOrder(table));
    // Mining times descending: an empty cell sorts below every time; equal times and the
    // empty cells keep horse order.
    IndexTableMouseDown(table, directions, 14);
    EXPECT_EQ("5,1,2,3,4,6,7,8,9,10,11,12,13,14,15,16,17,18", HorseOrder(table));
}

TEST_F(IndexTableSortTest, OtherColumnsDoNothing) {
    IndexTableMouseDown(table, directions, 7);
    std::string before = HorseOrder(table);
    for (int column : {0, 2, 3, 4, 5, 6, 8, 10, 12, 18}) {
        EXPECT_FALSE(IndexTableMouseDown(table, directions, column)) << column;
        EXPECT_EQ(before, HorseOrder(table)) << column;
        EXPECT_FALSE(directions.IsDescending(column)) << column;
        EXPECT_EQ(CursorShape::Arrow, IndexTableCursor(column)) << column;
    }
    for (int column : {1, 7, 9, 11, 13, 14, 15, 16, 17})
        EXPECT_EQ(CursorShape::Hand, IndexTableCursor(column)) << column;
}

TEST_F(IndexTableSortTest, TheInitialOrderAndTheSortButtonRestoreHorseOrder) {
    IndexTableMouseDown(table, directions, 1);
    EXPECT_EQ("18,17,16,15,14,13,12,11,10,9,8,7,6,5,4,3,2,1", HorseOrder(table));
    SortIndexTableInitially(table);
    EXPECT_EQ("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18", HorseOrder(table));

    // The sort button (shared sort column, the index table's flags as they stand) orders the
    // same way as a click, without flipping.
    SortDirections ascending{18};
    SortIndexTableByShared(table, ascending, 7);
    EXPECT_EQ(std::string(kByWinRank) + ",4", HorseOrder(table));
    SortIndexTable(table, 7, true);
    EXPECT_EQ("4,14,11,18,16,7,17,13,1,9,12,8,15,5,10,3,6,2", HorseOrder(table));
}

}  // namespace
}  // namespace kagiroi
