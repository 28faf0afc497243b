#pragma once

#include "daystore/RaceSlot.h"
#include "daystore/StoreRules.h"

#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

// Folder names under the program folder.
inline constexpr const char* kDataFolderName = "Data";
inline constexpr const char* kChangeFolderName = "CHG";
inline constexpr const char* kVoteFolderName = "kaime";

// Bytes of a day part D, as yyyy年mm月dd日: the stem of every day file's name.
inline constexpr size_t kDayTextLength = 14;

// The extension of the file that keeps a record kind: ".jvRA", ".jvHR", ".jvO1", ".jvO5",
// ".jvO6", ".jvDM" in Data, the runner files' ".jvSEr" after a racecourse name, the change files'
// ".WE" and ".TC" in CHG; "" for Other.
const char* DayFileExtension(RecordKind kind);
// The change folder's file of the announcement stamps already applied.
inline constexpr const char* kChangeStampExtension = ".NEW";

std::string DataFolder(const std::string& programFolder);
std::string ChangeFolder(const std::string& programFolder);

// The day part D of a record's file names: the year, month and day, each followed by its kanji,
// from the race date at position 12 (14 bytes). Nothing when the date is not all digits, so no
// record can make an unsafe name.
std::optional<std::string> DayTextOf(std::string_view record);
// D from a date "yyyymmdd".
std::optional<std::string> DayTextFromDate(std::string_view yyyymmdd);
// "yyyymmdd" back from D; nothing when D is not of that form.
std::optional<std::string> DateOfDayText(std::string_view dayText);

// The loaded day's paths: the race file "Data/D.jvRA" and its siblings.
DayPaths PathsForDay(const std::string& programFolder, const std::string& dayText);
// The runner file of a racecourse beside a race file: the race file's folder, the first 14
// bytes of its name, the racecourse name and ".jvSEr". Nothing for a code without a name.
std::optional<std::string> RunnerFilePath(const std::string& raceFile, std::string_view courseCode);
// Change files of a day: "CHG/D.WE", "CHG/D.TC", "CHG/D.NEW".
std::string ChangeFilePath(const std::string& programFolder, const std::string& dayText,
                           const std::string& extension);

}  // namespace kagiroi
