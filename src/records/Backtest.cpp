#include "records/Backtest.h"

#include "daystore/DayFiles.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>

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

void BacktestTally::AddRace(const std::string& date, const BetBoard& bets, bool hasResult) {
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
            const BetTotals& totals = bets.Totals(kBacktestTypes[t]);
            int tickets = ToInt(totals.count.text);
            int64_t stake = ToInt64(totals.stake.text);
            int64_t payback = ToInt64(totals.payback.text);
            day.bets[t].AddRace(tickets, stake, payback);
            result_.total[t].AddRace(tickets, stake, payback);
        }
        day.balanceAfter[t] = result_.total[t].running.balance;
    }
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
    return rows;
}

std::string BacktestCsv(const BacktestResult& result) {
    std::string csv;
    for (const auto& row : BacktestRows(result)) {
        for (size_t c = 0; c < row.size(); ++c)
            csv += (c ? "," : "") + row[c];
        csv += "\r\n";
    }
    return csv;
}

}  // namespace kagiroi
