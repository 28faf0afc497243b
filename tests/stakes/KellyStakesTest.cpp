#include "stakes/KellyStakes.h"

#include "odds/OddsTestRecords.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(KellyStakesInPool, TwoTicketsDilutedByTheirOwnStakesWorkedByHand) {
    // Chances 0.2 and 0.1 at 6.0 and 12.0, full Kelly of 10000 yen, trio take 25 %. As they
    // stand: R = 0.7 / 0.75, shares 0.0444 and 0.0222, stakes 400 and 200.
    // Pool 100000: V = 12500 and 6250. At 400 and 200 the odds become 75300/12900 = 5.837 and
    // 75150/6450 = 11.651: shares 0.0386 and 0.0191, stakes 300 and 100. At 300 and 100 they are
    // 75225/12800 and 75075/6350, which would give 400 and 200 again: the lower stakes stay.
    // Pool 20000: V = 2500 and 1250 cap the stakes at 5 %: 100 and 0.
    const std::vector<KellyTicket> tickets = {{0.2, 6.0}, {0.1, 12.0}};
    struct Case {
        double pool;
        std::vector<int64_t> stakes;
        std::vector<double> odds;
    };
    const Case cases[] = {
        {0, {400, 200}, {6.0, 12.0}},
        {100000, {300, 100}, {75225.0 / 12800, 75075.0 / 6350}},
        {20000, {100, 0}, {0.75 * 20100 / 2600, 12.0}},
    };
    for (const Case& c : cases) {
        PooledKellyStakes got = KellyStakesInPool(tickets, {c.pool, 0.25}, 1.0, 10000);
        EXPECT_EQ(c.stakes, got.stakes) << c.pool;
        ASSERT_EQ(2u, got.odds.size());
        for (size_t i = 0; i < 2; ++i)
            EXPECT_NEAR(c.odds[i], got.odds[i], 1e-12) << c.pool << " " << i;
        EXPECT_TRUE(got.edge);
    }
}

TEST(KellyStakesInPool, BadPoolsAndOddsGiveNoNegativeStakeAndNoneOffTheStep) {
    // A pool total of zeros or not digits is no pool; digits are 100-yen units.
    RaceSlot race;
    auto trioPool = [&](const std::string& units) {
        race.O5Copy = test::CombinationOddsBuilder::Trio("05", 11);
        race.O5Copy.replace(12281 - 1, 11, units);
        return PoolOf(BetType::Trio, race);
    };
    EXPECT_FALSE(trioPool("00000000000").Known());
    EXPECT_FALSE(trioPool("0001234567a").Known());
    EXPECT_FALSE(trioPool("           ").Known());
    EXPECT_DOUBLE_EQ(123456700.0, trioPool("00001234567").totalYen);
    EXPECT_FALSE(PoolOf(BetType::Trifecta, race).Known());  // a blank record

    // Odds of 0, cancelled (-1), blank (-2), 9999.9 and a NaN chance, among sound tickets.
    const std::vector<KellyTicket> net = {{0.3, 0.0},    {0.3, -1.0}, {0.2, -2.0},
                                          {0.2, 9999.9}, {NAN, 8.0},  {0.25, 6.0}};
    for (double pool : {0.0, 100.0, 1e4, 1e6, 4e7})
        for (int bankroll : {0, 100, 100000, 99999999}) {
            PooledKellyStakes got = KellyStakesInPool(net, {pool, 0.275}, 0.25, bankroll);
            for (size_t i = 0; i < net.size(); ++i) {
                int64_t stake = got.stakes[i];
                EXPECT_TRUE(stake == 0 || (stake >= 100 && stake % 100 == 0))
                    << pool << " " << bankroll << " " << i << ": " << stake;
                if (i < 3) {
                    EXPECT_EQ(0, stake) << "unpriced ticket " << i;
                }
            }
        }
}

}  // namespace
}  // namespace kagiroi
