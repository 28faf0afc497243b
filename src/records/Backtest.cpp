#include "records/Backtest.h"

#include "daystore/DayFiles.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "records/WorkerPool.h"

#include <algorithm>
#include <map>

namespace kagiroi {

void RunningBalance::MoveTo(int64_t value) {
    balance = value;
    peak = std::max(peak, value);
    drawdown = std::max(drawdown, peak - value);
}

int64_t LargestDrawdown(const std::vector<int64_t>& balances) {
    RunningBalance running;
    for (int64_t value : balances)
        running.MoveTo(value);
    return running.drawdown;
}

void BetRecord::AddRace(int tickets, int64_t raceStake, int64_t racePayback) {
    if (tickets > 0) ++racesBet;
    if (racePayback > 0) ++racesHit;
    stake += raceStake;
    payback += racePayback;
    running.MoveTo(running.balance + racePayback - raceStake);
}

double BetRecord::HitRate() const {
    return racesBet > 0 ? 100.0 * racesHit / racesBet : 0.0;
}

double BetRecord::ReturnRate() const {
    return stake > 0 ? 100.0 * static_cast<double>(payback) / static_cast<double>(stake) : 0.0;
}

bool RaceHasResult(const RaceSlot& slot) {
    return !IsBlank(slot.HrCopy);
}

RaceFigures FiguresOfRace(const BetBoard& bets, bool hasResult) {
    RaceFigures figures;
    figures.hasResult = hasResult;
    for (size_t t = 0; t < kBacktestTypes.size(); ++t) {
        const BetTotals& totals = bets.Totals(kBacktestTypes[t]);
        figures.nets[t] = {ToInt(totals.count.text), ToInt64(totals.stake.text),
                           ToInt64(totals.payback.text)};
    }
    return figures;
}

RaceFigures FiguresOfRace(const ReplayedRace& race) {
    return FiguresOfRace(race.bets, RaceHasResult(race.slot));
}

void BacktestTally::AddRace(const std::string& date, const BetBoard& bets, bool hasResult) {
    AddRace(date, FiguresOfRace(bets, hasResult));
}

void BacktestTally::AddRace(const std::string& date, const RaceFigures& figures) {
    bool hasResult = figures.hasResult;
    if (result_.days.empty() || result_.days.back().date != date) {
        result_.days.emplace_back();
        result_.days.back().date = date;
    }
    BacktestDay& day = result_.days.back();
    ++day.races;
    ++result_.races;
    if (!hasResult) ++result_.racesWithoutResult;
    for (size_t t = 0; t < kBacktestTypes.size(); ++t) {
        if (hasResult) {
            const NetFigures& net = figures.nets[t];
            day.bets[t].AddRace(net.tickets, net.stake, net.payback);
            result_.total[t].AddRace(net.tickets, net.stake, net.payback);
        }
        day.balanceAfter[t] = result_.total[t].running.balance;
    }
}

namespace {

// One day's races as the backtest counts them, replayed on its own.
struct DayFigures {
    std::string date;
    std::vector<RaceFigures> races;
    int racesWithoutData = 0;
    int racesAtBettime = 0, racesAtStoredOdds = 0;
    bool skipped = false;
    bool done = false;
};

DayFigures ReplayDayFigures(const ReplayDay& day, const ReplaySource& source,
                            const ReplayProgressReport& progress = {}) {
    DayFigures figures;
    figures.date = DateOfDayText(day.day).value_or(day.day);
    ReplaySummary summary = ReplayStoredDays(
        {day}, source,
        [&](const ReplayedRace& race) { figures.races.push_back(FiguresOfRace(race)); }, progress);
    figures.skipped = summary.skippedDays > 0;
    figures.racesWithoutData = summary.racesWithoutData;
    figures.racesAtBettime = summary.racesAtBettime;
    figures.racesAtStoredOdds = summary.racesAtStoredOdds;
    figures.done = !summary.cancelled;
    return figures;
}

}  // namespace

BacktestResult RunBacktest(const std::vector<ReplayDay>& days, ReplaySource source,
                           const BacktestStakes& stakes, const ReplayProgressReport& progress,
                           int jobs) {
    if (stakes.mode) source.settings.allocationMode = *stakes.mode;
    if (stakes.amount) source.settings.defaultAmount = *stakes.amount;
    int count = static_cast<int>(days.size());
    std::vector<DayFigures> figures(days.size());
    auto told = [&](int day, ReplayProgress where) {
        where.day = day;
        where.dayCount = count;
        return !progress || progress(where);
    };
    if (jobs <= 1) {
        // One thread: the progress follows every race, and a stop ends the day under way.
        for (size_t k = 0; k < days.size(); ++k) {
            int day = static_cast<int>(k) + 1;
            figures[k] = ReplayDayFigures(
                days[k], source, [&](const ReplayProgress& where) { return told(day, where); });
            if (!figures[k].done) break;
        }
    } else {
        RunOnWorkers(
            count, jobs,
            [&](int k) {
                auto item = static_cast<size_t>(k);
                figures[item] = ReplayDayFigures(days[item], source);
            },
            [&](int done) { return told(done, {}); });
    }
    BacktestTally tally;
    int racesWithoutData = 0, atBettime = 0, atStoredOdds = 0;
    for (const DayFigures& day : figures) {
        if (!day.done) break;
        if (day.skipped) tally.SkipDays(1);
        for (const RaceFigures& race : day.races)
            tally.AddRace(day.date, race);
        racesWithoutData += day.racesWithoutData;
        atBettime += day.racesAtBettime;
        atStoredOdds += day.racesAtStoredOdds;
    }
    BacktestResult result = tally.Result();
    result.racesWithoutData = racesWithoutData;
    result.bettime = source.bettime;
    result.racesAtBettime = atBettime;
    result.racesAtStoredOdds = atStoredOdds;
    return result;
}

std::vector<int> DatesInRange(const std::vector<std::string>& dates, const std::string& from,
                              const std::string& to) {
    std::vector<std::pair<std::string, int>> inRange;
    for (size_t i = 0; i < dates.size(); ++i) {
        std::optional<std::string> date = DateOfDayText(dates[i]);
        if (date && *date >= from && *date <= to) inRange.emplace_back(*date, static_cast<int>(i));
    }
    // The date box lists the newest day first; a balance runs from the oldest.
    std::stable_sort(inRange.begin(), inRange.end());
    std::vector<int> indexes;
    for (const auto& entry : inRange)
        indexes.push_back(entry.second);
    return indexes;
}

namespace {

void AddFigures(std::vector<std::string>& row, const BetRecord& r) {
    row.push_back(Format("%d", r.racesBet));
    row.push_back(Format("%d", r.racesHit));
    row.push_back(Format("%lld", static_cast<long long>(r.stake)));
    row.push_back(Format("%lld", static_cast<long long>(r.payback)));
    row.push_back(Format("%.1f", r.HitRate()));
    row.push_back(Format("%.1f", r.ReturnRate()));
    row.push_back(Format("%lld", static_cast<long long>(r.running.drawdown)));
}

std::string DateText(const std::string& yyyymmdd) {
    return yyyymmdd.substr(0, 4) + "-" + yyyymmdd.substr(4, 2) + "-" + yyyymmdd.substr(6, 2);
}

}  // namespace

std::vector<std::vector<std::string>> BacktestRows(const BacktestResult& result) {
    std::vector<std::string> header = {"日付", "レース数"};
    for (BetType type : kBacktestTypes)
        for (const char* column :
             {"レース", "的中", "投資額", "回収額", "的中率", "回収率", "最大ドローダウン", "収支"})
            header.push_back(BetTypeName(type) + column);
    std::vector<std::vector<std::string>> rows = {header};
    for (const BacktestDay& day : result.days) {
        std::vector<std::string> row = {DateText(day.date), Format("%d", day.races)};
        for (size_t t = 0; t < kBacktestTypes.size(); ++t) {
            AddFigures(row, day.bets[t]);
            row.push_back(Format("%lld", static_cast<long long>(day.balanceAfter[t])));
        }
        rows.push_back(row);
    }
    std::vector<std::string> total = {"合計", Format("%d", result.races)};
    for (const BetRecord& r : result.total) {
        AddFigures(total, r);
        total.push_back(Format("%lld", static_cast<long long>(r.running.balance)));
    }
    rows.push_back(total);
    rows.push_back({"レースのない日", Format("%d", result.skippedDays)});
    if (result.racesWithoutResult > 0)
        rows.push_back({"結果の出ていないレース", Format("%d", result.racesWithoutResult)});
    if (result.bettime) {
        rows.push_back({"投票時点のオッズのレース", Format("%d", result.racesAtBettime)});
        rows.push_back({"保存されたオッズのレース", Format("%d", result.racesAtStoredOdds)});
    }
    return rows;
}

std::string RowsAsCsv(const std::vector<std::vector<std::string>>& rows) {
    std::string csv;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c)
            csv += (c ? "," : "") + row[c];
        csv += "\r\n";
    }
    return csv;
}

std::string BacktestCsv(const BacktestResult& result) {
    return RowsAsCsv(BacktestRows(result));
}

}  // namespace kagiroi
