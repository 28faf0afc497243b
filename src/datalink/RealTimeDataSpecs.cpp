#include "datalink/RealTimeDataSpecs.h"

#include <algorithm>
#include <array>

namespace kagiroi {

namespace {

constexpr std::array<std::string_view, 6> kOddsServed{"O1", "O2", "O3", "O4", "O5", "O6"};
constexpr std::array<std::string_view, 3> kOddsStored{"O1", "O5", "O6"};
constexpr std::array<std::string_view, 3> kRaceKinds{"RA", "SE", "HR"};
constexpr std::array<std::string_view, 1> kMiningKinds{"DM"};
constexpr std::array<std::string_view, 5> kChangeServed{"WE", "AV", "JC", "TC", "CC"};
constexpr std::array<std::string_view, 2> kChangeStored{"WE", "TC"};

const std::array<RealTimeDataSpec, 4> kSpecs{{
    {"0B30", RealTimeReader::Odds, 16, kOddsServed, kOddsStored},
    {"0B12", RealTimeReader::Race, 8, kRaceKinds, kRaceKinds},
    {"0B13", RealTimeReader::Mining, 8, kMiningKinds, kMiningKinds},
    {"0B14", RealTimeReader::Change, 8, kChangeServed, kChangeStored},
}};

}  // namespace

const RealTimeDataSpec& OddsSpec() {
    return RealTimeDataSpecOf(RealTimeReader::Odds);
}
const RealTimeDataSpec& ResultsSpec() {
    return RealTimeDataSpecOf(RealTimeReader::Race);
}
const RealTimeDataSpec& MiningSpec() {
    return RealTimeDataSpecOf(RealTimeReader::Mining);
}
const RealTimeDataSpec& ChangeSpec() {
    return RealTimeDataSpecOf(RealTimeReader::Change);
}

const RealTimeDataSpec* FindRealTimeDataSpec(std::string_view dataSpec) {
    auto it = std::find_if(kSpecs.begin(), kSpecs.end(),
                           [&](const RealTimeDataSpec& s) { return s.dataSpec == dataSpec; });
    return it == kSpecs.end() ? nullptr : &*it;
}

const RealTimeDataSpec& RealTimeDataSpecOf(RealTimeReader reader) {
    return *std::find_if(kSpecs.begin(), kSpecs.end(),
                         [&](const RealTimeDataSpec& s) { return s.reader == reader; });
}

bool KindAmong(std::string_view record, std::span<const std::string_view> kinds) {
    std::string_view kind = record.substr(0, 2);
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace kagiroi
