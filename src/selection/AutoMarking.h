#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"

#include <functional>
#include <vector>

namespace kagiroi {

// The average win odds of popularity rank r in a field of n (0 where the table has none).
using StandardOddsLookup = std::function<double(int fieldSize, int rank)>;

struct AutoMarks {
    int axis = 0;  // 0: no horse runs below the standard odds of its rank, nothing is marked
    std::vector<int> partners;
};

inline constexpr int kAutoPartners = 7;

// The axis is the lowest-odds horse among those whose win odds are below the standard odds of
// their rank (the lower number on equal odds). Partners are the first seven other ranked horses
// in the order: mining top three, then horses below their standard odds, then the rest; within a
// group by odds, then horse number.
AutoMarks ChooseAutoMarks(const RaceSlot& race, const StandardOddsLookup& standardOdds);

// The rules behind UTSFBtnClick: writes the marks into the axis and partner grid. It does not
// clear the mark columns: the race loading and the index-table fill have emptied them.
AutoMarks MarkAxisAndPartners(const RaceSlot& race, const StandardOddsLookup& standardOdds,
                              TextGrid& markGrid);

}  // namespace kagiroi
