#include "cli/CliJournal.h"

#include "cli/CliBacktest.h"
#include "cli/CliCommands.h"
#include "records/Backtest.h"
#include "records/VoteJournal.h"

namespace kagiroi {

int RunJournalCommand(CliSession& session, const CliOptions& options) {
    std::string from, to;
    if (!options.arguments.empty() && !ReadDayRange(session, options, from, to)) return kExitUsage;
    const std::string& folder = session.Form().ProgramFolder();
    JournalRead read = ReadVoteJournal(VoteJournalPath(folder));
    if (read.readError) {
        session.Ui().ShowMessage(
            DescribeFailure(VoteJournalPath(folder) + " を読み込めませんでした", *read.readError)
                .shown);
        return kExitRefused;
    }
    for (const std::string& problem : read.problems)
        session.Ui().ShowMessage(problem);
    PayoutLookup payouts = StoredPayoutLookup(folder);
    auto votes = JournalVoteRows(read.votes, from, to, payouts);
    auto summary = JournalTable(SummariseJournal(read.votes, from, to, payouts));
    session.PrintRows(votes);
    session.Print("\n");
    session.PrintRows(summary);
    if (auto csv = options.Value("--csv");
        csv &&
        !WriteOptionFile(session, options, *csv, RowsAsCsv(votes) + "\r\n" + RowsAsCsv(summary)))
        return kExitRefused;
    return kExitOk;
}

}  // namespace kagiroi
