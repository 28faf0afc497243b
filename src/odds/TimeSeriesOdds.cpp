#include "odds/TimeSeriesOdds.h"

#include "odds/TimeSeriesLayout.h"
#include "platform/FileSystem.h"
#include "platform/SameFolder.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {}  // namespace

TimeSeriesOdds::TimeSeriesOdds(std::string programFolder, SettingsFile& settings)
    : programFolder_(std::move(programFolder)), settings_(settings), history_(programFolder_) {}

std::string TimeSeriesOdds::StoredFolder() const {
    return ReadTextSetting(settings_, setting::kTimeSeriesFolder, programFolder_);
}

std::optional<std::string> TimeSeriesOdds::Folder() const {
    std::string folder = StoredFolder();
    if (IsBlank(folder) || SameFolder(Trim(folder), programFolder_)) return std::nullopt;
    return folder;
}

std::string TimeSeriesOdds::ChartFolder() const {
    return Folder().value_or(history_.Folder());
}

std::optional<std::string> TimeSeriesOdds::ImportFolder() const {
    if (auto chosen = Folder()) return chosen;
    if (IsBlank(ReadTextSetting(settings_, setting::kTimeSeriesFolder)) &&
        DirectoryExists(history_.Folder()))
        return history_.Folder();
    return std::nullopt;
}

bool TimeSeriesOdds::ChoiceIsOwnHistory() const {
    std::string chosen = Trim(ReadTextSetting(settings_, setting::kTimeSeriesFolder));
    return !chosen.empty() && SameFolder(chosen, history_.Folder());
}

std::string TimeSeriesOdds::ChooserCaption() const {
    return "時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定";
}

std::string TimeSeriesOdds::ChooserStart() const {
    return StoredFolder();
}

void TimeSeriesOdds::Choose(const std::string& folder) {
    WriteTextSetting(settings_, setting::kTimeSeriesFolder, folder);
}

TimeSeriesImportResult TimeSeriesOdds::Import(const DayBook& book) const {
    auto folder = ImportFolder();
    if (!folder) return {};
    return ImportTimeSeries(book, *folder, programFolder_);
}

OddsMovement TimeSeriesOdds::Movement(const RaceSlot& slot) const {
    return ReadOddsMovement(slot, ChartFolder());
}

}  // namespace kagiroi
