#include "selection/NetExtraction.h"

#include "platform/Format.h"
#include "racing/KeibaFunc.h"
#include "selection/MarkGrid.h"
#include "selection/TestRace.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kagiroi {
namespace {

using test::TableRows;
using test::TestRace;

struct Marks {
    std::vector<int> axis, partners;
};

TextGrid MarkGridFor(int horses, const Marks& marks) {
    TextGrid grid(5, horses + 1);
    SetUpMarkGrid(grid);
    for (int a : marks.axis)
        grid.SetCell(markcol::kAxis, a, kMark);
    for (int p : marks.partners)
        grid.SetCell(markcol::kPartner, p, kMark);
    return grid;
}

struct Extracted {
    BetBoard board;
    SortDirections indexDirections{kIndexTableSortFlags};
};

void Extract(TestRace& race, const Marks& marks, Extracted& out) {
    ExtractNet(race.Slot(), MarkGridFor(18, marks), out.board, out.indexDirections);
}

std::vector<std::string> Combinations(const TextGrid& table) {
    std::vector<std::string> texts;
    for (int r = 1; r < table.RowCount(); ++r)
        if (!table.Cell(2, r).empty()) texts.push_back(table.Cell(2, r));
    return texts;
}

bool HoldsBoth(const std::string& combination, int a, int b) {
    std::set<int> horses;
    for (int k = 0; k < 3; ++k)
        horses.insert(std::stoi(combination.substr(static_cast<size_t>(3 * k), 2)));
    return horses.count(a) > 0 && horses.count(b) > 0;
}

TestRace MarketOf(int fieldSize) {
    TestRace race(fieldSize);
    for (int h = 1; h <= fieldSize; ++h)
        race.Win(h, 2.0 + h, h);
    race.FullMarket();
    return race;
}

TEST(NetExtraction, OneAxisTwoPartnersGivesOneTrioAndSixTrifectas) {
    TestRace race = MarketOf(12);
    Extracted out;
    Extract(race, {{5}, {2, 9}}, out);
    const TextGrid& trifecta = out.board.Table(BetType::Trifecta);
    EXPECT_EQ((std::vector<std::string>{" 2- 5- 9", " 2- 9- 5", " 5- 2- 9", " 5- 9- 2", " 9- 2- 5",
                                        " 9- 5- 2"}),
              Combinations(trifecta));
    ASSERT_EQ(7, trifecta.RowCount());
    // Row 1: number, combination, "%8.1f" odds, "%3d" popularity, win popularity of the three.
    int idx = TrifectaIndex(" 2- 5- 9");
    EXPECT_EQ(" 1", trifecta.Cell(1, 1));
    EXPECT_EQ(Format("%8.1f", race.Slot().Odds.TrifectaOdds[static_cast<size_t>(idx)]),
              trifecta.Cell(3, 1));
    EXPECT_EQ("    25.9", trifecta.Cell(3, 1));
    EXPECT_EQ(Format("%3d", race.Slot().Odds.TrifectaRank[static_cast<size_t>(idx)]),
              trifecta.Cell(4, 1));
    EXPECT_EQ(" 2- 5- 9", trifecta.Cell(5, 1));
    EXPECT_EQ(" 6", trifecta.Cell(1, 6));

    const TextGrid& trio = out.board.Table(BetType::Trio);
    ASSERT_EQ(2, trio.RowCount());
    EXPECT_EQ(" 2- 5- 9", trio.Cell(2, 1));
    EXPECT_EQ("   32.0", trio.Cell(3, 1));  // "%7.1f"
    EXPECT_EQ(Format("%3d", race.Slot().Odds.TrioRank[static_cast<size_t>(TrioIndex(" 2- 5- 9"))]),
              trio.Cell(4, 1));
}

TEST(NetExtraction, TwoAxisHorsesNeverShareATicket) {
    TestRace race = MarketOf(14);
    Extracted out;
    Extract(race, {{3, 8}, {1, 12}}, out);
    std::vector<std::string> trifectas = Combinations(out.board.Table(BetType::Trifecta));
    EXPECT_EQ(12u, trifectas.size());
    for (const std::string& t : trifectas)
        EXPECT_FALSE(HoldsBoth(t, 3, 8)) << t;
    EXPECT_EQ((std::vector<std::string>{" 1- 3-12", " 1- 8-12"}),
              Combinations(out.board.Table(BetType::Trio)));
}

TEST(NetExtraction, AnAxisMarkedAsPartnerTooChangesNothing) {
    TestRace race = MarketOf(16);
    Extracted plain, doubled;
    Extract(race, {{4}, {1, 6, 9, 13}}, plain);
    Extract(race, {{4}, {1, 4, 6, 9, 13}}, doubled);
    for (BetType type : {BetType::Trio, BetType::Trifecta})
        EXPECT_EQ(TableRows(plain.board.Table(type)), TableRows(doubled.board.Table(type)));
    EXPECT_EQ(36u, Combinations(plain.board.Table(BetType::Trifecta)).size());
    EXPECT_EQ(6u, Combinations(plain.board.Table(BetType::Trio)).size());
}

TEST(NetExtraction, SevenPartnersGive126TrifectasAnd21TriosInTextOrder) {
    TestRace race = MarketOf(18);
    Extracted out;
    Extract(race, {{10}, {1, 3, 5, 11, 14, 17, 18}}, out);
    std::vector<std::string> trifectas = Combinations(out.board.Table(BetType::Trifecta));
    std::vector<std::string> trios = Combinations(out.board.Table(BetType::Trio));
    EXPECT_EQ(126u, trifectas.size());
    EXPECT_EQ(21u, trios.size());
    EXPECT_TRUE(std::is_sorted(trifectas.begin(), trifectas.end()));
    EXPECT_TRUE(std::is_sorted(trios.begin(), trios.end()));
    EXPECT_EQ(127, out.board.Table(BetType::Trifecta).RowCount());
    EXPECT_EQ("126", out.board.Table(BetType::Trifecta).Cell(1, 126));
}

// The loops as first written: three passes over the lists for trifectas, pairs of partner list
// entries for trios, every line gathered in a sorted list without repeats.
std::vector<std::string> ByThePasses(const Marks& m, bool trifecta) {
    std::set<std::string> combos;
    auto add = [&](int a, int b, int c) {
        if (a != b && b != c && a != c) combos.insert(CombinationText(a, b, c));
    };
    if (trifecta) {
        for (int a : m.axis)
            for (int p : m.partners)
                for (int q : m.partners) {
                    add(a, p, q);
                    add(p, a, q);
                    add(p, q, a);
                }
    } else {
        for (int j : m.axis)
            for (size_t k = 0; k + 1 < m.partners.size(); ++k)
                for (size_t p = 1; p < m.partners.size(); ++p) {
                    std::string t = TrioText(j, m.partners[k], m.partners[p]);
                    if (!t.empty()) combos.insert(t);
                }
    }
    return {combos.begin(), combos.end()};
}

TEST(NetExtraction, SameTicketsAndOrderAsThePassesAndPairLoops) {
    TestRace race = MarketOf(18);
    const std::vector<Marks> cases = {
        {{1}, {2, 3}},         {{18}, {1, 17}},           {{2, 7}, {7, 9, 11}},
        {{5}, {5, 6}},         {{3, 4, 5}, {3, 4, 5, 6}}, {{9}, {1, 2, 3, 4, 5, 6, 7}},
        {{1, 18}, {2, 9, 17}},
    };
    for (const Marks& m : cases) {
        Extracted out;
        Extract(race, m, out);
        EXPECT_EQ(ByThePasses(m, true), Combinations(out.board.Table(BetType::Trifecta)));
        EXPECT_EQ(ByThePasses(m, false), Combinations(out.board.Table(BetType::Trio)));
    }
}

TEST(NetExtraction, CombinationsWithoutPositiveOddsAreLeftOut) {
    TestRace race = MarketOf(10);
    race.Trifecta(" 1- 2- 3", 0.0, 0).Trifecta(" 1- 3- 2", -1.0, 0).Trifecta(" 2- 1- 3", -2.0, 0);
    race.Trio(" 1- 2- 3", -1.0, 0);
    Extracted out;
    Extract(race, {{1}, {2, 3}}, out);
    EXPECT_EQ((std::vector<std::string>{" 2- 3- 1", " 3- 1- 2", " 3- 2- 1"}),
              Combinations(out.board.Table(BetType::Trifecta)));
    // No trio left: the table keeps its one empty row.
    EXPECT_EQ(2, out.board.Table(BetType::Trio).RowCount());
    EXPECT_EQ("", out.board.Table(BetType::Trio).Cell(2, 1));
}

TEST(NetExtraction, ARaceWithoutTrifectaOddsStillGetsItsTrios) {
    TestRace race = MarketOf(10);
    race.NoTrifectaRecord();
    Extracted out;
    Extract(race, {{1}, {2, 3, 4}}, out);
    EXPECT_EQ(2, out.board.Table(BetType::Trifecta).RowCount());
    EXPECT_EQ("", out.board.Table(BetType::Trifecta).Cell(1, 1));
    EXPECT_EQ(3u, Combinations(out.board.Table(BetType::Trio)).size());

    TestRace noTrio = MarketOf(10);
    noTrio.NoTrioRecord();
    Extracted other;
    Extract(noTrio, {{1}, {2, 3, 4}}, other);
    EXPECT_EQ(2, other.board.Table(BetType::Trio).RowCount());
    EXPECT_EQ(18u, Combinations(other.board.Table(BetType::Trifecta)).size());
}

TEST(NetExtraction, NoAxisOrOnePartnerEmptiesBothTablesAndTheirTotals) {
    TestRace race = MarketOf(10);
    Extracted out;
    Extract(race, {{1}, {2, 3, 4}}, out);
    out.board.Totals(BetType::Trio).count.text = "  3";
    out.board.Totals(BetType::Trifecta).payback.text = "   12000";
    Extract(race, {{1}, {2}}, out);
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const TextGrid& table = out.board.Table(type);
        EXPECT_EQ(2, table.RowCount());
        for (int c = 0; c < table.ColCount(); ++c)
            EXPECT_EQ("", table.Cell(c, 1));
    }
    EXPECT_EQ("", out.board.Totals(BetType::Trio).count.text);
    EXPECT_EQ("", out.board.Totals(BetType::Trifecta).payback.text);
    Extract(race, {{}, {2, 3, 4}}, out);
    EXPECT_EQ(2, out.board.Table(BetType::Trifecta).RowCount());
}

