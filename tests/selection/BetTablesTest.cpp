#include "selection/BetTables.h"

#include "platform/Format.h"
#include "selection/NetExtraction.h"
#include "selection/TestRace.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// Six trifectas with tied odds: 30.0 on tickets 2 and 5, 12.5 on 1, 3 and 6, 8.0 on 4.
void FillTiedTrifectas(TextGrid& table) {
    const std::vector<std::pair<std::string, double>> tickets = {
        {" 1- 2- 3", 12.5}, {" 1- 3- 2", 30.0}, {" 2- 1- 3", 12.5},
        {" 2- 3- 1", 8.0},  {" 3- 1- 2", 30.0}, {" 3- 2- 1", 12.5}};
    std::vector<std::string> lines;
    int rank = 0;
    for (const auto& [text, odds] : tickets)
        lines.push_back(text + Format("%8.1f", odds) + Format("%3d", ++rank));
    FillTicketTable(table, lines, 8, OddsBook{});
}

std::vector<std::string> Numbers(const TextGrid& table) {
    std::vector<std::string> numbers;
    for (int r = 1; r < table.RowCount(); ++r)
        numbers.push_back(table.Cell(1, r));
    return numbers;
}

std::vector<std::string> Header(const TextGrid& table) {
    return table.Row(0);
}

TEST(BetTables, TicketTablesHaveFifteenColumnsWithHiddenOnes) {
    BetBoard board;
    const std::vector<std::string> captions = {
        "消",     "No.",     "買い目",  "オッズ",  "人気",     "連人気",   "購入額",  "回収額",
        "回収率", "出現率1", "出現率2", "出現率3", "結果配当", "結果回収", "結果人気"};
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const TextGrid& table = board.Table(type);
        ASSERT_EQ(kTicketTableColumns, table.ColCount());
        EXPECT_EQ(2, table.RowCount());
        for (int c = 0; c < kTicketTableColumns; ++c) {
            EXPECT_TEXT_EQ(captions[static_cast<size_t>(c)], table.Cell(c, 0));
            EXPECT_EQ("", table.Cell(c, 1));
        }
        int money = type == BetType::Trio ? 60 : 70;
        EXPECT_EQ(
            (std::vector<int>{20, 30, 60, 60, -1, -1, 60, money, money, -1, -1, -1, 60, 60, 60}),
            [&] {
                std::vector<int> widths;
                for (int c = 0; c < kTicketTableColumns; ++c)
                    widths.push_back(table.ColWidth(c));
                return widths;
            }());
    }
}

TEST(BetTables, TheSixOtherTablesHaveTheirHeadersAndOneEmptyRow) {
    BetBoard board;
    const std::vector<std::string> single = {"消",     "No.",      "買い目",   "オッズ",
                                             "人気",   "購入額",   "回収額",   "回収率",
                                             "出現率", "結果配当", "結果回収", "結果人気"};
    for (BetType type : {BetType::Win, BetType::Place}) {
        EXPECT_EQ(12, board.Table(type).ColCount());
        for (size_t c = 0; c < single.size(); ++c)
            EXPECT_TEXT_EQ(single[c], Header(board.Table(type))[c]);
    }
    for (BetType type :
         {BetType::BracketQuinella, BetType::Quinella, BetType::Wide, BetType::Exacta}) {
        const TextGrid& table = board.Table(type);
        EXPECT_EQ(14, table.ColCount());
        EXPECT_EQ(2, table.RowCount());
        EXPECT_TEXT_EQ("連人気", table.Cell(5, 0));
        EXPECT_TEXT_EQ("結果人気", table.Cell(13, 0));
        EXPECT_TEXT_EQ(type == BetType::BracketQuinella ? "No" : "No.", table.Cell(1, 0));
    }
}

TEST(BetTables, AClickInColumnZeroTogglesTheStrikeOthersOnlyRecompute) {
    BetBoard board;
    TextGrid& table = board.Table(BetType::Trifecta);
    FillTiedTrifectas(table);
    EXPECT_TRUE(ClickTicketRow(table, 0, 2));
    EXPECT_TEXT_EQ("消", table.Cell(0, 2));
    EXPECT_TRUE(ClickTicketRow(table, 0, 2));
    EXPECT_EQ("", table.Cell(0, 2));
    EXPECT_TRUE(ClickTicketRow(table, 3, 2));  // recompute, no strike
    EXPECT_EQ("", table.Cell(0, 2));
    EXPECT_FALSE(ClickTicketRow(table, 0, 0));  // header
    EXPECT_TEXT_EQ("消", table.Cell(0, 0));
    EXPECT_FALSE(ClickTicketRow(table, 0, 7));  // outside
    EXPECT_FALSE(ClickTicketRow(table, -1, 1));

    TextGrid& empty = board.Table(BetType::Trio);  // header and its one empty row
    EXPECT_TRUE(ClickTicketRow(empty, 0, 1));
    EXPECT_EQ("", empty.Cell(0, 1));
}

