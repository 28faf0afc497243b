#include "demo/DemoRaceModel.h"

#include "demo/DemoRandom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kagiroi {

namespace {

constexpr int kSaleOpens = 8 * 60 + 30;
constexpr int kBeforeSaleScratch = 8 * 60;
constexpr int kInterimEvery = 5;
constexpr int kEveryMinuteBeforePost = 10;

// Seconds a horse of average ability takes over the distance.
double BaseSeconds(const DemoRaceCard& card) {
    double speed = card.IsJump() ? 14.2 : card.IsTurf() ? 16.6 : 15.9;
    return card.distance / speed;
}

DemoScratch DrawScratch(const DemoRace& race, DemoRandom& random) {
    DemoScratch scratch;
    if (!random.Chance(0.08)) return scratch;
    scratch.horse = random.Between(1, race.card.Registered());
    int latest = race.card.postMinutes - 20;
    scratch.afterSale = random.Chance(0.5) && latest > 9 * 60;
    int minutes = scratch.afterSale ? random.Between(9 * 60, latest) : kBeforeSaleScratch;
    scratch.minute = race.DayStart() + minutes;
    return scratch;
}

// The finishing order as races are run against the final market (kDemoTrueAlpha and the
// discounts beside it). Each place goes to the horse left with the largest weighted
// log-chance plus Gumbel noise, which draws it with the chances of the discounted Harville rule.
// The order has a random stream of its own; the race's stream still gives one draw a runner
// here, so that the dead heats, the times and the mining predictions drawn after it stay as
// they were.
void DrawResult(DemoRace& race, DemoRandom& random) {
    ByHorse<double> shares = race.MarketAt(race.FinalOddsMinute());
    DemoRandom orderRandom(DemoSeed({race.seed, 0x4F52444552ULL}));
    struct Runner {
        int horse;
        double logChance;
        std::array<double, 3> noise;  // first, second, third and later places
    };
    std::vector<Runner> left;
    for (const DemoRunner& r : race.card.runners) {
        random.Gumbel();
        std::array<double, 3> noise = {orderRandom.Gumbel(), orderRandom.Gumbel(),
                                       orderRandom.Gumbel()};
        if (race.IsScratched(r.horse)) continue;
        left.push_back(
            {r.horse, kDemoTrueAlpha * std::log(shares[static_cast<size_t>(r.horse)]), noise});
    }
    const double weights[] = {1.0, kDemoTrueLambda, kDemoTrueTau};
    std::vector<int>& order = race.result.order;
    while (!left.empty()) {
        size_t stage = std::min<size_t>(order.size(), 2);
        auto score = [&](const Runner& r) { return weights[stage] * r.logChance + r.noise[stage]; };
        // Ties (never seen) go to the lower horse number, which comes first.
        auto best =
            std::max_element(left.begin(), left.end(),
                             [&](const Runner& a, const Runner& b) { return score(a) < score(b); });
        order.push_back(best->horse);
        left.erase(best);
    }
    DemoResult& result = race.result;
    const auto& runners = race.card.runners;
    int starters = static_cast<int>(result.order.size());
    if (random.Chance(0.03) && starters >= 4) {
        double u = random.Uniform();
        result.deadHeatPlace = u < 0.4 ? 1 : u < 0.7 ? 2 : 3;
    }
    double base = BaseSeconds(race.card);
    int winner = result.order.front();
    double winnerSeconds =
        base - 0.3 * runners[static_cast<size_t>(winner - 1)].strength + 0.4 * random.Normal();
    int tenths = static_cast<int>(std::lround(winnerSeconds * 10.0));
    for (int i = 0; i < starters; ++i) {
        int horse = result.order[static_cast<size_t>(i)];
        bool tiedWithAbove = result.deadHeatPlace > 0 && i == result.deadHeatPlace;
        if (i > 0 && !tiedWithAbove) tenths += random.Between(0, 6);
        result.placing[static_cast<size_t>(horse)] = tiedWithAbove ? i : i + 1;
        result.timeTenths[static_cast<size_t>(horse)] = tenths;
    }
}

void PredictTimes(DemoRace& race, DemoRandom& random) {
    double base = BaseSeconds(race.card);
    std::vector<std::pair<int, int>> byTime;
    for (const DemoRunner& r : race.card.runners) {
        size_t h = static_cast<size_t>(r.horse);
        double seconds = base - 0.3 * r.strength + 0.25 * random.Normal();
        race.mining.hundredths[h] = static_cast<int>(std::lround(seconds * 100.0));
        race.mining.errorPlus[h] = random.Between(30, 150);
        race.mining.errorMinus[h] = random.Between(30, 150);
        byTime.push_back({race.mining.hundredths[h], r.horse});
    }
    std::sort(byTime.begin(), byTime.end());
    for (size_t i = 0; i < byTime.size(); ++i)
        race.mining.rank[static_cast<size_t>(byTime[i].second)] = static_cast<int>(i) + 1;
}

}  // namespace

