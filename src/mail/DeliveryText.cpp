#include "mail/DeliveryText.h"

#include "platform/TextField.h"
#include "selection/BetColumns.h"

namespace kagiroi {

std::string DeliveryHeading(const std::string& courseAndRace) {
    return "<<" + courseAndRace + "R>>";
}

std::vector<std::string> DeliveryLines(const std::string& heading, const BetBoard& bets) {
    std::vector<std::string> lines = {heading};
    const std::pair<BetType, const char*> tables[] = {{BetType::Trio, "３連複"},
                                                      {BetType::Trifecta, "３連単"}};
    for (const auto& [type, name] : tables) {
        const TextGrid& table = bets.Table(type);
        const BetColumns& c = ColumnsOf(type);
        std::vector<std::string> tickets;
        for (int row = 1; row < table.RowCount(); ++row) {
            const std::string combination = Trim(table.Cell(c.combination, row));
            const std::string stake = Trim(table.Cell(c.stake, row));
            // A struck ticket is not bought; an empty row is no ticket.
            if (combination.empty() || !Trim(table.Cell(c.strike, row)).empty()) continue;
            tickets.push_back(combination + " " + stake + "円");
        }
        if (tickets.empty()) continue;
        lines.push_back(std::string("[") + name + "]");
        lines.insert(lines.end(), tickets.begin(), tickets.end());
        const BetTotals& totals = bets.Totals(type);
        lines.push_back("計" + Trim(totals.count.text) + "点 " + Trim(totals.stake.text) + "円");
    }
    return lines;
}

}  // namespace kagiroi
