#include "daystore/DayFiles.h"

#include "platform/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <array>

namespace kagiroi {

namespace {

struct KindExtension {
    RecordKind kind;
    const char* extension;
};

constexpr std::array<KindExtension, 9> kDayFileExtensions = {{
    {RecordKind::RA, ".jvRA"},
    {RecordKind::SE, ".jvSEr"},
    {RecordKind::HR, ".jvHR"},
    {RecordKind::O1, ".jvO1"},
    {RecordKind::O5, ".jvO5"},
    {RecordKind::O6, ".jvO6"},
    {RecordKind::DM, ".jvDM"},
    {RecordKind::WE, ".WE"},
    {RecordKind::TC, ".TC"},
}};

}  // namespace

const char* DayFileExtension(RecordKind kind) {
    for (const KindExtension& entry : kDayFileExtensions)
        if (entry.kind == kind) return entry.extension;
    return "";
}

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
    return DayTextFromDate(FieldAt(record, RaceHead::Date));
}

std::optional<std::string> DateOfDayText(std::string_view dayText) {
    if (dayText.size() != kDayTextLength) return std::nullopt;
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
    paths.raceFile = base + DayFileExtension(RecordKind::RA);
    paths.payoutFile = base + DayFileExtension(RecordKind::HR);
    paths.miningFile = base + DayFileExtension(RecordKind::DM);
    paths.o1File = base + DayFileExtension(RecordKind::O1);
    paths.o5File = base + DayFileExtension(RecordKind::O5);
    paths.o6File = base + DayFileExtension(RecordKind::O6);
    return paths;
}

std::optional<std::string> RunnerFilePath(const std::string& raceFile,
                                          std::string_view courseCode) {
    std::string course = RacecourseName(courseCode);
    std::string name = FileNameOf(raceFile);
    if (course.empty() || name.size() < kDayTextLength) return std::nullopt;
    return JoinPath(FolderOf(raceFile),
                    name.substr(0, kDayTextLength) + course + DayFileExtension(RecordKind::SE));
}

std::string ChangeFilePath(const std::string& programFolder, const std::string& dayText,
                           const std::string& extension) {
    return JoinPath(ChangeFolder(programFolder), dayText + extension);
}

}  // namespace kagiroi