TEST(NetExtraction, WinPopularityOnlyWhenAllThreeHorsesAreRanked) {
    TestRace race = MarketOf(10);
    race.Win(3, 0.0, 0);
    race.Win(2, 9.0, 7).Win(4, 5.0, 12);
    Extracted out;
    Extract(race, {{1}, {2, 3, 4}}, out);
    const TextGrid& trio = out.board.Table(BetType::Trio);
    ASSERT_EQ(" 1- 2- 4", trio.Cell(2, 2));
    EXPECT_EQ(" 1- 7-12", trio.Cell(5, 2));  // ranks of 1, 2, 4 in the order of the text
    EXPECT_EQ(" 1- 2- 3", trio.Cell(2, 1));
    EXPECT_EQ("", trio.Cell(5, 1));  // horse 3 has no rank
    const TextGrid& trifecta = out.board.Table(BetType::Trifecta);
    std::vector<std::string> combinations = Combinations(trifecta);
    auto at = std::find(combinations.begin(), combinations.end(), " 4- 1- 2");
    ASSERT_NE(combinations.end(), at);
    EXPECT_EQ("12- 1- 7", trifecta.Cell(5, static_cast<int>(at - combinations.begin()) + 1));
}

TEST(NetExtraction, ResetsEverySortDirection) {
    TestRace race = MarketOf(10);
    Extracted out;
    out.indexDirections.Flip(7);
    out.indexDirections.Flip(17);
    out.board.trioDirections.Flip(3);
    out.board.trifectaDirections.Flip(14);
    Extract(race, {{1}, {2, 3}}, out);
    for (int c = 0; c < kIndexTableSortFlags; ++c)
        EXPECT_FALSE(out.indexDirections.IsDescending(c)) << c;
    for (int c = 0; c < kTicketTableColumns; ++c) {
        EXPECT_FALSE(out.board.trioDirections.IsDescending(c)) << c;
        EXPECT_FALSE(out.board.trifectaDirections.IsDescending(c)) << c;
    }
}

