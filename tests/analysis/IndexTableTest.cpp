#include "analysis/IndexTable.h"

#include "analysis/EighteenRunnerRace.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(IndexTable, ColumnsHeadersAndWidths) {
    TextGrid table;
    SetUpIndexTable(table);
    EXPECT_EQ(19, table.ColCount());
    // The half-width headers, the wide name column and the hidden rank of the standard odds.
    const struct {
        int column;
        const char* header;
        int width;
    } cases[] = {{0, "枠", 20},      {2, "馬名", 130}, {8, "平均ｵｯｽﾞ", 60}, {9, "順", -1},
                 {14, "ﾏｲﾆﾝｸﾞ", 60}, {17, "人", 20},   {18, "確ｵｯｽﾞ", 45}};
    for (const auto& c : cases) {
        EXPECT_TEXT_EQ(c.header, table.Cell(c.column, 0)) << c.column;
        EXPECT_EQ(c.width, table.ColWidth(c.column)) << c.column;
    }
}

TEST(IndexTable, RowsFollowTheRegisteredRunners) {
    test::EighteenRunnerRace race;
    EXPECT_EQ(19, race.table.RowCount());
    EXPECT_EQ(19, race.horses.RowCount());
    PrepareRaceGrids(race.table, race.horses, 8);
    EXPECT_EQ(9, race.table.RowCount());
    EXPECT_EQ(9, race.horses.RowCount());
    EXPECT_TEXT_EQ("馬名", race.table.Cell(2, 0));
    for (int c = 0; c < kIndexTableColumns; ++c)
        EXPECT_EQ("", race.table.Cell(c, 8)) << c;
    race.table.SetRowCount(19);
    EXPECT_EQ("", race.table.Cell(1, 18));  // the previous race's rows are gone
}

TEST(IndexTable, CellsOfAnEighteenRunnerRace) {
    test::EighteenRunnerRace race;
    const TextGrid& t = race.table;
    // The favourite, horse 2: first past the post.
    const char* favourite[] = {" 1",      " 2",    "ﾃｽﾄﾎｰｽ02", "牝 5",  "騎手02", "57.0",  "  2.4",
                               " 1",      "  2.6", "",         "  1.2", " 2",     " 75.8", " 1",
                               "1.12.10", " 1",    " 1",       " 1",    "  2.4"};
    for (int c = 0; c < kIndexTableColumns; ++c) {
        std::string expected = favourite[c];
        if (c == 2) expected.resize(36, ' ');
        if (c == 4) expected.resize(8, ' ');
        EXPECT_TEXT_EQ(expected, t.Cell(c, 2)) << "column " << c;
    }
    // Horse 4, cancelled before the sale: no odds, no ranks.
    EXPECT_EQ(" 2", t.Cell(0, 4));
    EXPECT_EQ("     ", t.Cell(6, 4));
    EXPECT_TEXT_EQ("　", t.Cell(7, 4));
    EXPECT_EQ("     ", t.Cell(8, 4));
    EXPECT_EQ("     ", t.Cell(10, 4));
    EXPECT_TEXT_EQ("　", t.Cell(11, 4));
    EXPECT_EQ("     ", t.Cell(12, 4));
    EXPECT_EQ("     ", t.Cell(13, 4));  // the place-rate rank's blank is five spaces
    EXPECT_EQ("", t.Cell(14, 4));
    EXPECT_TEXT_EQ("　", t.Cell(15, 4));
    EXPECT_TEXT_EQ("　", t.Cell(16, 4));
    EXPECT_TEXT_EQ("　", t.Cell(17, 4));
    EXPECT_EQ("     ", t.Cell(18, 4));
    // Horse 5: the mining time of its own record, 5th favourite above its standard odds.
    EXPECT_EQ("1.13.00", t.Cell(14, 5));
    EXPECT_EQ(" 4", t.Cell(15, 5));
    EXPECT_EQ(" 12.0", t.Cell(6, 5));
    EXPECT_EQ(" 11.5", t.Cell(8, 5));
    EXPECT_EQ(" 23.2", t.Cell(12, 5));
    EXPECT_EQ(" 6", t.Cell(13, 5));
    // Horse 14, 17th favourite: 200.0 against the 126.3 of its rank, no place rate.
    EXPECT_EQ("200.0", t.Cell(6, 14));
    EXPECT_EQ("17", t.Cell(7, 14));
    EXPECT_EQ("126.3", t.Cell(8, 14));
    EXPECT_EQ("     ", t.Cell(12, 14));
    EXPECT_EQ(" 8", t.Cell(0, 17));
}

TEST(IndexTable, TheFillResetsTheHorseGrid) {
    test::EighteenRunnerRace race;
    race.horses.SetCell(3, 2, "ν");
    race.horses.SetCell(4, 6, "ν");
    FillIndexTable(race.table, race.horses, race.Slot());
    EXPECT_EQ(" 8", race.horses.Cell(0, 18));
    EXPECT_EQ("18", race.horses.Cell(1, 18));
    EXPECT_TEXT_EQ(race.table.Cell(2, 18), race.horses.Cell(2, 18));
    EXPECT_EQ("", race.horses.Cell(3, 2));
    EXPECT_EQ("", race.horses.Cell(4, 6));
}

}  // namespace
}  // namespace kagiroi
