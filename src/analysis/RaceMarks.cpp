#include "analysis/RaceMarks.h"

#include "analysis/RunnerIndices.h"
#include "platform/TextField.h"

namespace kagiroi {

const char kMarkHolds[] = "○";

const std::array<TextSetting, 6> kStrengthSettings = {
    setting::kStrong1First, setting::kStrong1Second, setting::kStrong2Second,
    setting::kStrong2Third, setting::kStrong3Third,  setting::kStrong3Fourth,
};

StrengthThresholds StrengthThresholdsFromTexts(const std::array<std::string, 6>& texts) {
    return {ToDouble(texts[0]), ToDouble(texts[1]), ToDouble(texts[2]),
            ToDouble(texts[3]), ToDouble(texts[4]), ToDouble(texts[5])};
}

namespace {

// Some runner with win rank `rank` whose odds pass `test`.
template <typename Test>
bool SomeRunnerOfRank(const RaceSlot& slot, int rank, Test test) {
    int runners = RegisteredRunners(slot);
    for (int k = 1; k <= runners; ++k)
        if (slot.Odds.WinRank[static_cast<size_t>(k)] == rank &&
            test(slot.Odds.WinOdds[static_cast<size_t>(k)]))
            return true;
    return false;
}

bool MarkHolds(const RaceSlot& slot, int rank, double atMost, double nextAtLeast) {
    return SomeRunnerOfRank(slot, rank, [=](double odds) { return odds <= atMost; }) &&
           SomeRunnerOfRank(slot, rank + 1, [=](double odds) { return odds >= nextAtLeast; });
}

}  // namespace

RaceMarks ComputeRaceMarks(const RaceSlot& slot, const StrengthThresholds& thresholds) {
    bool mark1 = MarkHolds(slot, 1, thresholds.favouriteAtMost1, thresholds.secondAtLeast1);
    bool mark2 = MarkHolds(slot, 2, thresholds.secondAtMost2, thresholds.thirdAtLeast2);
    bool mark3 = MarkHolds(slot, 3, thresholds.thirdAtMost3, thresholds.fourthAtLeast3);
    RaceMarks marks;
    if (mark1) marks.strong1 = kMarkHolds;
    if (mark2) marks.strong2 = kMarkHolds;
    if (mark3) marks.strong3 = kMarkHolds;
    if (!mark1 && !mark2 && !mark3) marks.strongE = kMarkHolds;
    return marks;
}

}  // namespace kagiroi
