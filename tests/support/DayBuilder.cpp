#include "support/DayBuilder.h"

#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "support/RecordBuilder.h"

#include <cstdio>

namespace kagiroi::test {

std::string RaceRecord(const RaceSpec& race) {
    return RecordBuilder("RA", kRaLength)
        .Put(3, race.dataKind)
        .Put(4, race.date)
        .Key(race.date, race.course, race.meeting, race.day, race.race)
        .Put(874, race.postTime, 4)
        .PutNumber(882, race.runners, 2);
}

std::string RunnerRecord(const RaceSpec& race, int horse) {
    return RecordBuilder("SE", kSeLength)
        .Put(3, race.dataKind)
        .Put(4, race.date)
        .Key(race.date, race.course, race.meeting, race.day, race.race)
        .PutNumber(29, horse, 2);
}

std::string PayoutRecord(const RaceSpec& race) {
    return RecordBuilder("HR", kHrLength)
        .Put(3, "1")
        .Put(4, race.date)
        .Key(race.date, race.course, race.meeting, race.day, race.race);
}

std::vector<RaceSpec> MakeDay(const std::string& date, const std::vector<std::string>& courses,
                              int runners) {
    std::vector<RaceSpec> races;
    for (const auto& course : courses)
        for (int r = 1; r <= 12; ++r) {
            RaceSpec race;
            race.date = date;
            race.course = course;
            race.race = r;
            race.runners = runners;
            int minutes = 10 * 60 + 30 * (r - 1);
            char post[8];
            std::snprintf(post, sizeof post, "%02d%02d", minutes / 60, minutes % 60);
            race.postTime = post;
            races.push_back(race);
        }
    return races;
}

void WriteRaces(const std::string& programFolder, const std::vector<RaceSpec>& races) {
    MakeDirectories(programFolder + "/Data");
    DayStore store(programFolder);
    for (const auto& race : races) {
        store.Store(RaceRecord(race), StoreRoute::Download);
        for (int h = 1; h <= race.runners; ++h)
            store.Store(RunnerRecord(race, h), StoreRoute::Download);
    }
    store.Flush();
}

}  // namespace kagiroi::test
