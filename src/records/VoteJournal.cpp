#include "records/VoteJournal.h"

#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/PayoutRecord.h"
#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/QuotedCsv.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"
#include "records/TLossRegForm.h"
#include "selection/BetColumns.h"
#include "stakes/PluginCsv.h"

#include <algorithm>
#include <map>
#include <memory>

namespace kagiroi {

namespace {

constexpr const char* kJournalFileName = "tohyokiroku.csv";
// A line: sent at, race key, race, bet type, route, combination, stake, odds.
constexpr size_t kFieldCount = 8;
constexpr int64_t kLargestStake = 99999900;  // what a stake box holds: eight digits

// Each route: its code in the file and its name in the lists.
struct RouteNames {
    VoteRoute route;
    const char* code;
    const char* text;
};
const RouteNames kRoutes[] = {{VoteRoute::Plugin, "PLUGIN", "投票プラグイン"},
                              {VoteRoute::PatbetFile, "PATBET", "投票ファイル"},
                              {VoteRoute::Clipboard, "COPY", "コピー"}};

const RouteNames& NamesOf(VoteRoute route) {
    for (const RouteNames& names : kRoutes)
        if (names.route == route) return names;
    return kRoutes[0];
}

const char* RouteCode(VoteRoute route) {
    return NamesOf(route).code;
}

std::optional<VoteRoute> RouteOfCode(const std::string& code) {
    for (const RouteNames& names : kRoutes)
        if (code == names.code) return names.route;
    return std::nullopt;
}

std::string TimeText(const DateTime& t) {
    return Format("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
}

std::string VoteLines(const Vote& vote) {
    std::string text;
    for (const VotedTicket& ticket : vote.tickets)
        text += QuotedCsvLine({vote.sentAt, vote.raceKey, vote.race, PluginTypeCode(vote.type),
                               RouteCode(vote.route), ticket.combination,
                               Format("%lld", static_cast<long long>(ticket.stake)), ticket.odds}) +
                "\r\n";
    return text;
}

// A line of the record read back: its vote (with one ticket), or nothing when it does not read.
std::optional<Vote> VoteOfLine(const std::string& line) {
    std::vector<std::string> f = SplitQuotedCsv(line);
    if (f.size() != kFieldCount) return std::nullopt;
    std::optional<BetType> type = BetTypeOfPluginCode(f[3]);
    std::optional<VoteRoute> route = RouteOfCode(f[4]);
    int64_t stake = 0;
    if (!type || !route || f[1].size() != 16 || !IsDigits(f[1]) || !IsDigits(f[6]) ||
        f[6].size() > 8 || !TryToInt64(f[6], stake) || stake <= 0 || stake > kLargestStake)
        return std::nullopt;
    return Vote{f[0], f[1], f[2], *type, *route, {{f[5], stake, f[7]}}};
}

bool SameVote(const Vote& a, const Vote& b) {
    return a.sentAt == b.sentAt && a.raceKey == b.raceKey && a.type == b.type && a.route == b.route;
}

std::string DateOfVote(const Vote& vote) {
    return vote.raceKey.substr(0, 8);
}

void Add(JournalPeriod& period, const Vote& vote, const VoteReturn& ret) {
    ++period.votes;
    period.tickets += static_cast<int>(vote.tickets.size());
    if (!ret.settled) {
        ++period.unsettled;
        return;
    }
    period.hits += ret.hits;
    period.stake += ret.stake;
    period.payback += ret.payback;
}

JournalPeriod& PeriodFor(std::vector<JournalPeriod>& periods, const std::string& name) {
    if (periods.empty() || periods.back().period != name) periods.push_back({name});
    return periods.back();
}

std::string Yen(int64_t value) {
    return Format("%lld", static_cast<long long>(value));
}

std::vector<std::string> PeriodCells(const JournalPeriod& p) {
    return {p.period,
            Format("%d", p.votes),
            Format("%d", p.tickets),
            Format("%d", p.hits),
            Yen(p.stake),
            Yen(p.payback),
            Yen(p.payback - p.stake),
            Yen(p.balance),
            Format("%d", p.unsettled)};
}

// The payout records of a stored day by race key; none when the day has no payout file.
std::map<std::string, std::string> PayoutsOfDay(const std::string& programFolder,
                                                const std::string& date) {
    std::map<std::string, std::string> payouts;
    std::optional<std::string> dayText = DayTextFromDate(date);
    if (!dayText) return payouts;
    FolderLock lock;  // a store under way elsewhere lands whole or not at all
    RecordFile file(PathsForDay(programFolder, *dayText).payoutFile);
    if (!lock.Held() || !file.IsOpen()) return payouts;
    LineRecordReader reader(file, kHrLength);
    while (std::optional<std::string> record = reader.Next())
        payouts[FieldAt(*record, RaceHead::RaceKey)] = *record;
    return payouts;
}

}  // namespace

std::string VoteJournalPath(const std::string& programFolder) {
    return JoinPath(programFolder, kJournalFileName);
}

std::optional<Vote> VoteOfTable(const TextGrid& table, BetType type, const TicketSource& source,
                                VoteRoute route, const DateTime& now) {
    if (source.race == nullptr) return std::nullopt;
    const std::string& info = source.race->RaceInfo;
    Vote vote{TimeText(now), FieldAt(info, RaceHead::RaceKey), LossRaceKey(info), type, route, {}};
    const BetColumns& c = ColumnsOf(type);
    for (int r = 1; r < table.RowCount(); ++r)
        if (IsSentTicket(table, c, r))
            vote.tickets.push_back({table.Cell(c.combination, r),
                                    ToInt64(Trim(table.Cell(c.stake, r))),
                                    Trim(table.Cell(c.odds, r))});
    if (vote.tickets.empty()) return std::nullopt;
    return vote;
}

bool AppendVote(const std::string& path, const Vote& vote, FileError* error) {
    FolderLock lock;
    if (!lock.Held()) {
        if (error != nullptr) *error = lock.Error();
        return false;
    }
    FileContents contents = ReadFileContents(path);
    if (contents.status == ReadStatus::Failed) {
        if (error != nullptr) *error = contents.error;
        return false;
    }
    std::string text = contents.data;
    // A record cut short by hand keeps its last line whole.
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    return WriteFileAtomic(path, text + VoteLines(vote), error);
}

JournalRead ReadVoteJournal(const std::string& path) {
    JournalRead read;
    FileContents contents = ReadFileContents(path);
    if (contents.status == ReadStatus::Failed) {
        read.readError = contents.error;
        return read;
    }
    int number = 0;
    for (const std::string& line : SplitLines(contents.data)) {
        ++number;
        if (Trim(line).empty()) continue;
        std::optional<Vote> one = VoteOfLine(line);
        if (!one) {
            read.problems.push_back(Format("%s の %d 行目は読めないため、集計から外しました：",
                                           FileNameOf(path).c_str(), number) +
                                    line);
            continue;
        }
        if (!read.votes.empty() && SameVote(read.votes.back(), *one))
            read.votes.back().tickets.push_back(one->tickets.front());
        else
            read.votes.push_back(std::move(*one));
    }
    return read;
}

VoteReturn ReturnOfVote(const Vote& vote, const std::string& payoutRecord) {
    VoteReturn ret;
    std::vector<PayoutEntry> paid = PaidEntries(vote.type, payoutRecord);
    ret.settled = !paid.empty();
    if (!ret.settled) return ret;
    for (const VotedTicket& ticket : vote.tickets) {
        ret.stake += ticket.stake;
        bool hit = false;
        for (const PayoutEntry& entry : paid)
            if (entry.combination == ticket.combination) {
                ret.payback += entry.payout * ticket.stake / 100;
                hit = true;
            }
        ret.hits += hit ? 1 : 0;
    }
    return ret;
}

PayoutLookup StoredPayoutLookup(const std::string& programFolder) {
    auto days = std::make_shared<std::map<std::string, std::map<std::string, std::string>>>();
    return [programFolder, days](const std::string& raceKey) {
        std::string date = raceKey.substr(0, 8);
        auto day = days->find(date);
        if (day == days->end()) day = days->emplace(date, PayoutsOfDay(programFolder, date)).first;
        auto race = day->second.find(raceKey);
        return race == day->second.end() ? std::string() : race->second;
    };
}

namespace {

// The votes of the race days from..to, each with its return, in race order: a balance runs
// that way, and votes on one day keep the order they were sent in.
std::vector<std::pair<const Vote*, VoteReturn>> VotesBetween(const std::vector<Vote>& votes,
                                                             const std::string& from,
                                                             const std::string& to,
                                                             const PayoutLookup& payouts) {
    std::vector<const Vote*> chosen;
    for (const Vote& vote : votes) {
        std::string date = DateOfVote(vote);
        if ((from.empty() || date >= from) && (to.empty() || date <= to)) chosen.push_back(&vote);
    }
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const Vote* a, const Vote* b) { return DateOfVote(*a) < DateOfVote(*b); });
    std::map<std::string, std::string> payoutOf;  // one lookup a race
    std::vector<std::pair<const Vote*, VoteReturn>> returns;
    for (const Vote* vote : chosen) {
        auto found = payoutOf.find(vote->raceKey);
        if (found == payoutOf.end())
            found = payoutOf.emplace(vote->raceKey, payouts(vote->raceKey)).first;
        returns.emplace_back(vote, ReturnOfVote(*vote, found->second));
    }
    return returns;
}

}  // namespace

