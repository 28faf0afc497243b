#include "cli/CliRace.h"

#include "cli/CliCommands.h"
#include "cli/CliLedger.h"
#include "cli/CliTables.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "stakes/VoteFile.h"

#include <algorithm>
#include <iterator>

namespace kagiroi {

namespace {

// The window's controls as the options set them, after the race is selected. Returns an exit
// status, or -1 when all went well.
int ApplyStakeOptions(CliSession& session, const CliOptions& options) {
    TMainForm& form = session.Form();
    if (auto mode = options.Value("--mode")) {
        auto item = AllocationModeOption(*mode);
        if (!item) {
            session.Ui().ShowMessage(kAllocationModeUsage);
            return kExitUsage;
        }
        form.Race().RadioGroup1Click(*item);
    }
    if (auto amount = options.Value("--amount")) {
        if (!IsDigits(*amount) || amount->size() > 6) {
            session.Ui().ShowMessage("--amount takes up to six digits of yen");
            return kExitUsage;
        }
        form.Race().SaNumEditExC1Change(*amount);
    }
    return -1;
}

// Strikes out the tickets numbered N of a table, as clicks on their strike cells.
int StrikeTickets(CliSession& session, const std::string& list, BetType type) {
    TMainForm& form = session.Form();
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        std::string number =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!IsDigits(number)) {
            session.Ui().ShowMessage("--strike takes ticket numbers separated by commas: " + list);
            return kExitUsage;
        }
        const TextGrid& table = form.Bets().Table(type);
        // An empty net keeps one blank row; a blank No. is no ticket, whatever N reads as.
        int row = 1;
        while (row < table.RowCount() &&
               (IsBlank(table.Cell(1, row)) || ToInt(table.Cell(1, row)) != ToInt(number)))
            ++row;
        if (row >= table.RowCount()) {
            session.Ui().ShowMessage(BetTypeName(type) + " has no ticket " + number);
            return kExitRefused;
        }
        form.Race().TicketTableClick(type, 0, row);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return -1;
}

int SelectWithOptions(CliSession& session, const CliOptions& options,
                      const std::vector<BetType>& strikeTables) {
    if (options.arguments.size() != 2) {
        session.Ui().ShowMessage("give DAY (yyyy-mm-dd) and RACE (a list number or CC-RR)");
        return kExitUsage;
    }
    if (!session.LoadDay(options.arguments[0]) || !session.SelectRace(options.arguments[1]))
        return kExitRefused;
    if (int status = ApplyStakeOptions(session, options); status >= 0) return status;
    if (auto strikes = options.Value("--strike"))
        for (BetType type : strikeTables)
            if (int status = StrikeTickets(session, *strikes, type); status >= 0) return status;
    return -1;
}

}  // namespace

void PrintRace(CliSession& session) {
    const char* parts[] = {"header", "marks", "trio", "trifecta", "totals"};
    for (size_t i = 0; i < std::size(parts); ++i) {
        if (i > 0) session.Print("\n");
        session.PrintRows(TableRows(session.Form(), parts[i]));
    }
}

int RunRaceCommand(CliSession& session, const CliOptions& options) {
    std::string table = options.Value("--table").value_or("");
    if (!table.empty() && !IsTableName(table)) {
        session.Ui().ShowMessage(
            "--table is one of index, marks, trio, trifecta, results, header, totals, ev");
        return kExitUsage;
    }
    std::vector<BetType> strikeTables;
    if (table != "trifecta") strikeTables.push_back(BetType::Trio);
    if (table != "trio") strikeTables.push_back(BetType::Trifecta);
    if (int status = SelectWithOptions(session, options, strikeTables); status >= 0) return status;
    if (options.Has("--progression")) return RunProgression(session, options);
    if (table.empty()) {
        PrintRace(session);
    } else {
        session.PrintRows(TableRows(session.Form(), table));
    }
    // What the window's status line would say about the stakes.
    std::string note = StakeStatusText(session.Form().Bets());
    if (!note.empty()) session.Ui().ShowMessage(note);
    return kExitOk;
}

int RunVoteCommand(CliSession& session, const CliOptions& options) {
    bool trio = options.Has("--trio"), trifecta = options.Has("--trifecta");
    if (trio == trifecta) {
        session.Ui().ShowMessage("give one of --trio or --trifecta");
        return kExitUsage;
    }
    BetType type = trio ? BetType::Trio : BetType::Trifecta;
    if (int status = SelectWithOptions(session, options, {type}); status >= 0) return status;
    session.Form().Race().PageControl2Change(trio ? TicketTab::Trio : TicketTab::Trifecta);
    VoteOutcome outcome = session.Form().Race().TohyoCSVBtnClick();
    return outcome == VoteOutcome::Started ? kExitOk : kExitRefused;
}

int RunVoteFileCommand(CliSession& session, const CliOptions& options) {
    std::string name = options.Value("--type").value_or("");
    // The terminal's UTF-8, or Shift_JIS bytes as a Shift_JIS terminal gives them.
    std::optional<BetType> type = BetTypeOfVoteName(Utf8ToSjis(name));
    if (!type) type = BetTypeOfVoteName(name);
    if (!type) {
        session.Ui().ShowMessage(
            "--type is one of 単勝, 複勝, 枠連, 馬連, ワイド, 馬単, ３連複, ３連単 (or win, place, "
            "bracket, quinella, wide, exacta, trio, trifecta)");
        return kExitUsage;
    }
    if (int status = SelectWithOptions(session, options, {*type}); status >= 0) return status;
    if (session.Form().Race().VoteFileMenuClick(*type) != VoteFileOutcome::Written)
        return kExitRefused;
    // The file as written: a chosen folder that is a link is named by where the file went.
    session.Print(AbsolutePath(session.Form().Race().VoteFilePath()) + "\n");
    return kExitOk;
}

}  // namespace kagiroi
