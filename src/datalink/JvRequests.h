#pragma once

#include "platform/DateTime.h"

#include <optional>
#include <string>

namespace kagiroi {

// Checks of the arguments every data service applies before it opens anything.

// The data asked for by a download: blocks of four letters, each a known data kind, RACE among
// them.
bool IsValidStoredDataSpec(const std::string& dataSpec);
// "yyyymmddhhnnss" of a real moment.
std::optional<DateTime> ParseFromDate(const std::string& fromDate);
// 1 normal, 2 this week, 3 setup, 4 setup without its dialog.
bool IsValidOption(int option);
bool IsSetupOption(int option);

// One of the RealTimeDataSpecs.
bool IsRealTimeSpec(const std::string& dataSpec);
// The data spec's key: a race key or a date "yyyymmdd" of a real day.
bool IsValidRealTimeKey(const std::string& dataSpec, const std::string& key);

// The date of a real-time key (its first eight digits).
DateTime KeyDate(const std::string& key);

}  // namespace kagiroi
