#pragma once

#include "daystore/RecordLayout.h"
#include "racing/BetType.h"
#include "racing/KeibaFunc.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace kagiroi {

// Odds of one race as the odds import reads them: multiples (12.3), -1.0 cancelled, -2.0
// blank, 0.0 no votes or not set; ranks 1-based, 0 unranked. Runner arrays are indexed by horse
// number 1..18, combination arrays by the combination index (element 0 unused).
struct OddsBook {
    std::array<double, kMaxRunners + 1> WinOdds{};
    std::array<double, kMaxRunners + 1> PlaceOddsMin{};
    std::array<double, kMaxRunners + 1> PlaceOddsMax{};
    std::array<double, kBracketPairCount + 1> BracketOdds{};
    std::array<double, kTrioCount + 1> TrioOdds{};
    std::array<double, kTrifectaCount + 1> TrifectaOdds{};
    std::array<int, kMaxRunners + 1> WinRank{};
    std::array<int, kMaxRunners + 1> PlaceMinRank{};
    std::array<int, kMaxRunners + 1> PlaceMaxRank{};
    std::array<int, kBracketPairCount + 1> BracketRank{};
    std::array<int, kTrioCount + 1> TrioRank{};
    std::array<int, kTrifectaCount + 1> TrifectaRank{};
    std::string OddsTime = "    ";  // "hhmm" of the win odds announcement
};

// Figures derived from the odds per runner (index = horse number) and for the race.
struct RunnerIndices {
    std::array<double, kMaxRunners + 1> WinSupport{};
    std::array<double, kMaxRunners + 1> StandardOdds{};
    std::array<double, kMaxRunners + 1> PlaceRate{};
    std::array<int, kMaxRunners + 1> PlaceRateRank{};
    double WinSpread = 0.0;
};

// A runner's mining prediction.
struct MiningEntry {
    int32_t MiningTime = 0;  // 11234 = 1 min 12.34 s; 0 none
    int32_t MiningErrorPlus = 0;
    int32_t MiningErrorMinus = 0;
    int32_t MiningRank = 0;  // 1 = shortest time; 0 none
};
using MiningBlock = std::array<MiningEntry, kMaxRunners + 1>;

// One paid entry of a bet type.
struct PayoutEntry {
    int horse = 0;            // 単勝, 複勝: the horse number
    std::string combination;  // other types: " 1- 2", " 1- 2- 3"; empty when none
    int popularity = 0;
    int64_t payout = 0;  // yen per 100-yen ticket
};

inline constexpr int kMaxPayoutEntries = 7;
// Entries a bet type has in the payout record: 3, 5, 3, 3, 7, 6, 3, 6.
int PayoutEntryCount(BetType type);

struct Payouts {
    std::array<std::array<PayoutEntry, kMaxPayoutEntries>, 8> entries{};
    const PayoutEntry& At(BetType type, int k) const {  // k = 0 .. count-1
        return entries[static_cast<size_t>(type)][static_cast<size_t>(k)];
    }
    PayoutEntry& At(BetType type, int k) {
        return entries[static_cast<size_t>(type)][static_cast<size_t>(k)];
    }
};

// One race of the loaded day: raw record copies (blank-filled when absent) and what the imports
// derive from them.
struct RaceSlot {
    RaceSlot();
    // Blank-fills every copy and resets every derived figure, as a day load does.
    void Blank();
    // A slot whose race record is blank or whose year is "0000" holds no race.
    bool IsEmpty() const;

    std::string RaceInfo;                                 // RA, kRaLength bytes
    std::array<std::string, kMaxRunners + 1> RunnerInfo;  // SE rows 1..18 (row 0 unused)
    std::string HrCopy;                                   // HR, kHrLength bytes
    bool PayoutConfirmed = false;
    std::array<std::string, 3> FetchTimes;  // "hhmm" ×3
    std::string O1Copy, O5Copy, O6Copy;     // odds records
    OddsBook Odds;
    RunnerIndices Indices;
    std::string DMCopy;  // DM, kDmLength bytes
    MiningBlock Mining{};
    Payouts Paid;
    bool PayoutAttached = false;
    std::string RaceAmount;  // the race's entry of RaceAmounts
};

// The loaded day's file paths: the race file and its siblings by change of extension.
struct DayPaths {
    std::string raceFile, payoutFile, miningFile, o1File, o5File, o6File;
};

// The loaded day: 36 slots in race-list order. Large (several megabytes): keep it on the heap.
struct DayBook {
    std::array<RaceSlot, kSlotCount> slots;
    std::string day;  // "yyyy年mm月dd日", empty when no day is chosen
    DayPaths paths;

    void BlankAll();
    RaceSlot& operator[](int slot) { return slots[static_cast<size_t>(slot)]; }
    const RaceSlot& operator[](int slot) const { return slots[static_cast<size_t>(slot)]; }
};

}  // namespace kagiroi
