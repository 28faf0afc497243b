#pragma once

#include "demo/DemoRaceCard.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kagiroi {

inline constexpr int kDemoHorseSlots = 19;  // horse numbers 1..18, element 0 unused
template <typename T>
using ByHorse = std::array<T, kDemoHorseSlots>;

// A horse withdrawn on race day: before the sale starts (its odds read "----") or during it
// ("****" from the scratch on).
struct DemoScratch {
    int horse = 0;  // 0: none
    bool afterSale = false;
    int64_t minute = 0;  // when it was withdrawn (minutes since 1970)
};

// A post-time change: announced at a minute of the day, moving the post to a new time.
struct DemoPostChange {
    int64_t announced = 0;
    int newPostMinutes = 0;  // after midnight
};

struct DemoGoing {
    int weather = 0;  // 1 fine .. 6 light snow
    int turf = 0;     // 1 good .. 4 bad
    int dirt = 0;
};

struct DemoResult {
    std::vector<int> order;     // starters in crossing order
    ByHorse<int> placing{};     // 0 for a scratched horse
    int deadHeatPlace = 0;      // the placing two horses share; 0 none
    ByHorse<int> timeTenths{};  // race time, 0.1 s
};

struct DemoMining {
    ByHorse<int> hundredths{};  // predicted time, 0.01 s
    ByHorse<int> errorPlus{};   // 0.01 s
    ByHorse<int> errorMinus{};
    ByHorse<int> rank{};
};

// One race of the model: its card, what happens on race day and its market.
struct DemoRace {
    DemoRaceCard card;
    uint64_t seed = 0;
    DemoScratch scratch;
    std::optional<DemoPostChange> postChange;
    DemoGoing goingAtPost;
    DemoResult result;
    DemoMining mining;
    ByHorse<double> marketLogit{};  // the final market's view of each horse
    ByHorse<double> drift{};        // how far the morning market strays from it

    int64_t DayStart() const;
    int PostMinutes() const;  // as the race is run, after midnight
    int64_t PostMinute() const;
    // The post time that is announced at a moment (the change counts once announced).
    int KnownPostMinutes(int64_t at) const;
    int64_t ResultMinute() const { return PostMinute() + 4; }
    int64_t PayoutMinute() const { return PostMinute() + 10; }
    int64_t FinalOddsMinute() const { return ResultMinute(); }
    int64_t FirstOddsMinute() const;
    // The newest odds announcement at a moment: an interim minute, FinalOddsMinute() once the
    // result is in, nothing before the sale opens.
    std::optional<int64_t> LatestAnnouncement(int64_t at) const;
    bool IsScratchedAt(int horse, int64_t at) const;
    bool IsScratched(int horse) const { return scratch.horse == horse && horse > 0; }
    int Starters() const;
    // Win-pool shares of every horse at an announcement (0 for a withdrawn horse).
    ByHorse<double> MarketAt(int64_t announcement) const;
};

// Strength of the model's favourites: the market's view of each horse is softmax(kDemoBeta ×
// strength), blurred by the market's own noise.
inline constexpr double kDemoBeta = 1.1;

// How races are really run, against the final win market: a horse wins with its final win-pool
// share s raised to kDemoTrueAlpha (s^α ÷ Σ s^α: the market underrates its favourites), and the
// later places follow the discounted Harville rule, second place by p^λ and third and later by
// p^τ among the horses left. A calibration over enough demo days finds these three again.
inline constexpr double kDemoTrueAlpha = 1.25;
inline constexpr double kDemoTrueLambda = 0.85;
inline constexpr double kDemoTrueTau = 0.7;

DemoRace BuildDemoRace(const DemoRaceCard& card);

// Predicted or run time in the record forms: 5 digits m ss hh, 4 digits m ss t.
int MiningTimeField(int hundredths);
int RaceTimeField(int tenths);

}  // namespace kagiroi
