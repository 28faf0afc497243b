#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"
#include "racing/BetType.h"
#include "stakes/StakedTickets.h"

#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

class SettingsFile;

// The type a vote-file command names: the table's own name (３連複), the menu's (三連複) or the
// command line's ASCII word (trio). Nothing for any other text.
std::optional<BetType> BetTypeOfVoteName(std::string_view name);
// The menu's name of a type: 単勝 .. 馬単, 三連複, 三連単.
std::string VoteMenuName(BetType type);

// The race-day header line of the vote file: racecourse, year, month, day, meeting and day
// number, CR LF ended ("中山 09年  3月 15日  2回  6日 \r\n").
std::string VoteFileHeader(const std::string& raceInfo);
// One ticket line: " 1R ３連単 03-01-07    300\r\n"; the stake cell as the table holds it.
std::string VoteFileTicketLine(const std::string& raceInfo, BetType type,
                               std::string_view combinationText, std::string_view stakeCell);
// "yymmdd.BET" of the race's date; nothing when the date is not digits.
std::optional<std::string> VoteFileName(const std::string& raceInfo);

// Dir/kaime: the program folder's kaime when the value is the program folder itself, missing or
// empty; a relative folder is taken from the program folder; any other folder as stored.
std::string ReadVoteFileFolder(const SettingsFile& settings, const std::string& programFolder);
// 買い目ﾌｫﾙﾀﾞ指定: the chooser starts at the folder in use; a chosen folder is stored.
bool ChooseVoteFileFolder(SettingsFile& settings, Ui& ui, const std::string& programFolder);

// What a vote-file command hands over.
struct VoteFileRequest : TicketSource {
    std::string folder;  // ReadVoteFileFolder
};

enum class VoteFileOutcome { NotReady, Declined, SaveFailed, Written };

// Writes the table's staked, unstruck tickets after the header line as the day's vote file,
// replacing the file whole, after the checks and the confirmation. Struck tickets count for the
// checks but are not written. Every stop is told to the user.
VoteFileOutcome WriteVoteFile(BetType type, const TextGrid& table, const VoteFileRequest& request,
                              Ui& ui);

}  // namespace kagiroi
