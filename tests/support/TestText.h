#pragma once

#include <ostream>
#include <string>

namespace kagiroi::test {

// Wraps a Shift_JIS text so that a failing assertion prints it readably (as UTF-8), with its
// byte length, instead of escaped bytes.
struct SjisText {
    std::string bytes;
    SjisText(std::string b) : bytes(std::move(b)) {}
    SjisText(const char* b) : bytes(b) {}
    friend bool operator==(const SjisText&, const SjisText&) = default;
};
void PrintTo(const SjisText& text, std::ostream* os);

}  // namespace kagiroi::test

// EXPECT_EQ for Shift_JIS texts.
#define EXPECT_TEXT_EQ(expected, actual) \
    EXPECT_EQ(::kagiroi::test::SjisText(expected), ::kagiroi::test::SjisText(actual))
#define ASSERT_TEXT_EQ(expected, actual) \
    ASSERT_EQ(::kagiroi::test::SjisText(expected), ::kagiroi::test::SjisText(actual))
