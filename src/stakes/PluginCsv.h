#pragma once

#include "daystore/RaceSlot.h"
#include "platform/Shell.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"
#include "racing/BetType.h"
#include "stakes/StakedTickets.h"

#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

class SettingsFile;

// The voting plug-in's name of a bet type: TAN, FUKU, WAKU, UMAFUKU, WIDE, UMATAN, SANFUKU,
// SANTAN.
const std::string& PluginTypeCode(BetType type);
std::optional<BetType> BetTypeOfPluginCode(std::string_view code);

// A combination text of a bet table (" 3- 1- 7") as the plug-in writes it: "03-01-07"; horse
// numbers in two digits, brackets in one ("1-2"), a single horse alone ("05").
std::string PluginCombination(BetType type, std::string_view combinationText);

// One ticket line: date, racecourse, race, type code, NORMAL, stake, combination, each followed
// by a comma, then CR LF.
std::string PluginCsvLine(const std::string& raceInfo, BetType type, std::string_view stake,
                          std::string_view combinationText);

// "<plug-in folder>/kaime/<yymmdd>.csv" for the race's date; nothing when the date is not digits.
std::optional<std::string> PluginCsvPath(const std::string& pluginFolder,
                                         const std::string& raceInfo);
// The plug-in's program inside its folder.
std::string PluginProgramPath(const std::string& pluginFolder);

// Dir/HibariTohyo2: the plug-in's folder, empty when it is not installed. A relative folder is
// taken from the program folder: the plug-in is started in its own folder, where a relative
// path would no longer lead to it.
std::string ReadPluginFolder(const SettingsFile& settings, const std::string& programFolder);

// The folder command (Hibari投票プラグイン２フォルダ指定): the chooser starts at the stored
// folder (the program folder when none is stored); a chosen folder is stored. True when chosen.
bool ChoosePluginFolder(SettingsFile& settings, Ui& ui, const std::string& programFolder);

// What the Hibari2投票 button hands over.
struct VotingRequest : TicketSource {
    std::string pluginFolder;  // Dir/HibariTohyo2
};

enum class VoteOutcome { NotReady, Declined, SaveFailed, StartFailed, Started };

// Writes the table's unstruck tickets with stakes as the plug-in's CSV and starts the plug-in
// with the file's path, after the checks and the confirmation; every stop is told to the user.
// An unknown type code sends nothing.
VoteOutcome SendToVotingPlugin(std::string_view typeCode, const TextGrid& table,
                               const VotingRequest& request, Ui& ui, Shell& shell);

}  // namespace kagiroi
