#pragma once

#include "platform/FileSystem.h"
#include "stakes/PopularityRates.h"

#include <optional>
#include <string>

namespace kagiroi {

// The popularity rates are kept in a small text file in the program folder, so that the day
// store is read only when it has changed (after a download) or when the file is missing.
inline constexpr const char* kPopularityRatesFileName = "PopularityRates.txt";

std::string PopularityRatesPath(const std::string& programFolder);

// Counts, for every stored day, the races with a result and the placings of their runners by
// field size (RA 882) and final win popularity (SE 364): wins, first two, first three
// (SE 335). A field size with fewer than kMinRacesForObservedRates races gets the model's rates.
PopularityRateTables TallyDayStore(const std::string& programFolder);

// Tallies the day store and writes the file (atomically). The tables come back even when the
// file could not be written; `failure` then says why.
PopularityRateTables Rebuild(const std::string& programFolder, FileFailure* failure = nullptr);

// The tables from the file, or rebuilt when the file is missing or does not read.
PopularityRateTables LoadOrBuild(const std::string& programFolder);

// The file's text and its reading back; nothing for a text that is not a complete rate file.
std::string RatesFileText(const PopularityRateTables& tables);
std::optional<PopularityRateTables> ParseRatesFile(const std::string& text);

}  // namespace kagiroi
