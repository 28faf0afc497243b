#include "model/MarketWinChances.h"
#include "model/OrderChances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kagiroi {
namespace {

std::vector<double> Odds(std::vector<double> byHorse) {
    byHorse.insert(byHorse.begin(), 0.0);
    return byHorse;
}

double SumOfTrifectas(const OrderChances& chances, int field) {
    double sum = 0;
    for (int a = 1; a <= field; ++a)
        for (int b = 1; b <= field; ++b)
            for (int c = 1; c <= field; ++c)
                sum += chances.FirstThree(a, b, c);
    return sum;
}

// Odds 2.0, 4.0, 4.0 with no take: q = 0.5, 0.25, 0.25.
TEST(MarketWinChances, AlphaPowersTheMarketsShares) {
    std::vector<double> odds = Odds({2.0, 4.0, 4.0});
    std::vector<double> plain = MarketWinChances(odds, 1.0);
    ASSERT_EQ(4u, plain.size());
    EXPECT_NEAR(0.5, plain[1], 1e-12);
    EXPECT_NEAR(0.25, plain[2], 1e-12);
    // α = 2: 0.25, 0.0625, 0.0625 over 0.375.
    std::vector<double> sharp = MarketWinChances(odds, 2.0);
    EXPECT_NEAR(2.0 / 3, sharp[1], 1e-12);
    EXPECT_NEAR(1.0 / 6, sharp[3], 1e-12);
    // The take does not matter: the same odds with 20 % off give the same chances.
    std::vector<double> taken = MarketWinChances(Odds({1.6, 3.2, 3.2}), 2.0);
    EXPECT_NEAR(sharp[1], taken[1], 1e-12);
}

// Three runners, plain Harville: 1-2-3 is 0.5 × 0.25/0.5 × 1.
TEST(OrderChances, ThreeRunnersByHand) {
    OrderChances chances(MarketWinChances(Odds({2.0, 4.0, 4.0}), 1.0), {});
    EXPECT_NEAR(0.25, chances.FirstThree(1, 2, 3), 1e-12);
    EXPECT_NEAR(0.25 * 0.25 / 0.75, chances.FirstThree(2, 3, 1), 1e-12);
    EXPECT_NEAR(1.0, chances.Trio(3, 1, 2), 1e-12);
}

// Four runners 0.4, 0.3, 0.2, 0.1 (odds 2.0, 8/3, 4.0, 8.0: a 20 % take), λ = 2, τ = 0.5.
TEST(OrderChances, FourRunnersDiscountedByHand) {
    OrderChances chances(MarketWinChances(Odds({2.0, 8.0 / 3, 4.0, 8.0}), 1.0), {1.0, 2.0, 0.5});
    // 2 first 0.3; 1 second 0.16/(0.16+0.04+0.01); 3 third √0.2/(√0.2+√0.1).
    double second = 0.16 / 0.21, third = 1 / (1 + std::sqrt(0.5));
    EXPECT_NEAR(0.3 * second * third, chances.FirstThree(2, 1, 3), 1e-12);
    // 4 first 0.1; 3 second 0.04/(0.16+0.09+0.04); 2 third √0.3/(√0.3+√0.4).
    EXPECT_NEAR(0.1 * (0.04 / 0.29) * (std::sqrt(0.3) / (std::sqrt(0.3) + std::sqrt(0.4))),
                chances.FirstThree(4, 3, 2), 1e-12);
    double trio = 0;
    for (auto o : {std::array{1, 2, 3}, {1, 3, 2}, {2, 1, 3}, {2, 3, 1}, {3, 1, 2}, {3, 2, 1}})
        trio += chances.FirstThree(o[0], o[1], o[2]);
    EXPECT_NEAR(trio, chances.Trio(2, 3, 1), 1e-15);
    EXPECT_NEAR(1.0, SumOfTrifectas(chances, 4), 1e-12);
}

// Odds as the import leaves them: 0 (no votes), -1 cancelled, -2 blank, 9999.9, not a number.
TEST(OrderChances, BadOddsGiveNoNegativeOrNanChance) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        std::vector<double> odds;
        int priced;
    };
    const Case cases[] = {
        {"cancelled and blank runners", {3.0, -1.0, 5.0, -2.0, 0.0, 2.5}, 3},
        {"a runner at 9999.9", {1.1, 9999.9, 8.0, 30.0, 12.0}, 5},
        {"odds that are not a number", {2.0, nan, 6.0, 9.0}, 3},
        {"one runner priced", {0.0, 4.0, -1.0}, 1},
        {"two runners priced", {0.0, 4.0, 1.5}, 2},
        {"nothing priced", {0.0, -1.0, -2.0}, 0},
    };
    for (const Case& c : cases)
        for (ModelParameters model :
             {ModelParameters{}, ModelParameters{0.3, 2.0, 0.3}, ModelParameters{2.0, 0.3, 2.0}}) {
            std::vector<double> win = MarketWinChances(Odds(c.odds), model.alpha);
            if (c.priced == 0) {
                EXPECT_TRUE(win.empty()) << c.what;
                continue;
            }
            double sum = 0;
            for (double p : win) {
                EXPECT_TRUE(p >= 0 && std::isfinite(p)) << c.what << " " << p;
                sum += p;
            }
            EXPECT_NEAR(1.0, sum, 1e-9) << c.what;
            OrderChances chances(win, model);
            int field = static_cast<int>(c.odds.size());
            for (int a = 1; a <= field; ++a)
                for (int b = 1; b <= field; ++b)
                    for (int d = 1; d <= field; ++d) {
                        double p = chances.FirstThree(a, b, d);
                        EXPECT_TRUE(p >= 0 && std::isfinite(p)) << c.what << a << b << d;
                    }
            // The orders of the priced runners make the whole; fewer than three make none.
            EXPECT_NEAR(c.priced >= 3 ? 1.0 : 0.0, SumOfTrifectas(chances, field), 1e-9) << c.what;
        }
}

}  // namespace
}  // namespace kagiroi
