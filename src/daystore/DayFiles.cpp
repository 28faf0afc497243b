#include "daystore/DayFiles.h"

#include "platform/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

std::string DataFolder(const std::string& programFolder) {
    return JoinPath(programFolder, kDataFolderName);
}

std::string ChangeFolder(const std::string& programFolder) {
    return JoinPath(programFolder, kChangeFolderName);
}

std::optional<std::string> DayTextFromDate(std::string_view yyyymmdd) {
    if (yyyymmdd.size() != 8 || !IsDigits(yyyymmdd)) return std::nullopt;
    return std::string(yyyymmdd.substr(0, 4)) + "年" + std::string(yyyymmdd.substr(4, 2)) + "月" +
           std::string(yyyymmdd.substr(6, 2)) + "日";
}

std::optional<std::string> DayTextOf(std::string_view record) {
    return DayTextFromDate(Field(record, pos::kYear, 8));
}

std::optional<std::string> DateOfDayText(std::string_view dayText) {
    if (dayText.size() != 14) return std::nullopt;
    std::string date = std::string(dayText.substr(0, 4)) + std::string(dayText.substr(6, 2)) +
                       std::string(dayText.substr(10, 2));
    auto again = DayTextFromDate(date);
    if (!again || *again != dayText) return std::nullopt;
    if (!IsValidDate(ToInt(date.substr(0, 4)), ToInt(date.substr(4, 2)), ToInt(date.substr(6, 2))))
        return std::nullopt;
    return date;
}

DayPaths PathsForDay(const std::string& programFolder, const std::string& dayText) {
    std::string base = JoinPath(DataFolder(programFolder), dayText);
    DayPaths paths;
    paths.raceFile = base + ".jvRA";
    paths.payoutFile = base + ".jvHR";
    paths.miningFile = base + ".jvDM";
    paths.o1File = base + ".jvO1";
    paths.o5File = base + ".jvO5";
    paths.o6File = base + ".jvO6";
    return paths;
}

std::optional<std::string> RunnerFilePath(const std::string& raceFile,
                                          std::string_view courseCode) {
    std::string course = RacecourseName(courseCode);
    std::string name = FileNameOf(raceFile);
    if (course.empty() || name.size() < 14) return std::nullopt;
    return JoinPath(FolderOf(raceFile), name.substr(0, 14) + course + ".jvSEr");
}

std::string ChangeFilePath(const std::string& programFolder, const std::string& dayText,
                           const std::string& extension) {
    return JoinPath(ChangeFolder(programFolder), dayText + extension);
}

}  // namespace kagiroi
