#pragma once

#include "odds/OddsFiles.h"

#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

// ".jvO1", ".jvO5", ".jvO6": the extension of a kind's day file and time-series file.
const char* OddsExtension(OddsKind kind);
// The kind of an odds record by its first two bytes; nothing for any other record.
std::optional<OddsKind> OddsKindOf(std::string_view record);

// The time-series file of a race and kind: folder/yyyymmdd/cckkddrr plus the extension, taken
// from the race key at position 12 of `raceRecord` (a race record or an odds record of the
// race). Nothing when those fields are not digits, so a blank slot or a damaged record never
// makes a name.
std::optional<std::string> TimeSeriesFile(const std::string& folder, std::string_view raceRecord,
                                          OddsKind kind);

// Kagiroi's own history of the odds announcements it fetched, in the time-series layout.
std::string OddsHistoryFolder(const std::string& programFolder);

}  // namespace kagiroi
