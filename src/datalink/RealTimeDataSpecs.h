#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kagiroi {

// The readers of the race-day fetches; each stores only its own kinds.
enum class RealTimeReader { Odds, Race, Mining, Change };

// One real-time data spec of the service: what it is asked with, which reader takes it, the
// record kinds the service sends under it and the kinds the program keeps of them.
struct RealTimeDataSpec {
    std::string_view dataSpec;
    RealTimeReader reader;
    size_t keyLength;  // a race key (16) or a date "yyyymmdd" (8)
    std::span<const std::string_view> served;
    std::span<const std::string_view> stored;
};

const RealTimeDataSpec& OddsSpec();     // 0B30: the odds of one race
const RealTimeDataSpec& ResultsSpec();  // 0B12: the results of a day
const RealTimeDataSpec& MiningSpec();   // 0B13: the mining predictions of a day
const RealTimeDataSpec& ChangeSpec();   // 0B14: the change notices of a day

// The data spec of that name, or null when the service does not serve it in real time.
const RealTimeDataSpec* FindRealTimeDataSpec(std::string_view dataSpec);
const RealTimeDataSpec& RealTimeDataSpecOf(RealTimeReader reader);

// Whether the record's kind (its first two bytes) is among the kinds.
bool KindAmong(std::string_view record, std::span<const std::string_view> kinds);

}  // namespace kagiroi