TEST(NetExtraction, AFourDigitTrifectaPopularityIsKeptWhole) {
    TestRace race = MarketOf(10);
    race.Trifecta(" 1- 2- 3", 1234.5, 1234);
    Extracted out;
    Extract(race, {{1}, {2, 3}}, out);
    const TextGrid& trifecta = out.board.Table(BetType::Trifecta);
    EXPECT_EQ("  1234.5", trifecta.Cell(3, 1));
    EXPECT_EQ("1234", trifecta.Cell(4, 1));
}

TEST(MarkGrid, ClickingAMarkTwiceRestoresItAndTheTables) {
    TestRace race = MarketOf(12);
    TextGrid grid = MarkGridFor(12, {{5}, {2, 9, 11}});
    Extracted before, after;
    ExtractNet(race.Slot(), grid, before.board, before.indexDirections);
    EXPECT_TRUE(ToggleMark(grid, markcol::kPartner, 9));
    EXPECT_EQ("", grid.Cell(markcol::kPartner, 9));
    ExtractNet(race.Slot(), grid, after.board, after.indexDirections);
    EXPECT_EQ(6u, Combinations(after.board.Table(BetType::Trifecta)).size());
    EXPECT_TRUE(ToggleMark(grid, markcol::kPartner, 9));
    EXPECT_EQ(kMark, grid.Cell(markcol::kPartner, 9));
    ExtractNet(race.Slot(), grid, after.board, after.indexDirections);
    for (BetType type : {BetType::Trio, BetType::Trifecta})
        EXPECT_EQ(TableRows(before.board.Table(type)), TableRows(after.board.Table(type)));
}