int64_t DemoRace::DayStart() const {
    return MinuteOf(card.date);
}

int DemoRace::PostMinutes() const {
    return postChange ? postChange->newPostMinutes : card.postMinutes;
}

int64_t DemoRace::PostMinute() const {
    return DayStart() + PostMinutes();
}

int DemoRace::KnownPostMinutes(int64_t at) const {
    return postChange && at >= postChange->announced ? postChange->newPostMinutes
                                                     : card.postMinutes;
}

int64_t DemoRace::FirstOddsMinute() const {
    return DayStart() + kSaleOpens;
}

std::optional<int64_t> DemoRace::LatestAnnouncement(int64_t at) const {
    if (at >= FinalOddsMinute()) return FinalOddsMinute();
    int64_t first = FirstOddsMinute();
    if (at < first) return std::nullopt;
    int64_t post = DayStart() + KnownPostMinutes(at);
    if (at >= post - 1) return post - 1;  // the sale closes at the post
    if (at >= post - kEveryMinuteBeforePost) return at;
    return first + (at - first) / kInterimEvery * kInterimEvery;
}

bool DemoRace::IsScratchedAt(int horse, int64_t at) const {
    return IsScratched(horse) && at >= scratch.minute;
}

int DemoRace::Starters() const {
    return card.Registered() - (scratch.horse > 0 ? 1 : 0);
}

ByHorse<double> DemoRace::MarketAt(int64_t announcement) const {
    double span = static_cast<double>(FinalOddsMinute() - FirstOddsMinute());
    double weight = std::clamp((FinalOddsMinute() - announcement) / span, 0.0, 1.0);
    ByHorse<double> shares{};
    double total = 0.0;
    for (const DemoRunner& r : card.runners) {
        size_t h = static_cast<size_t>(r.horse);
        if (IsScratchedAt(r.horse, announcement)) continue;
        DemoRandom jitter(DemoSeed({seed, static_cast<uint64_t>(announcement), h}));
        double logit = marketLogit[h] + weight * (drift[h] + 0.2 * jitter.Normal());
        shares[h] = DemoExp(logit);
        total += shares[h];
    }
    for (double& s : shares)
        s /= total;
    return shares;
}

DemoRace BuildDemoRace(const DemoRaceCard& card) {
    DemoRace race;
    race.card = card;
    race.seed =
        DemoSeed({DemoRaceSeed(card.date, card.meeting.course, card.race), 0x4D4F44454CULL});
    DemoRandom random(race.seed);
    for (const DemoRunner& r : card.runners) {
        size_t h = static_cast<size_t>(r.horse);
        race.marketLogit[h] = kDemoBeta * r.strength + 0.25 * random.Normal();
        race.drift[h] = 0.5 * random.Normal();
    }
    race.scratch = DrawScratch(race, random);
    DrawResult(race, random);
    PredictTimes(race, random);
    return race;
}

int MiningTimeField(int hundredths) {
    return hundredths / 6000 * 10000 + hundredths % 6000;
}

int RaceTimeField(int tenths) {
    return tenths / 600 * 1000 + tenths % 600;
}

}  // namespace kagiroi
