#include "daystore/RecordLayout.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// Every runner table has 18 rows: a damaged count must not size one past them.
TEST(RecordFields, RegisteredRunnersReadsPosition882HeldToEighteen) {
    const std::pair<const char*, int> cases[] = {
        {"16", 16}, {"18", 18}, {"19", 18}, {"99", 18}, {"01", 1}, {"  ", 0}, {"1x", 0}, {"-1", 0},
    };
    for (const auto& [text, expected] : cases) {
        std::string ra = test::RecordBuilder("RA", 1272).Put(882, text).Text();
        EXPECT_EQ(expected, RegisteredRunners(ra)) << "\"" << text << "\"";
    }
    EXPECT_EQ(0, RegisteredRunners(std::string("RA")));  // a short record reads as blanks
}

}  // namespace
}  // namespace kagiroi
