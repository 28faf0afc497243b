#include "datalink/JvRequests.h"

#include "datalink/RealTimeDataSpecs.h"
#include "platform/TextField.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kagiroi {

namespace {

constexpr std::array<std::string_view, 20> kStoredBlocks = {
    "TOKU", "RACE", "DIFF", "BLOD", "SNAP", "SLOP", "WOOD", "YSCH", "HOSE", "HOYU",
    "COMM", "MING", "DIFN", "BLDN", "SNPN", "HOSN", "TCOV", "RCOV", "TCVN", "RCVN"};

constexpr int kBlock = 4;

std::optional<DateTime> ParseDateDigits(std::string_view digits) {
    if (digits.size() != 8 || !IsDigits(digits)) return std::nullopt;
    int year = ToInt(digits.substr(0, 4));
    int month = ToInt(digits.substr(4, 2));
    int day = ToInt(digits.substr(6, 2));
    if (!IsValidDate(year, month, day)) return std::nullopt;
    return DateTime{year, month, day, 0, 0, 0};
}

}  // namespace

bool IsValidStoredDataSpec(const std::string& dataSpec) {
    if (dataSpec.empty() || dataSpec.size() % kBlock != 0) return false;
    bool race = false;
    for (size_t i = 0; i < dataSpec.size(); i += kBlock) {
        std::string_view block(dataSpec.data() + i, kBlock);
        if (std::find(kStoredBlocks.begin(), kStoredBlocks.end(), block) == kStoredBlocks.end())
            return false;
        race = race || block == "RACE";
    }
    return race;
}

std::optional<DateTime> ParseFromDate(const std::string& fromDate) {
    if (fromDate.size() != 14 || !IsDigits(fromDate)) return std::nullopt;
    std::optional<DateTime> date = ParseDateDigits(std::string_view(fromDate).substr(0, 8));
    if (!date) return std::nullopt;
    int hour = ToInt(fromDate.substr(8, 2));
    int minute = ToInt(fromDate.substr(10, 2));
    int second = ToInt(fromDate.substr(12, 2));
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    date->hour = hour;
    date->minute = minute;
    date->second = second;
    return date;
}

bool IsValidOption(int option) {
    return option >= 1 && option <= 4;
}

bool IsSetupOption(int option) {
    return option == 3 || option == 4;
}

bool IsRealTimeSpec(const std::string& dataSpec) {
    return FindRealTimeDataSpec(dataSpec) != nullptr;
}

bool IsValidRealTimeKey(const std::string& dataSpec, const std::string& key) {
    const RealTimeDataSpec* entry = FindRealTimeDataSpec(dataSpec);
    if (entry == nullptr || key.size() != entry->keyLength || !IsDigits(key)) return false;
    return ParseDateDigits(std::string_view(key).substr(0, 8)).has_value();
}

DateTime KeyDate(const std::string& key) {
    return ParseDateDigits(std::string_view(key).substr(0, 8)).value_or(DateTime{});
}

}  // namespace kagiroi