TEST(MarkGrid, OnlyDataCellsOfTheMarkColumnsToggle) {
    TextGrid grid = MarkGridFor(10, {});
    EXPECT_FALSE(ToggleMark(grid, markcol::kAxis, 0));  // header
    EXPECT_FALSE(ToggleMark(grid, 2, 4));
    EXPECT_FALSE(ToggleMark(grid, markcol::kAxis, 11));  // below the last row
    EXPECT_TEXT_EQ("軸", grid.Cell(markcol::kAxis, 0));
    grid.SetCell(markcol::kAxis, 4, " ");  // blank after trimming counts as empty
    EXPECT_TRUE(ToggleMark(grid, markcol::kAxis, 4));
    EXPECT_EQ(kMark, grid.Cell(markcol::kAxis, 4));
    EXPECT_EQ(CursorShape::Hand, MarkGridCursor(grid, markcol::kPartner, 1));
    EXPECT_EQ(CursorShape::Arrow, MarkGridCursor(grid, markcol::kPartner, 0));
    EXPECT_EQ(CursorShape::Arrow, MarkGridCursor(grid, 1, 3));
}

TEST(MarkGrid, HeadersWidthsAndColours) {
    TextGrid grid = MarkGridFor(8, {});
    const std::vector<std::string> headers = {"枠", "馬", "馬名", "軸", "相手"};
    const std::vector<int> widths = {20, 20, 140, 30, 30};
    for (int c = 0; c < 5; ++c) {
        EXPECT_TEXT_EQ(headers[static_cast<size_t>(c)], grid.Cell(c, 0));
        EXPECT_EQ(widths[static_cast<size_t>(c)], grid.ColWidth(c));
    }
    EXPECT_EQ(colors::kSilver, MarkGridCellStyle(grid, 0, 0).background);
    const Rgb brackets[] = {colors::kWhite,  colors::kGrey, colors::kRed,    colors::kBlue,
                            colors::kYellow, colors::kLime, colors::kOrange, colors::kMagenta};
    for (int b = 1; b <= 8; ++b) {
        grid.SetCell(0, b, Format("%2d", b));
        EXPECT_EQ(brackets[b - 1], MarkGridCellStyle(grid, 0, b).background) << b;
        bool dark = b >= 2 && b <= 4;  // grey, red and blue carry white digits
        EXPECT_EQ(dark ? colors::kWhite : colors::kBlack, MarkGridCellStyle(grid, 0, b).text) << b;
    }
    EXPECT_EQ(colors::kInfoBackground, MarkGridCellStyle(grid, 1, 3).background);
    // A mark is bold in its own colour; an empty mark cell is plain.
    grid.SetCell(markcol::kAxis, 3, kMark);
    grid.SetCell(markcol::kPartner, 5, kMark);
    EXPECT_TRUE(MarkGridCellStyle(grid, markcol::kAxis, 3).bold);
    EXPECT_EQ(colors::kRed, MarkGridCellStyle(grid, markcol::kAxis, 3).text);
    EXPECT_TRUE(MarkGridCellStyle(grid, markcol::kPartner, 5).bold);
    EXPECT_NE(colors::kBlack, MarkGridCellStyle(grid, markcol::kPartner, 5).text);
    EXPECT_FALSE(MarkGridCellStyle(grid, markcol::kAxis, 5).bold);
    EXPECT_EQ(colors::kWhite, MarkGridCellStyle(grid, 4, 3).background);
    EXPECT_EQ(CellAlign::Left, MarkGridCellStyle(grid, 2, 3).align);
    EXPECT_EQ(CellAlign::Center, MarkGridCellStyle(grid, 3, 3).align);
}

}  // namespace
}  // namespace kagiroi
