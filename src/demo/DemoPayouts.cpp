#include "demo/DemoPayouts.h"

#include "demo/DemoHarville.h"
#include "demo/DemoWinners.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace kagiroi {

namespace {

constexpr int64_t kNoCap = std::numeric_limits<int64_t>::max();

// Payout of one of `winners` combinations of a pool, in yen per 100.
int64_t PoolPayoutYen(double returnRate, double share, double winningShares, int winners) {
    int64_t tenths = winners == 1 ? OddsTenths(returnRate, share, kNoCap)
                                  : SharedPoolTenths(returnRate, winningShares, winners, share);
    return tenths * 10;
}

// Popularity of a combination among every combination of its kind, by share: 1 the most
// backed; equal shares share a rank.
int PopularityAmong(double share, const std::vector<double>& allShares) {
    int rank = 1;
    for (double s : allShares)
        if (s > share) ++rank;
    return rank;
}

template <typename Combo>
std::vector<DemoPayout> PoolPayouts(const std::vector<Combo>& paid, double returnRate,
                                    const std::function<double(const Combo&)>& shareOf,
                                    const std::function<int(const Combo&, double)>& popularityOf) {
    std::vector<double> shares;
    for (const Combo& c : paid)
        shares.push_back(shareOf(c));
    double winning = SumOfShares(shares);
    int m = static_cast<int>(paid.size());
    std::vector<DemoPayout> payouts;
    for (size_t i = 0; i < paid.size(); ++i) {
        DemoPayout p;
        p.numbers.assign(paid[i].begin(), paid[i].end());
        p.yen = PoolPayoutYen(returnRate, shares[i], winning, m);
        p.popularity = popularityOf(paid[i], shares[i]);
        payouts.push_back(p);
    }
    return payouts;
}

using Single = std::array<int, 1>;

std::vector<Single> Singles(const std::vector<int>& horses) {
    std::vector<Single> list;
    for (int h : horses)
        list.push_back({h});
    return list;
}

// Shares of every pair of runners under `share`, for ranking.
std::vector<double> AllPairShares(int n, bool ordered,
                                  const std::function<double(int, int)>& share) {
    std::vector<double> all;
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            if (a != b && (ordered || a < b)) all.push_back(share(a, b));
    return all;
}

}  // namespace

DemoPayouts ComputeDemoPayouts(const DemoRace& race, const DemoOddsBook& book) {
    DemoPayouts out;
    DemoWinners w = WinnersOf(race);
    DemoHarville harville(book.winShares, book.registered);
    int n = book.registered;
    auto at = [&](BetType t) -> std::vector<DemoPayout>& {
        return out.byType[static_cast<size_t>(t)];
    };

    at(BetType::Win) = PoolPayouts<Single>(
        Singles(w.win), kWinReturn,
        [&](const Single& s) { return book.winShares[static_cast<size_t>(s[0])]; },
        [&](const Single& s, double) { return book.win[static_cast<size_t>(s[0])].popularity; });
    // Every paid place shares the pool, three ways (two with few starters) or more after a dead
    // heat.
    std::vector<Single> places = Singles(w.place);
    std::vector<double> placeShares;
    for (const Single& s : places)
        placeShares.push_back(book.placeShares[static_cast<size_t>(s[0])]);
    double placeWinning = SumOfShares(placeShares);
    int placeWays = std::max(book.placesPaid, static_cast<int>(places.size()));
    for (size_t i = 0; i < places.size(); ++i) {
        int h = places[i][0];
        at(BetType::Place)
            .push_back(
                {{h},
                 SharedPoolTenths(kPlaceReturn, placeWinning, placeWays, placeShares[i]) * 10,
                 book.place[static_cast<size_t>(h)].popularity});
    }

    out.bracketSold = book.bracketSold;
    if (book.bracketSold) {
        auto bracketShare = [&](const DemoPair& pair) {
            double p = 0.0;
            for (const DemoRunner& a : race.card.runners)
                for (const DemoRunner& b : race.card.runners)
                    if (a.horse < b.horse && ((a.bracket == pair[0] && b.bracket == pair[1]) ||
                                              (a.bracket == pair[1] && b.bracket == pair[0])))
                        p += harville.Quinella(a.horse, b.horse);
            return p;
        };
        at(BetType::BracketQuinella) = PoolPayouts<DemoPair>(
            w.brackets, kBracketReturn, bracketShare, [&](const DemoPair& pair, double) {
                return book.bracket[static_cast<size_t>(BracketPairIndex(pair[0], pair[1]))]
                    .popularity;
            });
    }

    auto quinella = [&](int a, int b) { return harville.Quinella(a, b); };
    std::vector<double> quinellas = AllPairShares(n, false, quinella);
    at(BetType::Quinella) = PoolPayouts<DemoPair>(
        w.quinellas, kQuinellaReturn, [&](const DemoPair& p) { return quinella(p[0], p[1]); },
        [&](const DemoPair&, double s) { return PopularityAmong(s, quinellas); });

    // Three pairs win each wide pool: its shares are a third of the chance of both placing.
    auto wide = [&](int a, int b) { return harville.Wide(a, b) / 3.0; };
    std::vector<double> wides = AllPairShares(n, false, wide);
    at(BetType::Wide) = PoolPayouts<DemoPair>(
        w.wides, kWideReturn, [&](const DemoPair& p) { return wide(p[0], p[1]); },
        [&](const DemoPair&, double s) { return PopularityAmong(s, wides); });

    auto exacta = [&](int a, int b) { return harville.FirstTwo(a, b); };
    std::vector<double> exactas = AllPairShares(n, true, exacta);
    at(BetType::Exacta) = PoolPayouts<DemoPair>(
        w.exactas, kExactaReturn, [&](const DemoPair& p) { return exacta(p[0], p[1]); },
        [&](const DemoPair&, double s) { return PopularityAmong(s, exactas); });

    at(BetType::Trio) = PoolPayouts<DemoTriple>(
        w.trios, kTrioReturn, [&](const DemoTriple& t) { return harville.Trio(t[0], t[1], t[2]); },
        [&](const DemoTriple& t, double) {
            return book.trio[static_cast<size_t>(TrioIndex(CombinationText(t[0], t[1], t[2])))]
                .popularity;
        });
    at(BetType::Trifecta) = PoolPayouts<DemoTriple>(
        w.trifectas, kTrifectaReturn,
        [&](const DemoTriple& t) { return harville.FirstThree(t[0], t[1], t[2]); },
        [&](const DemoTriple& t, double) {
            return book
                .trifecta[static_cast<size_t>(TrifectaIndex(CombinationText(t[0], t[1], t[2])))]
                .popularity;
        });
    return out;
}

}  // namespace kagiroi
