#include "daystore/RaceDay.h"

#include "daystore/DayFiles.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <algorithm>

namespace kagiroi {

std::vector<std::string> BuildDateList(const std::string& programFolder) {
    std::vector<std::string> days;
    const std::string extension = DayFileExtension(RecordKind::RA);
    for (const auto& name : ListFiles(DataFolder(programFolder))) {
        if (name.size() != kDayTextLength + extension.size() ||
            name.substr(kDayTextLength) != extension)
            continue;
        std::string day = name.substr(0, kDayTextLength);
        if (DateOfDayText(day)) days.push_back(day);
    }
    std::reverse(days.begin(), days.end());
    return days;
}

int DayToShow(const std::vector<std::string>& dateList, const std::string& todayYyyymmdd) {
    int past = -1, ahead = -1;
    std::string pastDate, aheadDate;
    for (size_t i = 0; i < dateList.size(); ++i) {
        std::string date = DateOfDayText(dateList[i]).value_or("");
        if (date.empty()) continue;
        if (date == todayYyyymmdd) return static_cast<int>(i);
        if (date < todayYyyymmdd && (past < 0 || date > pastDate)) {
            past = static_cast<int>(i);
            pastDate = date;
        } else if (date > todayYyyymmdd && (ahead < 0 || date < aheadDate)) {
            ahead = static_cast<int>(i);
            aheadDate = date;
        }
    }
    return past >= 0 ? past : ahead;
}

std::string RaceListText(const RaceSlot& slot) {
    return RacecourseName(FieldAt(slot.RaceInfo, RaceHead::Course)) +
           FormatIntField(FieldAt(slot.RaceInfo, RaceHead::RaceNumber)) + "R";
}

std::string AddMinutes(const std::string& hhmm, int minutes) {
    if (IsBlank(hhmm)) return {};
    std::string minutePart = hhmm.size() >= 2 ? hhmm.substr(hhmm.size() - 2) : hhmm;
    int t = ToInt(hhmm.substr(0, 2)) * 60 + ToInt(minutePart) + minutes;
    // Times before midnight stay on the clock face instead of printing negative digits.
    t = ((t % 1440) + 1440) % 1440;
    return Format("%02d%02d", t / 60, t % 60);
}

std::array<std::string, 3> FetchTimesFor(const std::string& postTime, int minutesBefore) {
    return {AddMinutes(postTime, -minutesBefore), AddMinutes(postTime, -(minutesBefore - 1)),
            AddMinutes(postTime, -(minutesBefore - 2))};
}

int NextRaceSlot(const DayBook& book, int listedSlots, const std::string& nowHhmm) {
    int best = -1, bestDifference = 0;
    for (int slot = 0; slot < std::min(listedSlots, kSlotCount); ++slot) {
        std::string post = FieldAt(book[slot].RaceInfo, RA::PostTime);
        if (!(post > nowHhmm)) continue;
        int difference = ToInt(post) - ToInt(nowHhmm);
        if (best < 0 || difference < bestDifference) {
            best = slot;
            bestDifference = difference;
        }
    }
    return best;
}

}  // namespace kagiroi
