#pragma once

#include "platform/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/TextGrid.h"
#include "racing/BetType.h"
#include "stakes/StakedTickets.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// How the tickets of a vote left the program.
enum class VoteRoute { Plugin, PatbetFile, Clipboard };

struct VotedTicket {
    std::string combination;  // as the bet table shows it: " 1- 2- 3"
    int64_t stake = 0;        // yen
    std::string odds;         // as shown when it was sent
};

// One vote as it was sent: the record keeps what left the program, not the net as a later
// analysis of the race would make it.
struct Vote {
    std::string sentAt;   // yyyy/mm/dd hh:mm:ss
    std::string raceKey;  // the race's key: the date, then racecourse, meeting, day and race
    std::string race;     // 2024/01/06中山11R
    BetType type = BetType::Trio;
    VoteRoute route = VoteRoute::Plugin;
    std::vector<VotedTicket> tickets;
};

// The vote record of the program folder.
std::string VoteJournalPath(const std::string& programFolder);

// The table's unstruck staked tickets as a vote on the source's race; nothing when there is
// none or no race is selected.
std::optional<Vote> VoteOfTable(const TextGrid& table, BetType type, const TicketSource& source,
                                VoteRoute route, const DateTime& now);

// Adds the vote at the end of the record under the folder's lock. The lines already there are
// written back byte for byte, those that do not read included; when the record is there but
// cannot be read, nothing is written and false tells why.
bool AppendVote(const std::string& path, const Vote& vote, FileError* error);

struct JournalRead {
    std::vector<Vote> votes;             // in the order they were sent
    std::vector<std::string> problems;   // the lines that do not read, for the error log
    std::optional<FileError> readError;  // the record is there but could not be read
};
JournalRead ReadVoteJournal(const std::string& path);

// A vote against its race's payouts; unsettled while the race has none.
struct VoteReturn {
    bool settled = false;
    int hits = 0;  // tickets that hit
    int64_t stake = 0;
    int64_t payback = 0;
};
VoteReturn ReturnOfVote(const Vote& vote, const std::string& payoutRecord);

// The race's payout record by its key; empty while none is stored.
using PayoutLookup = std::function<std::string(const std::string& raceKey)>;

// The payouts the program folder's day store holds, each day's payout file read once.
PayoutLookup StoredPayoutLookup(const std::string& programFolder);

// One line of the record's summary: a day (yyyy/mm/dd), a month (yyyy/mm) or the total.
struct JournalPeriod {
    std::string period;
    int votes = 0, tickets = 0, hits = 0, unsettled = 0;
    int64_t stake = 0, payback = 0;
    int64_t balance = 0;  // the running balance at the period's end (settled votes)
};

struct JournalSummary {
    std::vector<JournalPeriod> days, months;
    JournalPeriod total;
};

// The votes of the race days from..to (yyyymmdd; empty for no bound) by day and by month.
JournalSummary SummariseJournal(const std::vector<Vote>& votes, const std::string& from,
                                const std::string& to, const PayoutLookup& payouts);

// The votes of the race days from..to, one row each with its return, header first.
std::vector<std::vector<std::string>> JournalVoteRows(const std::vector<Vote>& votes,
                                                      const std::string& from,
                                                      const std::string& to,
                                                      const PayoutLookup& payouts);

// The summary as a table, header first: the days, then the months, then the total.
std::vector<std::vector<std::string>> JournalTable(const JournalSummary& summary);

}  // namespace kagiroi
