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

// The real-time specs served: odds of a race (0B30), results of a day (0B12), mining
// predictions of a day (0B13), change notices of a day (0B14).
bool IsRealTimeSpec(const std::string& dataSpec);
// 0B30 takes a race key (16 digits), the others a date "yyyymmdd".
bool IsValidRealTimeKey(const std::string& dataSpec, const std::string& key);

// The date of a real-time key (its first eight digits).
DateTime KeyDate(const std::string& key);

}  // namespace kagiroi
