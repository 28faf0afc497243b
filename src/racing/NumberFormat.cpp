#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <algorithm>
#include <array>

namespace kagiroi {

namespace {

constexpr std::array<std::string_view, 18> kCircledNumbers = {
    "①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱",
};

constexpr int kLowestHorse = 1;
constexpr int kHighestHorse = 18;

}  // namespace

std::string CircledNumber(std::string_view number) {
    int value = ToInt(number);
    if (value < 1 || value > static_cast<int>(kCircledNumbers.size())) return "－";
    return std::string(kCircledNumbers[static_cast<size_t>(value - 1)]);
}

std::string FormatIntField(std::string_view field) {
    // Read as 64 bits: prize and money fields are wider than an int's nine safe digits.
    int64_t value = ToInt64(field);
    int width = static_cast<int>(field.size());
    if (value == 0) return Spaces(field.size());
    return Format("%*lld", width, static_cast<long long>(value));
}

std::string TrioText(int a, int b, int c) {
    std::array<int, 3> horses = {a, b, c};
    std::ranges::sort(horses);
    if (horses[0] == horses[1] || horses[1] == horses[2]) return {};
    if (horses[0] < kLowestHorse || horses[2] > kHighestHorse) return {};
    return CombinationText(horses[0], horses[1], horses[2]);
}

}  // namespace kagiroi
