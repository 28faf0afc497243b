#include "records/ReplaySnapshot.h"

namespace kagiroi {

ReplaySource ReplaySnapshot::Source() const {
    return {programFolder, settings, rates, oddsMinutesBefore, amount, oddsHistory, bettime};
}

ReplaySnapshot SnapshotOf(std::vector<ReplayDay> days, const ReplaySource& source) {
    return {std::move(days),          source.programFolder, source.settings,    source.rates,
            source.oddsMinutesBefore, source.amount,        source.oddsHistory, source.bettime};
}

}  // namespace kagiroi
