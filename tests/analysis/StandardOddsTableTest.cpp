#include "analysis/StandardOddsTable.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(StandardOddsTable, HasGapsWhereTheAveragesHaveNoValue) {
    EXPECT_EQ(2.6, StandardOddsTable(18, 1));
    EXPECT_EQ(97.2, StandardOddsTable(18, 18));
    EXPECT_EQ(78.2, StandardOddsTable(17, 15));
    EXPECT_EQ(0.0, StandardOddsTable(17, 14));
    EXPECT_EQ(0.0, StandardOddsTable(17, 16));
    EXPECT_EQ(165.3, StandardOddsTable(17, 17));
    EXPECT_EQ(103.4, StandardOddsTable(10, 10));
    EXPECT_EQ(0.0, StandardOddsTable(10, 11));
    EXPECT_EQ(0.0, StandardOddsTable(9, 1));
}

}  // namespace
}  // namespace kagiroi
