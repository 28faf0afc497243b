#include "selection/BetTables.h"

#include "daystore/PayoutRecord.h"
#include "platform/GridSort.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"
#include "selection/UnderStake.h"

namespace kagiroi {

const char kStrikeMark[] = "消";

namespace {

constexpr Rgb kHeaderBackground{201, 146, 146};
constexpr Rgb kNumberBackground{193, 255, 193};
// トリガミ: a pale blue apart from the hit magenta and the number green.
constexpr Rgb kUnderStakeBackground{190, 215, 255};
constexpr int kHidden = -1;

void SetUpTicketTable(TextGrid& table, BetType type) {
    int moneyWidth = type == BetType::Trifecta ? 70 : 60;
    table.SetHeader({"消", "No.", "買い目", "オッズ", "人気", "連人気", "購入額", "回収額",
                     "回収率", "出現率1", "出現率2", "出現率3", "結果配当", "結果回収",
                     "結果人気"});
    table.SetColWidths({20, 30, 60, 60, kHidden, kHidden, 60, moneyWidth, moneyWidth, kHidden,
                        kHidden, kHidden, 60, 60, 60});
}

void SetUpSingleTable(TextGrid& table) {
    table.SetHeader({"消", "No.", "買い目", "オッズ", "人気", "購入額", "回収額", "回収率",
                     "出現率", "結果配当", "結果回収", "結果人気"});
    table.SetColWidths({20, 30, 60, 60, 30, 60, 60, 60, 60, 60, 60, 60});
}

void SetUpPairTable(TextGrid& table, BetType type) {
    table.SetHeader({"消", type == BetType::BracketQuinella ? "No" : "No.", "買い目", "オッズ",
                     "人気", "連人気", "購入額", "回収額", "回収率", "出現率1", "出現率2",
                     "結果配当", "結果回収", "結果人気"});
    table.SetColWidths({20, 30, 60, 60, 30, 60, 60, 60, 60, 60, 60, 60, 60, 60});
}

bool IsDataCell(const TextGrid& table, int col, int row) {
    return row >= 1 && row < table.RowCount() && col >= 0 && col < table.ColCount();
}

}  // namespace

void SetUpBetTable(TextGrid& table, BetType type) {
    table.SetColCount(ColumnsOf(type).columnCount);
    table.SetRowCount(2);
    table.ClearRows(0);
    switch (HorsesPerTicket(type)) {
        case 1:
            SetUpSingleTable(table);
            break;
        case 2:
            SetUpPairTable(table, type);
            break;
        default:
            SetUpTicketTable(table, type);
            break;
    }
}

BetBoard::BetBoard() {
    for (BetType type : kAllBetTypes)
        SetUpBetTable(Table(type), type);
}

void BetBoard::Clear() {
    for (BetType type : kAllBetTypes) {
        SetUpBetTable(Table(type), type);
        Totals(type).Clear();
    }
}

SortDirections& BetBoard::Directions(BetType type) {
    return type == BetType::Trio ? trioDirections : trifectaDirections;
}

BetType BetTypeOfTab(TicketTab tab) {
    return tab == TicketTab::Trio ? BetType::Trio : BetType::Trifecta;
}

bool ClickTicketRow(TextGrid& table, int col, int row) {
    if (!IsDataCell(table, col, row)) return false;
    // The one empty row of a table without tickets holds nothing to strike out.
    bool ticket = !IsBlank(table.Cell(1, row));
    if (col == 0 && ticket) table.SetCell(0, row, IsBlank(table.Cell(0, row)) ? kStrikeMark : "");
    return true;
}

void SortTicketRows(TextGrid& table, int column, bool descending) {
    SortGridRows(table, column, descending, column == 1 ? 2 : 1);
}

bool PressTicketHeader(BetBoard& board, BetType pressed, int col, int row, TicketTab activeTab) {
    if (row != 0 || col < 1 || col >= kTicketTableColumns) return false;
    board.Directions(pressed).Flip(col);
    board.sortColumn = col;
    BetType shown = BetTypeOfTab(activeTab);
    SortTicketRows(board.Table(shown), col, board.Directions(shown).IsDescending(col));
    return true;
}

void SortIndexTableByShared(TextGrid& indexTable, const SortDirections& indexDirections,
                            int sortColumn) {
    if (sortColumn < 0 || sortColumn >= indexTable.ColCount()) return;
    SortTicketRows(indexTable, sortColumn, indexDirections.IsDescending(sortColumn));
}

std::vector<std::string> WinningCombinations(BetType type, std::string_view hrRecord) {
    std::vector<std::string> winning;
    for (const PayoutEntry& entry : PaidEntries(type, hrRecord))
        winning.push_back(entry.combination);
    return winning;
}

CellStyle TicketCellStyle(const TextGrid& table, int col, int row,
                          const std::vector<std::string>& winning, int64_t totalStake) {
    CellStyle style;
    style.textTopOffset = 2;
    if (row == 0) {
        style.background = kHeaderBackground;
    } else if (col == 1) {
        style.background = kNumberBackground;
    } else if (col == 2) {
        const std::string& text = table.Cell(col, row);
        if (!IsBlank(text))
            for (const std::string& combination : winning)
                if (text == combination) style.background = colors::kMagenta;
    } else if (col == ColumnsOf(BetType::Trio).expectedPayout ||
               col == ColumnsOf(BetType::Trio).share) {
        if (PaysBackLessThanStake(table, BetType::Trio, row, totalStake))
            style.background = kUnderStakeBackground;
    }
    return style;
}

CursorShape TicketTableCursor(const TextGrid& table, int col, int row) {
    bool inside = row >= 0 && row < table.RowCount() && col >= 0 && col < table.ColCount();
    return inside && (row == 0 || col == 0) ? CursorShape::Hand : CursorShape::Arrow;
}

}  // namespace kagiroi
