#pragma once

#include "racing/BetType.h"

#include <array>

namespace kagiroi {

// Where each field of a ticket row sits in the table of a bet type. The single-horse tables
// have no win-popularity column, the pair tables two rate columns, the triple tables three.
struct BetColumns {
    int strike = 0;       // "消" or blank
    int number = 1;       // ticket number, "%2d"
    int combination = 2;  // " 1- 2- 3"; the horse number alone in a single-horse table
    int odds = 3;
    int popularity = 0;  // the popularity text the rates are read from
    int stake = 0;
    int expectedPayout = 0;
    int share = 0;  // that payout as a percentage of the total stake
    std::array<int, 3> rates{};
    int rateCount = 0;
    int hitPayout = 0;
    int hitReturn = 0;
    int hitPopularity = 0;
    int columnCount = 0;
};

const BetColumns& ColumnsOf(BetType type);

// Horses (or brackets) in a combination of the type: 1, 2 or 3.
int HorsesPerTicket(BetType type);

}  // namespace kagiroi
