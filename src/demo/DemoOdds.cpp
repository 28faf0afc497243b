#include "demo/DemoOdds.h"

#include "daystore/RecordLayout.h"
#include "demo/DemoHarville.h"
#include "demo/DemoRandom.h"
#include "demo/DemoWinners.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

namespace {

constexpr int64_t kWinCap = 9999;
constexpr int64_t kBracketCap = 99999;
constexpr int64_t kTrioCap = 999999;
constexpr int64_t kTrifectaCap = 9999999;
// Tickets sold in the pools: a combination expected to draw less than a few tickets may draw
// none.
constexpr double kTrioTickets = 400000.0;
constexpr double kTrifectaTickets = 1200000.0;
constexpr double kFewTickets = 5.0;

DemoOddsState CancelledState(const DemoRace& race) {
    return race.scratch.afterSale ? DemoOddsState::CancelledAfterSale
                                  : DemoOddsState::CancelledBeforeSale;
}

DemoOdds Priced(int64_t tenths) {
    return DemoOdds{DemoOddsState::Price, tenths, 0};
}

DemoOdds Cancelled(const DemoRace& race) {
    return DemoOdds{CancelledState(race), 0, 0};
}

void FillWin(DemoOddsBook& book) {
    for (int h = 1; h <= book.registered; ++h) {
        double p = book.winShares[static_cast<size_t>(h)];
        if (p > 0.0) book.win[static_cast<size_t>(h)] = Priced(OddsTenths(kWinReturn, p, kWinCap));
    }
}

void FillPlace(DemoOddsBook& book, const DemoHarville& harville) {
    int k = book.placesPaid;
    double total = 0.0;
    for (int h = 1; h <= book.registered; ++h) {
        double q = book.winShares[static_cast<size_t>(h)] > 0.0 ? harville.InTop(h, k) : 0.0;
        book.placeShares[static_cast<size_t>(h)] = q;
        total += q;
    }
    for (double& s : book.placeShares)
        s /= total;
    for (int h = 1; h <= book.registered; ++h) {
        double s = book.placeShares[static_cast<size_t>(h)];
        if (s <= 0.0) continue;
        std::vector<double> others;
        for (int o = 1; o <= book.registered; ++o)
            if (o != h && book.placeShares[static_cast<size_t>(o)] > 0.0)
                others.push_back(book.placeShares[static_cast<size_t>(o)]);
        std::sort(others.begin(), others.end());
        size_t take = std::min(others.size(), static_cast<size_t>(k - 1));
        std::vector<double> least(others.begin(), others.begin() + static_cast<long>(take));
        std::vector<double> most(others.end() - static_cast<long>(take), others.end());
        least.push_back(s);
        most.push_back(s);
        DemoPlaceOdds& odds = book.place[static_cast<size_t>(h)];
        odds.state = DemoOddsState::Price;
        odds.low = std::min(kWinCap, SharedPoolTenths(kPlaceReturn, SumOfShares(most), k, s));
        odds.high = std::min(kWinCap, SharedPoolTenths(kPlaceReturn, SumOfShares(least), k, s));
    }
}

void FillBrackets(DemoOddsBook& book, const DemoRace& race, const DemoHarville& harville) {
    book.bracketSold = book.registered >= 9;
    if (!book.bracketSold) return;
    std::array<int, 9> registered{}, running{};
    for (const DemoRunner& r : race.card.runners) {
        ++registered[static_cast<size_t>(r.bracket)];
        if (book.winShares[static_cast<size_t>(r.horse)] > 0.0)
            ++running[static_cast<size_t>(r.bracket)];
    }
    for (int i = 1; i <= 8; ++i) {
        for (int j = i; j <= 8; ++j) {
            DemoOdds& odds = book.bracket[static_cast<size_t>(BracketPairIndex(i, j))];
            if (!BracketPairPossible(registered, i, j)) continue;
            if (!BracketPairPossible(running, i, j)) {
                odds = Cancelled(race);
                continue;
            }
            double p = 0.0;
            for (const DemoRunner& a : race.card.runners)
                for (const DemoRunner& b : race.card.runners)
                    if (a.horse < b.horse &&
                        ((a.bracket == i && b.bracket == j) || (a.bracket == j && b.bracket == i)))
                        p += harville.Quinella(a.horse, b.horse);
            odds = Priced(OddsTenths(kBracketReturn, p, kBracketCap));
        }
    }
}

// Long shots that nobody backed read as zero votes; a combination that is paid never does.
DemoOdds ComboOdds(const DemoRace& race, const DemoOddsBook& book, double p, double tickets,
                   double returnRate, int64_t cap, uint64_t salt, bool paid) {
    double expected = p * tickets;
    if (!paid && expected < kFewTickets) {
        DemoRandom random(DemoSeed({race.seed, static_cast<uint64_t>(book.announcement), salt}));
        if (random.Chance(DemoExp(-expected))) return DemoOdds{DemoOddsState::NoVotes, 0, 0};
    }
    return Priced(OddsTenths(returnRate, p, cap));
}

bool AnyWithdrawn(const DemoOddsBook& book, std::initializer_list<int> horses) {
    for (int h : horses)
        if (book.winShares[static_cast<size_t>(h)] <= 0.0) return true;
    return false;
}

void FillTrios(DemoOddsBook& book, const DemoRace& race, const DemoHarville& harville,
               const DemoWinners* winners) {
    book.trio.assign(kTrioCount + 1, DemoOdds{});
    int index = 0;
    for (int i = 1; i <= kMaxRunners; ++i)
        for (int j = i + 1; j <= kMaxRunners; ++j)
            for (int k = j + 1; k <= kMaxRunners; ++k) {
                DemoOdds& odds = book.trio[static_cast<size_t>(++index)];
                if (k > book.registered) continue;
                if (AnyWithdrawn(book, {i, j, k})) {
                    odds = Cancelled(race);
                    continue;
                }
                bool paid =
                    winners != nullptr && std::find(winners->trios.begin(), winners->trios.end(),
                                                    DemoTriple{i, j, k}) != winners->trios.end();
                odds = ComboOdds(race, book, harville.Trio(i, j, k), kTrioTickets, kTrioReturn,
                                 kTrioCap, static_cast<uint64_t>(index), paid);
            }
}

void FillTrifectas(DemoOddsBook& book, const DemoRace& race, const DemoHarville& harville,
                   const DemoWinners* winners) {
    book.trifecta.assign(kTrifectaCount + 1, DemoOdds{});
    int index = 0;
    for (int a = 1; a <= kMaxRunners; ++a)
        for (int b = 1; b <= kMaxRunners; ++b)
            for (int c = 1; c <= kMaxRunners; ++c) {
                if (a == b || b == c || a == c) continue;
                DemoOdds& odds = book.trifecta[static_cast<size_t>(++index)];
                if (a > book.registered || b > book.registered || c > book.registered) continue;
                if (AnyWithdrawn(book, {a, b, c})) {
                    odds = Cancelled(race);
                    continue;
                }
                bool paid = winners != nullptr &&
                            std::find(winners->trifectas.begin(), winners->trifectas.end(),
                                      DemoTriple{a, b, c}) != winners->trifectas.end();
                odds = ComboOdds(race, book, harville.FirstThree(a, b, c), kTrifectaTickets,
                                 kTrifectaReturn, kTrifectaCap,
                                 0x10000u + static_cast<uint64_t>(index), paid);
            }
}

void RankAll(DemoOddsBook& book) {
    std::vector<DemoOdds*> win, bracket, trio, trifecta;
    for (DemoOdds& o : book.win)
        win.push_back(&o);
    for (DemoOdds& o : book.bracket)
        bracket.push_back(&o);
    for (DemoOdds& o : book.trio)
        trio.push_back(&o);
    for (DemoOdds& o : book.trifecta)
        trifecta.push_back(&o);
    RankByOdds(win);
    RankByOdds(bracket);
    RankByOdds(trio);
    RankByOdds(trifecta);
    // Place popularity by the lower odds, then the upper.
    for (DemoPlaceOdds& p : book.place) {
        if (p.state != DemoOddsState::Price) continue;
        p.popularity = 1;
        for (const DemoPlaceOdds& o : book.place)
            if (o.state == DemoOddsState::Price &&
                (o.low < p.low || (o.low == p.low && o.high < p.high)))
                ++p.popularity;
    }
}

void MarkWithdrawnRunner(DemoOddsBook& book, const DemoRace& race) {
    int h = race.scratch.horse;
    if (h == 0 || book.winShares[static_cast<size_t>(h)] > 0.0) return;
    book.win[static_cast<size_t>(h)] = Cancelled(race);
    book.place[static_cast<size_t>(h)].state = CancelledState(race);
}

void CountVotes(DemoOddsBook& book, const DemoRace& race) {
    double span = static_cast<double>(race.FinalOddsMinute() - race.FirstOddsMinute());
    double progress = std::clamp((book.announcement - race.FirstOddsMinute()) / span, 0.0, 1.0);
    double scale = (0.1 + 0.9 * progress) * (race.card.grade == ' ' ? 1.0 : 3.0);
    book.winVotes = static_cast<int64_t>(120000 * scale);
    book.placeVotes = static_cast<int64_t>(150000 * scale);
    book.bracketVotes = book.bracketSold ? static_cast<int64_t>(60000 * scale) : 0;
    book.trioVotes = static_cast<int64_t>(kTrioTickets * scale);
    book.trifectaVotes = static_cast<int64_t>(kTrifectaTickets * scale);
}

}  // namespace

