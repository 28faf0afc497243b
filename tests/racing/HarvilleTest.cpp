#include "racing/Harville.h"

#include <gtest/gtest.h>

#include <vector>

namespace kagiroi {
namespace {

TEST(Harville, TheSixOrdersOfAThreeRunnerFieldSumToOne) {
    const std::vector<double> win = {0.0, 0.5, 0.3, 0.2};
    const int orders[6][3] = {{1, 2, 3}, {1, 3, 2}, {2, 1, 3}, {2, 3, 1}, {3, 1, 2}, {3, 2, 1}};
    double sum = 0;
    for (const auto& o : orders)
        sum += HarvilleFirstThree(win, o[0], o[1], o[2]);
    EXPECT_NEAR(1.0, sum, 1e-12);
    // 0.5 · 0.3/0.5 · 0.2/0.2: the last horse left is sure of third.
    EXPECT_NEAR(0.3, HarvilleFirstThree(win, 1, 2, 3), 1e-12);
    EXPECT_NEAR(1.0, HarvilleTrio(win, 3, 1, 2), 1e-12);
}

TEST(Harville, RepeatedOrUnknownHorsesHaveNoChance) {
    const std::vector<double> win = {0.0, 0.5, 0.3, 0.2};
    const int cases[][3] = {{1, 1, 2}, {1, 2, 2}, {2, 1, 2}, {0, 1, 2}, {1, 2, 4}, {-1, 2, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(0.0, HarvilleFirstThree(win, c[0], c[1], c[2])) << c[0] << c[1] << c[2];
        EXPECT_EQ(0.0, HarvilleTrio(win, c[0], c[1], c[2])) << c[0] << c[1] << c[2];
    }
    // A sure winner leaves nothing to share out for second.
    EXPECT_EQ(0.0, HarvilleFirstTwo(std::vector<double>{0.0, 1.0, 0.0}, 1, 2));
}

}  // namespace
}  // namespace kagiroi
