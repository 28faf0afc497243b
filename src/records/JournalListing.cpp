#include "records/JournalListing.h"

#include "platform/FileSystem.h"
#include "records/Backtest.h"
#include "records/VoteJournal.h"

namespace kagiroi {

JournalListing ListVoteJournal(const std::string& programFolder, const std::string& from,
                               const std::string& to) {
    JournalListing listing;
    std::string path = VoteJournalPath(programFolder);
    JournalRead read = ReadVoteJournal(path);
    if (read.readError) {
        listing.failure = DescribeFailure(path + " を読み込めませんでした", *read.readError).shown;
        return listing;
    }
    listing.problems = std::move(read.problems);
    PayoutLookup payouts = StoredPayoutLookup(programFolder);
    listing.votes = JournalVoteRows(read.votes, from, to, payouts);
    listing.summary = JournalTable(SummariseJournal(read.votes, from, to, payouts));
    return listing;
}

std::string JournalListingCsv(const JournalListing& listing) {
    return RowsAsCsv(listing.votes) + "\r\n" + RowsAsCsv(listing.summary);
}

}  // namespace kagiroi
