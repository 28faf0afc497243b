#pragma once

#include "platform/TextGrid.h"
#include "racing/BetType.h"

#include <vector>

namespace kagiroi::test {

struct Ticket {
    const char* strike;
    const char* combination;
    const char* odds;
    const char* stake;
};

// A bet table of the type holding the tickets in order, numbered from 1.
TextGrid TableOf(BetType type, const std::vector<Ticket>& tickets);

}  // namespace kagiroi::test
