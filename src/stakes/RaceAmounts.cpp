#include "stakes/RaceAmounts.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "stakes/FundAllocation.h"

#include <algorithm>

namespace kagiroi {

namespace {
int Bounded(int64_t amount) {
    return static_cast<int>(std::clamp<int64_t>(amount, 0, kMaxAmount));
}
}  // namespace

int ReadDefaultAmount(const SettingsFile& settings) {
    return Bounded(settings.ReadInteger("KaimeSet", "DefaultAmount", kDefaultRaceAmount));
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
