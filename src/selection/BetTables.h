#pragma once

#include "platform/TextGrid.h"
#include "racing/BetType.h"
#include "selection/BetTotals.h"
#include "selection/SortDirections.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

inline constexpr int kTicketTableColumns = 15;  // columns of the trio and trifecta tables
inline constexpr int kIndexTableSortFlags = 18;
// "消", the strike-out mark of column 0.
extern const char kStrikeMark[];

// Gives a bet table of the type its columns, header captions and widths, and leaves it with the
// header and one empty ticket row. Hidden columns have width -1.
void SetUpBetTable(TextGrid& table, BetType type);

// Every bet table with its totals, owned by the main window. The window's grids are
// StringGrid3 (単勝), StringGrid5 (複勝), StringGrid28 (枠連), StringGrid30 (馬連),
// StringGrid31 (ワイド), StringGrid32 (馬単), StringGrid33 (３連複) and StringGrid34 (３連単).
struct BetBoard {
    BetBoard();

    TextGrid& Table(BetType type) { return tables[static_cast<size_t>(type)]; }
    const TextGrid& Table(BetType type) const { return tables[static_cast<size_t>(type)]; }
    BetTotals& Totals(BetType type) { return totals[static_cast<size_t>(type)]; }
    const BetTotals& Totals(BetType type) const { return totals[static_cast<size_t>(type)]; }
    // Every table back to its header and one empty row, every total empty; the sort flags stay.
    void Clear();
    // The direction flags of the trio table for 3連複, of the trifecta table otherwise.
    SortDirections& Directions(BetType type);

    std::array<TextGrid, 8> tables;
    std::array<BetTotals, 8> totals;
    SortDirections trioDirections{kTicketTableColumns};
    SortDirections trifectaDirections{kTicketTableColumns};
    // The column last clicked on a header: one value for every table and the index table.
    int sortColumn = 0;
};

// The tab of PageControl2 that shows a ticket table: 0 the trio table, 1 the trifecta table.
enum class TicketTab { Trio = 0, Trifecta = 1 };
BetType BetTypeOfTab(TicketTab tab);

// A click on a ticket table at (col, row). On a data row, a click in column 0 toggles the
// strike mark; the result is true whenever the row is a data row, and the caller then
// recomputes the table's stakes, rates and hits. The header and cells outside do nothing.
bool ClickTicketRow(TextGrid& table, int col, int row);

// A mouse press on a ticket table's header cell: for 1 <= col <= 14 the pressed table's flag of
// `col` flips, `col` becomes the shared sort column and the table on the active tab is sorted by
// it. True when something was sorted.
bool PressTicketHeader(BetBoard& board, BetType pressed, int col, int row, TicketTab activeTab);

// Orders the ticket rows by `column` (descending when asked); equal texts keep ascending order of
// the ticket number, or of the combination when sorting by the ticket number itself.
void SortTicketRows(TextGrid& table, int column, bool descending);

// The rules of SortBtnClick: the index table sorted by the shared sort column with the index
// table's own flags (not flipped), by the same procedure as the ticket tables.
void SortIndexTableByShared(TextGrid& indexTable, const SortDirections& indexDirections,
                            int sortColumn);

// The winning combination texts a ticket table is painted against: the trio (or trifecta)
// entries of the race's payout record, dead heats included.
std::vector<std::string> WinningCombinations(BetType type, std::string_view hrRecord);

// A ticket that would pay back less than `totalStake` (the table's 投票金額) shows it in its
// payout and share cells.
CellStyle TicketCellStyle(const TextGrid& table, int col, int row,
                          const std::vector<std::string>& winning, int64_t totalStake);
// The hand over the cells that react to a click (the header row and column 0).
CursorShape TicketTableCursor(const TextGrid& table, int col, int row);

}  // namespace kagiroi
