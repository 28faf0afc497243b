#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The vote record of a program folder as the window and the command line list it: each vote
// with its hits and return, then the days, months and total.
struct JournalListing {
    std::vector<std::vector<std::string>> votes;    // header first
    std::vector<std::vector<std::string>> summary;  // header first
    std::vector<std::string> problems;              // lines of the record that do not read
    // Why the record could not be read; then nothing is listed, as an empty record would be a
    // false account of what was bet.
    std::optional<std::string> failure;
};

// The votes of the race days from..to (yyyymmdd; empty for no bound) against the stored
// payouts.
JournalListing ListVoteJournal(const std::string& programFolder, const std::string& from,
                               const std::string& to);

// Both tables as one CSV text, a blank line between them.
std::string JournalListingCsv(const JournalListing& listing);

}  // namespace kagiroi
