#include "stakes/RaceAmounts.h"

#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "stakes/FundAllocation.h"

#include <algorithm>

namespace kagiroi {

static_assert(setting::kDefaultAmount.maximum == kMaxAmount, "an amount box holds six digits");

namespace {
int Bounded(int64_t amount) {
    return static_cast<int>(std::clamp<int64_t>(amount, 0, kMaxAmount));
}
}  // namespace

int ReadDefaultAmount(const SettingsFile& settings) {
    return ReadIntSetting(settings, setting::kDefaultAmount);
}

void ResetRaceAmounts(DayBook& book, int defaultAmount) {
    for (RaceSlot& slot : book.slots)
        StoreRaceAmount(slot, defaultAmount);
}

int AmountOfRace(const RaceSlot& race) {
    return AmountFromBox(race.RaceAmount);
}

void StoreRaceAmount(RaceSlot& race, int amount) {
    race.RaceAmount = Format("%d", Bounded(amount));
}

int AmountFromBox(std::string_view text) {
    return Bounded(ToInt64(text));
}

}  // namespace kagiroi
