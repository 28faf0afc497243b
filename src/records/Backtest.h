#pragma once

#include "daystore/RaceSlot.h"
#include "records/DayReplay.h"
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
    int racesWithoutData = 0;  // races without runners or odds to analyse
    // Replayed at the odds of the moment of betting: how many races had them, and how many
    // kept their stored odds for want of an announcement.
    bool bettime = false;
    int racesAtBettime = 0, racesAtStoredOdds = 0;
};

// A race has run when its payout record is in: before that, its tickets win or lose nothing.
bool RaceHasResult(const RaceSlot& slot);

// A net of one race as the backtest counts it: its 買い点数, 投票金額 and 回収金額 totals.
struct NetFigures {
    int tickets = 0;
    int64_t stake = 0;
    int64_t payback = 0;
};
// A race as the backtest counts it: both nets in kBacktestTypes order, and whether it has run.
struct RaceFigures {
    std::array<NetFigures, 2> nets;
    bool hasResult = true;
};
RaceFigures FiguresOfRace(const BetBoard& bets, bool hasResult);
RaceFigures FiguresOfRace(const ReplayedRace& race);

// Adds replayed races to a result, day by day.
class BacktestTally {
  public:
    // A race of `date` as its tables stand after the click: their 買い点数, 投票金額 and
    // 回収金額 totals. A race without its result counts as a race of the day and nothing more.
    void AddRace(const std::string& date, const BetBoard& bets, bool hasResult);
    void AddRace(const std::string& date, const RaceFigures& figures);
    void SkipDays(int count) { result_.skippedDays += count; }
    const BacktestResult& Result() const { return result_; }

  private:
    BacktestResult result_;
};

// Every race of the stored days replayed with the source's settings, or with the stakes given
// instead of them, at the source's odds (bettime: of the moment of betting); nothing is stored
// and no setting is written.
// With more than one job the days are replayed side by side, each on a worker thread with its
// own race sessions, and added in their order: the result is the same as with one job. The
// progress then tells whole days done; false stops the run, which then holds the days before
// the first one not done.
BacktestResult RunBacktest(const std::vector<ReplayDay>& days, ReplaySource source,
                           const BacktestStakes& stakes, const ReplayProgressReport& progress = {},
                           int jobs = 1);

// The entries of a date box whose dates lie from `from` to `to` (yyyymmdd, both included),
// oldest first.
std::vector<int> DatesInRange(const std::vector<std::string>& dates, const std::string& from,
                              const std::string& to);

// The backtest as a table: a header row, one row per day, then the total; the days without a
// race in a row of their own, the races without a result in one when there are any, and with
// odds of the moment of betting the races that had them and those that kept the stored ones.
std::vector<std::vector<std::string>> BacktestRows(const BacktestResult& result);
// Rows of cells as CSV text (Shift_JIS, CR LF).
std::string RowsAsCsv(const std::vector<std::vector<std::string>>& rows);
// The table as CSV text (Shift_JIS, CR LF).
std::string BacktestCsv(const BacktestResult& result);

}  // namespace kagiroi