int64_t OddsTenths(double returnRate, double share, int64_t capTenths) {
    if (share <= 0.0) return capTenths;
    double tenths = std::floor(10.0 * returnRate / share);
    if (tenths >= static_cast<double>(capTenths)) return capTenths;
    return std::max<int64_t>(10, static_cast<int64_t>(tenths));
}

int64_t SharedPoolTenths(double returnRate, double winningShares, int winners, double share) {
    double value = 1.0 + (returnRate - winningShares) / (winners * share);
    return std::max<int64_t>(10, static_cast<int64_t>(std::floor(10.0 * value)));
}

double SumOfShares(std::vector<double> shares) {
    std::sort(shares.begin(), shares.end());
    double sum = 0.0;
    for (double s : shares)
        sum += s;
    return sum;
}

bool BracketPairPossible(const std::array<int, 9>& horsesPerBracket, int first, int second) {
    int a = horsesPerBracket[static_cast<size_t>(first)];
    int b = horsesPerBracket[static_cast<size_t>(second)];
    return first == second ? a >= 2 : a >= 1 && b >= 1;
}

void RankByOdds(std::vector<DemoOdds*> entries) {
    std::erase_if(entries, [](const DemoOdds* o) { return o->state != DemoOddsState::Price; });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DemoOdds* a, const DemoOdds* b) { return a->tenths < b->tenths; });
    for (size_t i = 0; i < entries.size(); ++i) {
        bool tie = i > 0 && entries[i]->tenths == entries[i - 1]->tenths;
        entries[i]->popularity = tie ? entries[i - 1]->popularity : static_cast<int>(i) + 1;
    }
}

DemoOddsBook ComputeDemoOdds(const DemoRace& race, int64_t announcement) {
    DemoOddsBook book;
    book.announcement = announcement;
    book.final = announcement >= race.FinalOddsMinute();
    book.registered = race.card.Registered();
    book.starters =
        book.registered - (race.IsScratchedAt(race.scratch.horse, announcement) ? 1 : 0);
    book.placesPaid = DemoPlacesPaid(book.starters);
    book.winShares = race.MarketAt(announcement);
    DemoHarville harville(book.winShares, book.registered);
    DemoWinners winners;
    if (book.final) winners = WinnersOf(race);
    FillWin(book);
    FillPlace(book, harville);
    MarkWithdrawnRunner(book, race);
    FillBrackets(book, race, harville);
    FillTrios(book, race, harville, book.final ? &winners : nullptr);
    FillTrifectas(book, race, harville, book.final ? &winners : nullptr);
    RankAll(book);
    CountVotes(book, race);
    return book;
}

}  // namespace kagiroi
