#pragma once

#include "daystore/RaceSlot.h"
#include "selection/BetTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// What a backtest replays with instead of the user's settings; a field not given is the user's.
struct BacktestStakes {
    std::optional<int> amount;  // yen of every race
    std::optional<int> mode;    // 0 均等, 1 比例, 2 ケリー
};

// The two nets a backtest follows, in the order of its tables.
inline constexpr std::array<BetType, 2> kBacktestTypes = {BetType::Trio, BetType::Trifecta};

// A balance that moves race by race from 0, with its highest point so far and the largest fall
// from a high point.
struct RunningBalance {
    int64_t balance = 0;
    int64_t peak = 0;
    int64_t drawdown = 0;
    void MoveTo(int64_t value);
};

// The largest fall from a high point of a balance series that starts at 0.
int64_t LargestDrawdown(const std::vector<int64_t>& balances);

// What one net did over some races, counted as the day tally counts: a race is bet when its
// table has tickets, hit when it pays anything back.
struct BetRecord {
    int racesBet = 0;
    int racesHit = 0;
    int64_t stake = 0;
    int64_t payback = 0;
    RunningBalance running;

    void AddRace(int tickets, int64_t raceStake, int64_t racePayback);
    double HitRate() const;     // percent of the races bet
    double ReturnRate() const;  // percent of the stake
};

struct BacktestDay {
    std::string date;  // yyyymmdd
    int races = 0;
    std::array<BetRecord, 2> bets;  // kBacktestTypes order; the drawdown within the day
    // The running balance of the whole backtest at the day's end.
    std::array<int64_t, 2> balanceAfter{};
};

struct BacktestResult {
    std::vector<BacktestDay> days;  // days with races, in replay order
    std::array<BetRecord, 2> total;
    int skippedDays = 0;  // days of the range without a race
    int races = 0;
    // Races whose result is not in yet (today's races still to run): not bet, counted apart.
    int racesWithoutResult = 0;
};

// A race has run when its payout record is in: before that, its tickets win or lose nothing.
bool RaceHasResult(const RaceSlot& slot);

// Adds replayed races to a result, day by day.
class BacktestTally {
  public:
    // A race of `date` as its tables stand after the click: their 買い点数, 投票金額 and
    // 回収金額 totals. A race without its result counts as a race of the day and nothing more.
    void AddRace(const std::string& date, const BetBoard& bets, bool hasResult);
    void SkipDays(int count) { result_.skippedDays += count; }
    const BacktestResult& Result() const { return result_; }

  private:
    BacktestResult result_;
};

// The entries of a date box whose dates lie from `from` to `to` (yyyymmdd, both included),
// oldest first.
std::vector<int> DatesInRange(const std::vector<std::string>& dates, const std::string& from,
                              const std::string& to);

// The backtest as a table: a header row, one row per day, then the total; the days without a
// race in a row of their own, and the races without a result in a last one when there are any.
std::vector<std::vector<std::string>> BacktestRows(const BacktestResult& result);
// The table as CSV text (Shift_JIS, CR LF).
std::string BacktestCsv(const BacktestResult& result);

}  // namespace kagiroi