TEST(BetTables, OddsSortDescendingThenAscendingWithTiesInTicketOrder) {
    BetBoard board;
    FillTiedTrifectas(board.Table(BetType::Trifecta));
    ASSERT_TRUE(PressTicketHeader(board, BetType::Trifecta, 3, 0, TicketTab::Trifecta));
    EXPECT_EQ(3, board.sortColumn);
    EXPECT_EQ((std::vector<std::string>{" 2", " 5", " 1", " 3", " 6", " 4"}),
              Numbers(board.Table(BetType::Trifecta)));
    EXPECT_EQ("    30.0", board.Table(BetType::Trifecta).Cell(3, 1));
    ASSERT_TRUE(PressTicketHeader(board, BetType::Trifecta, 3, 0, TicketTab::Trifecta));
    EXPECT_EQ((std::vector<std::string>{" 4", " 1", " 3", " 6", " 2", " 5"}),
              Numbers(board.Table(BetType::Trifecta)));
}

TEST(BetTables, NumberSortTwiceReversesThenRestoresTheExtractionOrder) {
    BetBoard board;
    TextGrid& table = board.Table(BetType::Trifecta);
    FillTiedTrifectas(table);
    std::vector<std::vector<std::string>> extracted;
    for (int r = 1; r < table.RowCount(); ++r)
        extracted.push_back(table.Row(r));
    PressTicketHeader(board, BetType::Trifecta, 1, 0, TicketTab::Trifecta);
    EXPECT_EQ((std::vector<std::string>{" 6", " 5", " 4", " 3", " 2", " 1"}), Numbers(table));
    EXPECT_EQ(" 3- 2- 1", table.Cell(2, 1));  // whole rows move
    PressTicketHeader(board, BetType::Trifecta, 1, 0, TicketTab::Trifecta);
    for (int r = 1; r < table.RowCount(); ++r)
        EXPECT_EQ(extracted[static_cast<size_t>(r - 1)], table.Row(r));
}

TEST(BetTables, AfterANewExtractionTheFirstHeaderClickSortsDescendingAgain) {
    test::TestRace race(10);
    for (int h = 1; h <= 10; ++h)
        race.Win(h, 2.0 + h, h);
    race.FullMarket();
    TextGrid marks(5, 11);
    marks.SetCell(3, 1, "ν");
    marks.SetCell(4, 2, "ν");
    marks.SetCell(4, 3, "ν");
    BetBoard board;
    SortDirections index(kIndexTableSortFlags);
    ExtractNet(race.Slot(), marks, board, index);
    PressTicketHeader(board, BetType::Trifecta, 1, 0, TicketTab::Trifecta);  // descending
    PressTicketHeader(board, BetType::Trifecta, 1, 0, TicketTab::Trifecta);  // ascending
    ExtractNet(race.Slot(), marks, board, index);
    PressTicketHeader(board, BetType::Trifecta, 1, 0, TicketTab::Trifecta);
    EXPECT_EQ(" 6", board.Table(BetType::Trifecta).Cell(1, 1));
}

