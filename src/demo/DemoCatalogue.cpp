#include "demo/DemoCatalogue.h"

#include "platform/Format.h"

#include <algorithm>
#include <tuple>

namespace kagiroi {

namespace {

int64_t At(const DateTime& day, int offsetDays, int hour, int minute) {
    return MinuteOf(AddDays(day, offsetDays)) + hour * 60 + minute;
}

const char* KindName(DemoFileKind kind) {
    switch (kind) {
        case DemoFileKind::RA:
            return "RA";
        case DemoFileKind::SE:
            return "SE";
        case DemoFileKind::HR:
            return "HR";
        case DemoFileKind::O1:
            return "O1";
        case DemoFileKind::O5:
            return "O5";
        case DemoFileKind::O6:
            return "O6";
    }
    return "";
}

// Every version of every file of a race day, in publication order.
std::vector<DemoFileEntry> VersionsOf(const DateTime& day) {
    DemoDayStamps s = StampsOf(day);
    std::vector<DemoFileEntry> all;
    auto add = [&](DemoFileKind kind, DemoStage stage, int64_t stamp) {
        all.push_back(DemoFileEntry{day, kind, stage, stamp});
    };
    add(DemoFileKind::RA, DemoStage::Entries, s.entries);
    add(DemoFileKind::SE, DemoStage::Entries, s.entries);
    add(DemoFileKind::RA, DemoStage::Card, s.card);
    add(DemoFileKind::SE, DemoStage::Card, s.card);
    for (DemoFileKind kind : {DemoFileKind::RA, DemoFileKind::SE, DemoFileKind::HR,
                              DemoFileKind::O1, DemoFileKind::O5, DemoFileKind::O6})
        add(kind, DemoStage::RaceDay, s.raceDay);
    add(DemoFileKind::RA, DemoStage::Settled, s.settled);
    add(DemoFileKind::SE, DemoStage::Settled, s.settled);
    add(DemoFileKind::HR, DemoStage::Settled, s.settled);
    return all;
}

// Of the versions published by `now`, the newest of each kind.
std::vector<DemoFileEntry> NewestOnly(const std::vector<DemoFileEntry>& published) {
    std::vector<DemoFileEntry> newest;
    for (const DemoFileEntry& e : published) {
        auto same = std::find_if(newest.begin(), newest.end(),
                                 [&](const DemoFileEntry& n) { return n.kind == e.kind; });
        if (same == newest.end())
            newest.push_back(e);
        else if (e.stamp >= same->stamp)
            *same = e;
    }
    return newest;
}

}  // namespace

DemoDayStamps StampsOf(const DateTime& raceDay) {
    DateTime day = DateOnly(raceDay);
    int weekday = DayOfWeek(day);
    int toThursday = weekday == 6 ? -2 : weekday == 0 ? -3 : -2;
    int toMonday = (8 - weekday) % 7;
    if (toMonday == 0) toMonday = 7;
    DemoDayStamps s;
    s.entries = At(day, toThursday, 17, 0);
    s.card = At(day, -1, 10, 0);
    s.raceDay = At(day, 0, 18, 0);
    s.settled = At(day, toMonday, 12, 0);
    s.miningDayBefore = At(day, -1, 12, 0);
    s.miningRaceDay = At(day, 0, 8, 0);
    return s;
}

DemoStage StageAt(const DateTime& raceDay, int64_t minute) {
    DemoDayStamps s = StampsOf(raceDay);
    if (minute >= s.settled) return DemoStage::Settled;
    if (minute >= MinuteOf(DateOnly(raceDay))) return DemoStage::RaceDay;
    return minute >= s.card ? DemoStage::Card : DemoStage::Entries;
}

char DemoFileEntry::DataKind() const {
    switch (kind) {
        case DemoFileKind::HR:
            return stage == DemoStage::Settled ? '2' : '1';
        case DemoFileKind::O1:
        case DemoFileKind::O5:
        case DemoFileKind::O6:
            return '4';
        default:
            return DataKindOf(stage);
    }
}

std::string DemoFileEntry::StampText() const {
    return FormatDateTime(DateTimeOfMinute(stamp), "yyyymmddhhnnss");
}

std::string DemoFileEntry::Name() const {
    return Format("%s%c%08d%s.jvd", KindName(kind), DataKind(), DateNumber(raceDay),
                  StampText().c_str());
}

std::vector<DemoFileEntry> DemoStoredFiles(const DemoCalendar& calendar, int64_t now,
                                           int64_t fromSeconds, bool setup) {
    DateTime today = calendar.Today();
    DateTime first = AddDays(today, -(setup ? kDemoSetupDays : kDemoNormalDays));
    std::vector<DemoFileEntry> files;
    for (const DateTime& day : calendar.RaceDays(first, AddDays(today, 7))) {
        std::vector<DemoFileEntry> published;
        for (const DemoFileEntry& e : VersionsOf(day))
            if (e.stamp <= now) published.push_back(e);
        if (setup) published = NewestOnly(published);
        for (const DemoFileEntry& e : published)
            if (e.stamp * 60 > fromSeconds) files.push_back(e);
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const DemoFileEntry& a, const DemoFileEntry& b) {
                         return std::tie(a.stamp, a.raceDay.year, a.raceDay.month, a.raceDay.day) <
                                std::tie(b.stamp, b.raceDay.year, b.raceDay.month, b.raceDay.day);
                     });
    return files;
}

}  // namespace kagiroi
