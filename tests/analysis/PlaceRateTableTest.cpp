#include "analysis/PlaceRateTable.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(PlaceRateTable, TheThresholdBelongsToTheHigherRate) {
    EXPECT_EQ(75.8, PlaceRateTable(1, 24));
    EXPECT_EQ(56.7, PlaceRateTable(1, 25));
    EXPECT_EQ(10.9, PlaceRateTable(10, 479));
    EXPECT_EQ(5.7, PlaceRateTable(10, 480));
    EXPECT_EQ(0.0, PlaceRateTable(11, 50));
    EXPECT_EQ(0.0, PlaceRateTable(1, 0));
}

}  // namespace
}  // namespace kagiroi
