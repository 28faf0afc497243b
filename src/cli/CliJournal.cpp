#include "cli/CliJournal.h"

#include "cli/CliBacktest.h"
#include "cli/CliCommands.h"
#include "records/JournalListing.h"

namespace kagiroi {

int RunJournalCommand(CliSession& session, const CliOptions& options) {
    std::string from, to;
    if (!options.arguments.empty() && !ReadDayRange(session, options, from, to)) return kExitUsage;
    JournalListing listing = ListVoteJournal(session.Form().ProgramFolder(), from, to);
    if (listing.failure) {
        session.Ui().ShowMessage(*listing.failure);
        return kExitRefused;
    }
    for (const std::string& problem : listing.problems)
        session.Ui().ShowMessage(problem);
    session.PrintRows(listing.votes);
    session.Print("\n");
    session.PrintRows(listing.summary);
    if (auto csv = options.Value("--csv");
        csv && !WriteOptionFile(session, options, *csv, JournalListingCsv(listing)))
        return kExitRefused;
    return kExitOk;
}

}  // namespace kagiroi
