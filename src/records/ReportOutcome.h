#pragma once

#include "records/DayReplay.h"

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// What a report command did: its text, the files it wrote, and the failure it told.
struct ReportOutcome {
    bool ran = false;  // false when there was nothing to report on (no day, or a No)
    std::vector<std::string> lines;
    std::vector<std::string> written;
    std::optional<std::string> failure;
    ReplaySummary replay;
};

}  // namespace kagiroi
