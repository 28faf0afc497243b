#pragma once

#include "selection/BetTables.h"
#include "selection/SortDirections.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// The last sort a ticket table was given by a press on its header; column 0: none.
struct TicketSort {
    int column = 0;
    bool descending = false;
};

// What the user changed on a race's analysis, kept while the day stays loaded so that going
// back to the race shows it again: the marks, the struck tickets (by combination, so a net
// extracted again from fresh odds keeps them) and the sort of the ticket tables.
struct RaceEdits {
    std::vector<int> axis, partners;  // horse numbers
    std::vector<std::string> struckTrio, struckTrifecta;
    int sortColumn = 0;
    SortDirections trioDirections{kTicketTableColumns};
    SortDirections trifectaDirections{kTicketTableColumns};
    std::array<TicketSort, 2> sorted;  // the trio table's, the trifecta table's

    std::vector<std::string>& Struck(BetType type) {
        return type == BetType::Trio ? struckTrio : struckTrifecta;
    }
    const std::vector<std::string>& Struck(BetType type) const {
        return type == BetType::Trio ? struckTrio : struckTrifecta;
    }
};

// The combinations of the table's rows struck out.
std::vector<std::string> StruckCombinations(const TextGrid& table);
// Strikes out the rows whose combination is listed; true when any was.
bool StrikeCombinations(TextGrid& table, const std::vector<std::string>& combinations);
// True when a staked ticket of the trio or trifecta table was paid.
bool NetHit(const BetBoard& board);

}  // namespace kagiroi
