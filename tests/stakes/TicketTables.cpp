#include "stakes/TicketTables.h"

#include "platform/Format.h"
#include "selection/BetColumns.h"
#include "selection/BetTables.h"

namespace kagiroi::test {

TextGrid TableOf(BetType type, const std::vector<Ticket>& tickets) {
    TextGrid table;
    SetUpBetTable(table, type);
    const BetColumns& c = ColumnsOf(type);
    table.SetRowCount(static_cast<int>(tickets.size()) + 1);
    for (size_t k = 0; k < tickets.size(); ++k) {
        int row = static_cast<int>(k) + 1;
        table.SetCell(c.strike, row, tickets[k].strike);
        table.SetCell(c.number, row, Format("%2d", row));
        table.SetCell(c.combination, row, tickets[k].combination);
        table.SetCell(c.odds, row, tickets[k].odds);
        table.SetCell(c.stake, row, tickets[k].stake);
    }
    return table;
}

}  // namespace kagiroi::test