std::vector<std::vector<std::string>> JournalVoteRows(const std::vector<Vote>& votes,
                                                      const std::string& from,
                                                      const std::string& to,
                                                      const PayoutLookup& payouts) {
    std::vector<std::vector<std::string>> rows = {
        {"送信時刻", "レース", "券種", "送り先", "点数", "投資額", "的中", "回収額"}};
    for (const auto& [vote, ret] : VotesBetween(votes, from, to, payouts)) {
        int64_t stake = 0;
        for (const VotedTicket& ticket : vote->tickets)
            stake += ticket.stake;
        rows.push_back(
            {vote->sentAt, vote->race, BetTypeName(vote->type), NamesOf(vote->route).text,
             Format("%d", static_cast<int>(vote->tickets.size())), Yen(stake),
             ret.settled ? Format("%d", ret.hits) : "未確定", ret.settled ? Yen(ret.payback) : ""});
    }
    return rows;
}

JournalSummary SummariseJournal(const std::vector<Vote>& votes, const std::string& from,
                                const std::string& to, const PayoutLookup& payouts) {
    JournalSummary summary;
    summary.total.period = "合計";
    for (const auto& [vote, ret] : VotesBetween(votes, from, to, payouts)) {
        std::string date = DateOfVote(*vote);
        std::string day = date.substr(0, 4) + "/" + date.substr(4, 2) + "/" + date.substr(6, 2);
        JournalPeriod& d = PeriodFor(summary.days, day);
        JournalPeriod& m = PeriodFor(summary.months, day.substr(0, 7));
        for (JournalPeriod* p : {&d, &m, &summary.total})
            Add(*p, *vote, ret);
        summary.total.balance = summary.total.payback - summary.total.stake;
        d.balance = m.balance = summary.total.balance;
    }
    return summary;
}

std::vector<std::vector<std::string>> JournalTable(const JournalSummary& summary) {
    std::vector<std::vector<std::string>> rows = {
        {"期間", "投票", "点数", "的中", "投資額", "回収額", "収支", "累計収支", "未確定"}};
    for (const auto* periods : {&summary.days, &summary.months})
        for (const JournalPeriod& p : *periods)
            rows.push_back(PeriodCells(p));
    rows.push_back(PeriodCells(summary.total));
    return rows;
}

}  // namespace kagiroi