TEST(BetTables, HeaderColumnZeroDataRowsAndAnEmptyTableDoNotSort) {
    BetBoard board;
    TextGrid& table = board.Table(BetType::Trifecta);
    FillTiedTrifectas(table);
    EXPECT_FALSE(PressTicketHeader(board, BetType::Trifecta, 0, 0, TicketTab::Trifecta));
    EXPECT_FALSE(PressTicketHeader(board, BetType::Trifecta, 3, 2, TicketTab::Trifecta));
    EXPECT_FALSE(PressTicketHeader(board, BetType::Trifecta, 15, 0, TicketTab::Trifecta));
    EXPECT_EQ((std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6"}), Numbers(table));
    EXPECT_EQ(0, board.sortColumn);
    // The empty trio table sorts to itself.
    std::vector<std::string> emptyRow = board.Table(BetType::Trio).Row(1);
    EXPECT_TRUE(PressTicketHeader(board, BetType::Trio, 3, 0, TicketTab::Trio));
    EXPECT_EQ(2, board.Table(BetType::Trio).RowCount());
    EXPECT_EQ(emptyRow, board.Table(BetType::Trio).Row(1));
}

TEST(BetTables, TheActiveTabDecidesWhichTableIsSorted) {
    BetBoard board;
    FillTiedTrifectas(board.Table(BetType::Trifecta));
    FillTiedTrifectas(board.Table(BetType::Trio));
    // A press on the trio header flips the trio flag, but the trifecta tab is showing: the
    // trifecta table is sorted with its own (still ascending) flag.
    PressTicketHeader(board, BetType::Trio, 1, 0, TicketTab::Trifecta);
    EXPECT_TRUE(board.trioDirections.IsDescending(1));
    EXPECT_EQ(" 1", board.Table(BetType::Trifecta).Cell(1, 1));
    EXPECT_EQ(" 1", board.Table(BetType::Trio).Cell(1, 1));
    PressTicketHeader(board, BetType::Trifecta, 4, 0, TicketTab::Trifecta);
    EXPECT_EQ(4, board.sortColumn);
    EXPECT_EQ(" 6", board.Table(BetType::Trifecta).Cell(1, 1));  // popularity descending
    EXPECT_EQ(" 1", board.Table(BetType::Trio).Cell(1, 1));
}

TEST(BetTables, SortButtonSortsTheIndexTableWithItsOwnFlags) {
    TextGrid index(19, 5);
    const char* ranks[] = {" 3", " 1", "　", " 2"};  // 　 is the blank of an unranked horse
    for (int r = 1; r <= 4; ++r) {
        index.SetCell(1, r, Format("%2d", r));
        index.SetCell(7, r, ranks[r - 1]);
    }
    SortDirections flags(kIndexTableSortFlags);
    SortIndexTableByShared(index, flags, 7);
    EXPECT_EQ((std::vector<std::string>{" 2", " 4", " 1", " 3"}), Numbers(index));
    flags.Flip(7);
    SortIndexTableByShared(index, flags, 7);
    EXPECT_EQ((std::vector<std::string>{" 3", " 1", " 4", " 2"}), Numbers(index));
    EXPECT_TRUE(flags.IsDescending(7));  // the button reads the flag, it does not flip it
}

TEST(BetTables, CellStylesPaintEveryWinningComboOfADeadHeat) {
    test::TestRace race(10);
    race.PaidTrio(0, 1, 2, 3, 12340, 5).PaidTrio(1, 1, 2, 4, 9870, 3);  // dead heat for third
    std::vector<std::string> winning = WinningCombinations(BetType::Trio, race.Slot().HrCopy);
    EXPECT_EQ((std::vector<std::string>{" 1- 2- 3", " 1- 2- 4"}), winning);
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetRowCount(5);
    table.SetCell(2, 1, " 1- 2- 3");
    table.SetCell(2, 2, " 1- 2- 4");
    table.SetCell(2, 3, " 1- 2- 5");
    EXPECT_EQ(colors::kMagenta, TicketCellStyle(table, 2, 1, winning, 0).background);
    EXPECT_EQ(colors::kMagenta, TicketCellStyle(table, 2, 2, winning, 0).background);
    EXPECT_EQ(colors::kWhite, TicketCellStyle(table, 2, 3, winning, 0).background);
    EXPECT_EQ(colors::kWhite, TicketCellStyle(table, 2, 4, winning, 0).background);  // blank
    EXPECT_EQ(colors::kWhite, TicketCellStyle(table, 3, 1, winning, 0).background);
    EXPECT_EQ((Rgb{201, 146, 146}), TicketCellStyle(table, 2, 0, winning, 0).background);
    EXPECT_EQ((Rgb{193, 255, 193}), TicketCellStyle(table, 1, 2, winning, 0).background);
    EXPECT_EQ(2, TicketCellStyle(table, 5, 2, winning, 0).textTopOffset);
    EXPECT_EQ(CellAlign::Center, TicketCellStyle(table, 2, 2, winning, 0).align);
    // A race without results paints nothing: blank entries give no winning combination.
    EXPECT_TRUE(WinningCombinations(BetType::Trifecta, race.Slot().HrCopy).empty());
}

TEST(BetTables, TheHandIsOverTheHeaderAndTheStrikeColumn) {
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    EXPECT_EQ(CursorShape::Hand, TicketTableCursor(table, 6, 0));
    EXPECT_EQ(CursorShape::Hand, TicketTableCursor(table, 0, 1));
    EXPECT_EQ(CursorShape::Arrow, TicketTableCursor(table, 1, 1));
    EXPECT_EQ(CursorShape::Arrow, TicketTableCursor(table, 0, 2));  // below the last row
}

}  // namespace
}  // namespace kagiroi
