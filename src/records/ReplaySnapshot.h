#pragma once

#include "records/DayReplay.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// A replay's inputs held by value: the days, the settings and the rates as they were when the
// replay started, so that a worker thread reads nothing the window may change meanwhile (a
// settings dialog, a day load or a timer's fetch on the window's thread).
struct ReplaySnapshot {
    std::vector<ReplayDay> days;
    std::string programFolder;
    RaceSettings settings;
    PopularityRateTables rates;
    int oddsMinutesBefore = 10;
    std::optional<int> amount;
    std::optional<std::string> oddsHistory;
    bool bettime = false;

    // A source over the snapshot's own copies: valid while the snapshot lives.
    ReplaySource Source() const;
};

// Takes a snapshot of the stored days from..to (yyyymmdd), on the window's thread.
using ReplaySnapshotSource =
    std::function<ReplaySnapshot(const std::string& from, const std::string& to)>;

ReplaySnapshot SnapshotOf(std::vector<ReplayDay> days, const ReplaySource& source);

}  // namespace kagiroi
