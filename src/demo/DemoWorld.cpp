#include "demo/DemoWorld.h"

#include "demo/DemoOddsRecords.h"
#include "demo/DemoPayouts.h"
#include "demo/DemoRecords.h"
#include "platform/SettingsTable.h"

#include <algorithm>

namespace kagiroi {

namespace {

DateTime DateOfMinute(int64_t minute) {
    return DateOnly(DateTimeOfMinute(minute));
}

std::vector<std::string> OddsRecords(const DemoRace& race, const DemoOddsBook& book) {
    return {DemoO1Record(race, book), DemoO5Record(race, book), DemoO6Record(race, book)};
}

}  // namespace

const DemoDay* DemoWorld::Day(const DateTime& date) {
    int key = DateNumber(date);
    auto found = days_.find(key);
    if (found != days_.end()) return found->second.day.get();
    std::vector<DemoMeeting> meetings = calendar_.MeetingsOf(date);
    if (meetings.empty()) return nullptr;
    if (dayOrder_.size() >= kDaysKept) {
        days_.erase(dayOrder_.front());
        dayOrder_.erase(dayOrder_.begin());
    }
    CachedDay& cached = days_[key];
    cached.day = std::make_unique<DemoDay>(BuildDemoDay(date, meetings));
    dayOrder_.push_back(key);
    return cached.day.get();
}

const DemoOddsBook& DemoWorld::FinalOdds(const DemoRace& race) {
    CachedDay& cached = days_.at(DateNumber(race.card.date));
    std::unique_ptr<DemoOddsBook>& book = cached.finals[&race];
    if (!book) book = std::make_unique<DemoOddsBook>(ComputeDemoOdds(race, race.FinalOddsMinute()));
    return *book;
}

const DemoOddsBook& DemoWorld::BettingOdds(const DemoRace& race) {
    CachedDay& cached = days_.at(DateNumber(race.card.date));
    std::unique_ptr<DemoOddsBook>& book = cached.bettings[&race];
    if (!book) {
        int64_t fetch = race.PostMinute() - setting::kOddsMinutesBefore.fallback;
        book = std::make_unique<DemoOddsBook>(
            ComputeDemoOdds(race, race.LatestAnnouncement(fetch).value_or(fetch)));
    }
    return *book;
}

std::vector<std::string> DemoWorld::RaceAndRunners(const DemoRace& race, DemoStage stage,
                                                   const DateTime& created, bool runners) {
    std::vector<std::string> records;
    if (!runners) {
        records.push_back(DemoRaRecord(race, stage, created));
        return records;
    }
    const DemoOddsBook* finalOdds = HasResults(stage) ? &FinalOdds(race) : nullptr;
    for (const DemoRunner& r : race.card.runners)
        records.push_back(DemoSeRecord(race, r, stage, created, finalOdds));
    return records;
}

std::vector<std::string> DemoWorld::RecordsOf(const DemoFileEntry& file) {
    std::vector<std::string> records;
    const DemoDay* day = Day(file.raceDay);
    if (day == nullptr) return records;
    DateTime created = DateOfMinute(file.stamp);
    for (const DemoRace* race : day->Races()) {
        switch (file.kind) {
            case DemoFileKind::RA:
            case DemoFileKind::SE: {
                std::vector<std::string> part =
                    RaceAndRunners(*race, file.stage, created, file.kind == DemoFileKind::SE);
                std::move(part.begin(), part.end(), std::back_inserter(records));
                break;
            }
            case DemoFileKind::HR:
                records.push_back(DemoHrRecord(*race, ComputeDemoPayouts(*race, FinalOdds(*race)),
                                               file.DataKind(), created));
                break;
            case DemoFileKind::O1:
                records.push_back(DemoO1Record(*race, BettingOdds(*race)));
                records.push_back(DemoO1Record(*race, FinalOdds(*race)));
                break;
            case DemoFileKind::O5:
                records.push_back(DemoO5Record(*race, BettingOdds(*race)));
                records.push_back(DemoO5Record(*race, FinalOdds(*race)));
                break;
            case DemoFileKind::O6:
                records.push_back(DemoO6Record(*race, BettingOdds(*race)));
                records.push_back(DemoO6Record(*race, FinalOdds(*race)));
                break;
        }
    }
    return records;
}

std::vector<std::string> DemoWorld::RaceOdds(const DemoRace& race, int64_t now) {
    std::optional<int64_t> announcement = race.LatestAnnouncement(now);
    if (!announcement) return {};
    if (*announcement >= race.FinalOddsMinute()) return OddsRecords(race, FinalOdds(race));
    return OddsRecords(race, ComputeDemoOdds(race, *announcement));
}

std::vector<std::string> DemoWorld::DayResults(const DemoDay& day, int64_t now) {
    std::vector<std::string> records;
    DemoStage stage = StageAt(day.date, now);
    bool settled = stage == DemoStage::Settled;
    DateTime created = settled ? DateOfMinute(StampsOf(day.date).settled) : day.date;
    for (const DemoRace* race : day.Races()) {
        if (race->ResultMinute() > now) continue;
        records.push_back(DemoRaRecord(*race, stage, created));
        std::vector<std::string> runners = RaceAndRunners(*race, stage, created, true);
        std::move(runners.begin(), runners.end(), std::back_inserter(records));
        if (race->PayoutMinute() <= now)
            records.push_back(DemoHrRecord(*race, ComputeDemoPayouts(*race, FinalOdds(*race)),
                                           settled ? '2' : '1', created));
    }
    return records;
}

std::vector<std::string> DemoWorld::DayMining(const DemoDay& day, int64_t now) {
    DemoDayStamps stamps = StampsOf(day.date);
    std::vector<std::string> records;
    if (now < stamps.miningDayBefore) return records;
    bool raceDay = now >= stamps.miningRaceDay;
    int64_t made = raceDay ? stamps.miningRaceDay : stamps.miningDayBefore;
    for (const DemoRace* race : day.Races())
        records.push_back(DemoDmRecord(*race, raceDay ? '2' : '1', made));
    return records;
}

std::vector<std::string> DemoWorld::DayChanges(const DemoDay& day, int64_t now) {
    std::vector<std::pair<int64_t, std::string>> notices;
    for (const DemoCourseDay& course : day.courses) {
        for (const DemoWeatherNotice& n : course.notices)
            if (n.announced <= now)
                notices.push_back({n.announced, DemoWeRecord(course, day.date, n)});
        for (const DemoRace& race : course.races)
            if (race.postChange && race.postChange->announced <= now)
                notices.push_back({race.postChange->announced, DemoTcRecord(race)});
    }
    std::stable_sort(notices.begin(), notices.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> records;
    for (auto& n : notices)
        records.push_back(std::move(n.second));
    return records;
}

}  // namespace kagiroi
