#include "stakes/KellyStakes.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(KellyStakes, TwoTicketsWithAnEdgeAndOneWithoutToTheYen) {
    // Edges 1.5, 1.2, 0.5. Taking the first: R = 0.5 / (1 − 1/3) = 0.75; the second beats it:
    // R = 0.3 / 0.5 = 0.6; the third (0.5) does not. Shares 0.5 − 0.6/3 = 0.3 and
    // 0.2 − 0.6/6 = 0.1; a quarter of 10000 yen gives 750 and 250, in whole units 700 and 200.
    // Given in another order, the result follows each ticket.
    std::vector<KellyTicket> tickets = {{0.1, 5.0}, {0.5, 3.0}, {0.2, 6.0}};
    std::vector<double> fractions = KellyFractions(tickets);
    ASSERT_EQ(3u, fractions.size());
    EXPECT_EQ(0.0, fractions[0]);
    EXPECT_NEAR(0.3, fractions[1], 1e-12);
    EXPECT_NEAR(0.1, fractions[2], 1e-12);
    EXPECT_EQ((std::vector<int64_t>{0, 700, 200}), KellyStakes(fractions, 0.25, 10000));
}

TEST(KellyStakes, NoEdgeNoStakeAndNoStakeIsNegativeOrBelowOneUnit) {
    // A fair or worse market has no edge anywhere; no odds or no chance is no ticket.
    EXPECT_EQ((std::vector<double>{0, 0, 0}), KellyFractions({{0.5, 2.0}, {0.2, 4.0}, {0.1, 0.0}}));
    EXPECT_EQ((std::vector<double>{0}), KellyFractions({{0.0, 50.0}}));

    const std::vector<std::vector<KellyTicket>> nets = {
        {{0.30, 4.0}, {0.25, 3.5}, {0.20, 6.0}, {0.10, 8.0}},
        {{0.02, 80.0}, {0.015, 120.0}, {0.01, 60.0}, {0.5, 1.8}},
        {{0.9, 1.2}, {0.05, 30.0}},
    };
    for (const auto& net : nets)
        for (double fraction : {0.01, 0.25, 1.0})
            for (int bankroll : {100, 999, 3000, 999999}) {
                std::vector<int64_t> stakes = KellyStakes(KellyFractions(net), fraction, bankroll);
                int64_t total = 0;
                for (int64_t stake : stakes) {
                    EXPECT_TRUE(stake == 0 || (stake >= 100 && stake % 100 == 0))
                        << stake << " of " << bankroll << " at " << fraction;
                    total += stake;
                }
                EXPECT_LE(total, fraction * bankroll) << bankroll << " at " << fraction;
            }
}

}  // namespace
}  // namespace kagiroi
