#include "stakes/KellyStakes.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

namespace {

bool Priced(const KellyTicket& t) {
    return std::isfinite(t.chance) && std::isfinite(t.odds) && t.chance > 0 && t.odds > 0;
}

}  // namespace

std::vector<double> KellyFractions(const std::vector<KellyTicket>& tickets) {
    std::vector<size_t> order;
    for (size_t i = 0; i < tickets.size(); ++i)
        if (Priced(tickets[i])) order.push_back(i);
    auto edge = [&](size_t i) { return tickets[i].chance * tickets[i].odds; };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return edge(a) > edge(b); });

    double chanceSum = 0, inverseOddsSum = 0, reserve = 1;
    std::vector<size_t> taken;
    for (size_t i : order) {
        if (edge(i) <= reserve) break;
        double p = chanceSum + tickets[i].chance, q = inverseOddsSum + 1 / tickets[i].odds;
        // Exclusive chances add up to at most 1 and the market's inverse odds of the taken
        // tickets stay below 1 while the edge holds; rounding must not turn the rate over.
        if (p > 1 || q >= 1) break;
        chanceSum = p;
        inverseOddsSum = q;
        reserve = (1 - chanceSum) / (1 - inverseOddsSum);
        taken.push_back(i);
    }
    std::vector<double> fractions(tickets.size(), 0.0);
    for (size_t i : taken)
        fractions[i] = std::max(0.0, tickets[i].chance - reserve / tickets[i].odds);
    return fractions;
}

std::vector<int64_t> KellyStakes(const std::vector<double>& fractions, double fraction,
                                 int bankroll) {
    std::vector<int64_t> stakes(fractions.size(), 0);
    if (!(fraction > 0) || bankroll <= 0) return stakes;
    for (size_t i = 0; i < fractions.size(); ++i) {
        // The small allowance keeps 0.3 × 0.25 × 10000 at 7 units where the binary fractions
        // fall a hair short of the decimal ones.
        double units = fractions[i] * fraction * bankroll / 100 + 1e-9;
        if (units >= 1) stakes[i] = static_cast<int64_t>(std::floor(units)) * 100;
    }
    return stakes;
}

namespace {

// A stake may move a combination's price, but not take it over: at most this part of the
// money already on it, in whole units.
constexpr double kMostOfCombination = 0.05;

int64_t CapOf(const Pool& pool, double odds) {
    double units = std::floor(kMostOfCombination * MoneyOnCombination(pool, odds) / 100);
    return static_cast<int64_t>(units) * 100;
}

}  // namespace

PooledKellyStakes KellyStakesInPool(const std::vector<KellyTicket>& tickets, const Pool& pool,
                                    double fraction, int bankroll) {
    PooledKellyStakes result;
    result.stakes.assign(tickets.size(), 0);
    std::vector<KellyTicket> diluted = tickets;
    for (int round = 0; round < kDilutionRounds; ++round) {
        for (size_t i = 0; i < tickets.size(); ++i)
            diluted[i].odds =
                DilutedOdds(pool, tickets[i].odds, static_cast<double>(result.stakes[i]));
        std::vector<double> fractions = KellyFractions(diluted);
        if (round == 0)
            result.edge =
                std::any_of(fractions.begin(), fractions.end(), [](double f) { return f > 0; });
        std::vector<int64_t> stakes = KellyStakes(fractions, fraction, bankroll);
        for (size_t i = 0; i < stakes.size() && pool.Known(); ++i) {
            stakes[i] = std::min(stakes[i], CapOf(pool, tickets[i].odds));
            // Stakes only come down from those at the odds as they stand: where whole units
            // would swing between two stakes, the lower one is kept and the rounds end.
            if (round > 0) stakes[i] = std::min(stakes[i], result.stakes[i]);
        }
        bool settled = stakes == result.stakes;
        result.stakes = std::move(stakes);
        if (settled || !pool.Known()) break;
    }
    result.odds.resize(tickets.size());
    for (size_t i = 0; i < tickets.size(); ++i)
        result.odds[i] = DilutedOdds(pool, tickets[i].odds, static_cast<double>(result.stakes[i]));
    return result;
}

}  // namespace kagiroi
