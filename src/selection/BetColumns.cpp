#include "selection/BetColumns.h"

namespace kagiroi {

namespace {

BetColumns Layout(int popularity, int rateCount) {
    BetColumns c;
    c.popularity = popularity;
    c.stake = popularity + 1;
    c.expectedPayout = popularity + 2;
    c.share = popularity + 3;
    c.rateCount = rateCount;
    for (int k = 0; k < rateCount; ++k)
        c.rates[static_cast<size_t>(k)] = popularity + 4 + k;
    c.hitPayout = popularity + 4 + rateCount;
    c.hitReturn = c.hitPayout + 1;
    c.hitPopularity = c.hitPayout + 2;
    c.columnCount = c.hitPopularity + 1;
    return c;
}

}  // namespace

int HorsesPerTicket(BetType type) {
    switch (type) {
        case BetType::Win:
        case BetType::Place:
            return 1;
        case BetType::Trio:
        case BetType::Trifecta:
            return 3;
        default:
            return 2;
    }
}

const BetColumns& ColumnsOf(BetType type) {
    static const BetColumns kSingle = Layout(4, 1);
    static const BetColumns kPair = Layout(5, 2);
    static const BetColumns kTriple = Layout(5, 3);
    switch (HorsesPerTicket(type)) {
        case 1:
            return kSingle;
        case 2:
            return kPair;
        default:
            return kTriple;
    }
}

}  // namespace kagiroi
