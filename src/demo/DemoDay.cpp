#include "demo/DemoDay.h"

#include "demo/DemoRandom.h"

#include <algorithm>

namespace kagiroi {

namespace {

constexpr int kFirstNoticeMinutes = 7 * 60 + 30;

DemoGoing MorningGoing(DemoRandom& random) {
    DemoGoing g;
    double u = random.Uniform();
    g.weather = u < 0.55 ? 1 : u < 0.85 ? 2 : u < 0.95 ? 3 : 4;
    bool wet = g.weather >= 3;
    g.turf = wet ? random.Between(2, 3) : (g.weather == 2 && random.Chance(0.2)) ? 2 : 1;
    g.dirt = wet ? random.Between(2, 4) : (g.weather == 2 && random.Chance(0.3)) ? 2 : 1;
    return g;
}

// Now and then the sky turns or the going softens during the day.
void AddWeatherNotices(DemoCourseDay& day, int64_t dayStart, DemoRandom& random) {
    DemoWeatherNotice first;
    first.announced = dayStart + kFirstNoticeMinutes;
    first.now = MorningGoing(random);
    day.notices.push_back(first);
    if (!random.Chance(0.3)) return;
    DemoWeatherNotice change;
    change.announced = dayStart + random.Between(11 * 60, 14 * 60);
    change.before = first.now;
    change.now = first.now;
    if (random.Chance(0.5)) {
        change.changeKind = 2;
        change.now.weather = first.now.weather == 1 ? 2 : first.now.weather == 2 ? 3 : 2;
    } else {
        change.changeKind = 3;
        change.now.turf = std::min(4, first.now.turf + 1);
        change.now.dirt = std::min(4, first.now.dirt + 1);
    }
    day.notices.push_back(change);
}

// Now and then one race's post is put back by five or ten minutes, announced shortly before.
void MaybeChangeAPostTime(DemoCourseDay& day, DemoRandom& random) {
    if (!random.Chance(0.3)) return;
    DemoRace& race = day.races[static_cast<size_t>(random.Between(3, kDemoRacesPerMeeting) - 1)];
    DemoPostChange change;
    change.newPostMinutes = race.card.postMinutes + (random.Chance(0.5) ? 5 : 10);
    change.announced = race.DayStart() + race.card.postMinutes - random.Between(20, 50);
    race.postChange = change;
}

}  // namespace

DemoGoing DemoCourseDay::GoingAt(int64_t minute) const {
    DemoGoing going;
    for (const DemoWeatherNotice& n : notices)
        if (n.announced <= minute) going = n.now;
    return going;
}

std::vector<const DemoRace*> DemoDay::Races() const {
    std::vector<const DemoRace*> races;
    for (const DemoCourseDay& c : courses)
        for (const DemoRace& r : c.races)
            races.push_back(&r);
    return races;
}

const DemoRace* DemoDay::Find(int course, int meeting, int dayNumber, int race) const {
    for (const DemoCourseDay& c : courses) {
        if (c.meeting.course != course || c.meeting.meeting != meeting ||
            c.meeting.dayNumber != dayNumber)
            continue;
        if (race < 1 || race > static_cast<int>(c.races.size())) return nullptr;
        return &c.races[static_cast<size_t>(race - 1)];
    }
    return nullptr;
}

DemoDay BuildDemoDay(const DateTime& date, const std::vector<DemoMeeting>& meetings) {
    DemoDay day;
    day.date = DateOnly(date);
    for (const DemoMeeting& meeting : meetings) {
        DemoCourseDay course;
        course.meeting = meeting;
        for (int r = 1; r <= kDemoRacesPerMeeting; ++r)
            course.races.push_back(BuildDemoRace(BuildDemoRaceCard(day.date, meeting, r)));
        DemoRandom random(DemoSeed({static_cast<uint64_t>(DateNumber(day.date)),
                                    static_cast<uint64_t>(meeting.course), 0xC0DE5}));
        AddWeatherNotices(course, MinuteOf(day.date), random);
        MaybeChangeAPostTime(course, random);
        for (DemoRace& race : course.races)
            race.goingAtPost = course.GoingAt(race.PostMinute());
        day.courses.push_back(std::move(course));
    }
    return day;
}

}  // namespace kagiroi
