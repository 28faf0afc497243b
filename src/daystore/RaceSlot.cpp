#include "daystore/RaceSlot.h"

#include "platform/TextField.h"

namespace kagiroi {

int PayoutEntryCount(BetType type) {
    static const std::array<int, 8> kCounts = {3, 5, 3, 3, 7, 6, 3, 6};
    return kCounts[static_cast<size_t>(type)];
}

RaceSlot::RaceSlot() {
    Blank();
}

void RaceSlot::Blank() {
    RaceInfo.assign(kRaLength, ' ');
    for (auto& runner : RunnerInfo)
        runner.assign(kSeLength, ' ');
    HrCopy.assign(kHrLength, ' ');
    PayoutConfirmed = false;
    FetchTimes = {};
    O1Copy.assign(kO1Length, ' ');
    O5Copy.assign(kO5Length, ' ');
    O6Copy.assign(kO6Length, ' ');
    Odds = OddsBook{};
    Indices = RunnerIndices{};
    DMCopy.assign(kDmLength, ' ');
    Mining = MiningBlock{};
    Paid = Payouts{};
    PayoutAttached = false;
    RaceAmount.clear();
}

bool RaceSlot::IsEmpty() const {
    return IsBlank(RaceInfo) || FieldAt(RaceInfo, RaceHead::Year) == "0000";
}

void DayBook::BlankAll() {
    for (auto& slot : slots)
        slot.Blank();
}

}  // namespace kagiroi
