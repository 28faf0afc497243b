#include "records/DayReplay.h"

#include "platform/Format.h"

namespace kagiroi {

namespace {

// Keeps the chosen day and race of the form and chooses them again when the replay ends,
// however it ends; then the host hears the replay is over.
class SelectionKeeper {
  public:
    SelectionKeeper(ReplayHost& host, const ReplaySummary& summary)
        : host_(host),
          summary_(summary),
          date_(host.ChosenDate()),
          item_(host.SelectedItem()),
          shown_(host.ItemShown()) {
        host_.ReplayStarts();
    }
    ~SelectionKeeper() {
        host_.ShowProgress(nullptr);
        if (date_ >= 0 && host_.ChosenDate() != date_) host_.ChooseDate(date_);
        if (item_ >= 0 && item_ < static_cast<int>(host_.Races().size()))
            host_.RestoreRace(item_, shown_);
        host_.ReplayEnds(summary_);
    }
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

  private:
    ReplayHost& host_;
    const ReplaySummary& summary_;
    int date_, item_;
    bool shown_;
};

}  // namespace

void DayReplay::ReplayRaces(int day, int dayCount, const RaceVisitor& visit,
                            ReplaySummary& summary) {
    // The list is copied: a click may not change it, but a replay must not depend on that.
    const std::vector<std::string> races = host_.Races();
    int date = host_.ChosenDate();
    std::string dayText = date >= 0 ? host_.Dates()[static_cast<size_t>(date)] : "";
    int count = static_cast<int>(races.size());
    for (int item = 0; item < count; ++item) {
        ReplayProgress progress{day,      dayCount, dayText,
                                item + 1, count,    races[static_cast<size_t>(item)]};
        host_.ShowProgress(&progress);
        host_.ClickRace(item);
        if (!host_.ItemShown()) ++summary.racesWithoutData;
        visit(host_.Shown(date, item));
        ++summary.races;
    }
}

ReplaySummary DayReplay::ReplayLoadedDay(const RaceVisitor& visit) {
    ReplaySummary summary;
    if (host_.ChosenDate() < 0) return summary;
    SelectionKeeper keeper(host_, summary);
    if (host_.Races().empty()) {
        summary.skippedDays = 1;
        return summary;
    }
    summary.days = 1;
    ReplayRaces(1, 1, visit, summary);
    return summary;
}

ReplaySummary DayReplay::ReplayDays(const std::vector<int>& dateIndexes, const RaceVisitor& visit) {
    ReplaySummary summary;
    SelectionKeeper keeper(host_, summary);
    int dayCount = static_cast<int>(dateIndexes.size());
    for (int k = 0; k < dayCount; ++k) {
        int index = dateIndexes[static_cast<size_t>(k)];
        if (index < 0 || index >= static_cast<int>(host_.Dates().size())) continue;
        ReplayProgress loading;
        loading.day = k + 1;
        loading.dayCount = dayCount;
        loading.dayText = host_.Dates()[static_cast<size_t>(index)];
        host_.ShowProgress(&loading);
        host_.ChooseDate(index);
        if (host_.ChosenDate() != index || host_.Races().empty()) {
            ++summary.skippedDays;
            continue;
        }
        ++summary.days;
        ReplayRaces(k + 1, dayCount, visit, summary);
    }
    return summary;
}

std::string RacesWithoutDataText(int count) {
    return Format("データが不十分なレースが%d件ありました。", count);
}

std::vector<int> DatesOfYear(const std::vector<std::string>& dates, const std::string& year) {
    std::vector<int> indexes;
    for (size_t i = 0; i < dates.size(); ++i)
        if (year.size() == 4 && dates[i].compare(0, 4, year) == 0)
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

}  // namespace kagiroi
