#include "odds/OddsDigits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace kagiroi {
namespace {

// The field followed by bytes that are not part of it, so that eight bytes can be read.
std::string Padded(const std::string& field, char after = '9') {
    return field + std::string(kDigitChunk, after);
}

TEST(OddsDigits, ReadsEveryWidthWithLeadingZerosAndIgnoresTheBytesAfter) {
    uint64_t state = 11;
    for (int width = 1; width <= 8; ++width) {
        uint32_t limit = 1;
        for (int k = 0; k < width; ++k)
            limit *= 10;
        for (int n = 0; n < 2000; ++n) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            uint32_t expected = n < 3 ? (n == 0   ? 0
                                         : n == 1 ? 1
                                                  : limit - 1)
                                      : static_cast<uint32_t>((state >> 24) % limit);
            char text[16];
            std::snprintf(text, sizeof text, "%0*u", width, expected);
            uint32_t value = 12345;
            for (char after : {'9', ' ', '-', '\xff'}) {
                ASSERT_TRUE(ReadDigitChunk(Padded(text, after).data(), width, value)) << text;
                ASSERT_EQ(expected, value) << text << " width " << width;
            }
        }
    }
}

TEST(OddsDigits, AnyByteThatIsNoDigitFailsTheField) {
    // Neighbours of '0' and '9', blanks, the cancelled marks and Shift_JIS lead bytes.
    const char others[] = {'/',    ':',    ' ',    '-',    '*', '+',         '.',    '\x00',
                           '\x81', '\x82', '\xff', '\x7f', 'A', '\x30' + 10, '\xb0', '\xb9'};
    for (int width = 1; width <= 8; ++width)
        for (int at = 0; at < width; ++at)
            for (char other : others) {
                std::string field(static_cast<size_t>(width), '5');
                field[static_cast<size_t>(at)] = other;
                uint32_t value = 0;
                EXPECT_FALSE(ReadDigitChunk(Padded(field).data(), width, value))
                    << "width " << width << " byte " << at << " = " << int(other);
            }
}

}  // namespace
}  // namespace kagiroi
