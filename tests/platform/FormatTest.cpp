#include "platform/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace kagiroi {
namespace {

// Yen are grouped by three with a comma whatever the user's locale (a German one groups with
// a point and would make 32,080 read as 32.08).
TEST(GroupedDigits, CommasByThreeUnderAnyLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const std::pair<long long, std::string> cases[] = {
        {0, "0"}, {999, "999"}, {32080, "32,080"}, {-1234567, "-1,234,567"}, {-100, "-100"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(text, GroupedDigits(value)) << (german ? "de_DE" : "C");
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace kagiroi
