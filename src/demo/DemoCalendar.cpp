#include "demo/DemoCalendar.h"

#include "demo/DemoRandom.h"

#include <algorithm>
#include <array>

namespace kagiroi {

namespace {

// The racecourses of each month: an eastern, a western and a local course. The local course
// races on most weekends only.
constexpr std::array<std::array<int, 3>, 12> kMonthCourses = {{
    {6, 8, 7},
    {5, 8, 10},
    {6, 9, 7},
    {6, 9, 3},
    {5, 8, 4},
    {5, 9, 2},
    {3, 7, 2},
    {4, 10, 1},
    {6, 9, 1},
    {5, 8, 4},
    {5, 8, 3},
    {6, 9, 7},
}};

constexpr std::array<int, kDemoRacesPerMeeting> kBasePostTimes = {
    9 * 60 + 50,  10 * 60 + 20, 10 * 60 + 50, 11 * 60 + 20, 12 * 60 + 20, 12 * 60 + 50,
    13 * 60 + 20, 13 * 60 + 50, 14 * 60 + 25, 15 * 60 + 0,  15 * 60 + 40, 16 * 60 + 20};

constexpr int kMinutesBetweenCourses = 5;

bool IsWeekend(const DateTime& date) {
    int weekday = DayOfWeek(date);
    return weekday == 0 || weekday == 6;
}

// Whether the month's local course races on this date; both days of a weekend agree.
bool LocalCourseRaces(const DateTime& date) {
    int weekday = DayOfWeek(date);
    DateTime saturday = weekday == 0 ? AddDays(date, -1) : date;
    DemoRandom random(DemoSeed({static_cast<uint64_t>(DateNumber(saturday)), 0x10CA1}));
    return random.Chance(0.65);
}

std::vector<int> CoursesOf(const DateTime& date) {
    const auto& month = kMonthCourses[static_cast<size_t>(date.month - 1)];
    std::vector<int> courses = {month[0], month[1]};
    if (LocalCourseRaces(date)) courses.push_back(month[2]);
    std::sort(courses.begin(), courses.end());
    return courses;
}

// Meetings count the months of the year in which the course has raced so far.
int MeetingNumber(int course, int month) {
    int meeting = 0;
    for (int m = 1; m <= month; ++m) {
        const auto& list = kMonthCourses[static_cast<size_t>(m - 1)];
        if (std::find(list.begin(), list.end(), course) != list.end()) ++meeting;
    }
    return meeting;
}

// Days count the course's weekend race days of the month before the date.
int DayNumber(int course, const DateTime& date) {
    int day = 1;
    for (DateTime d{date.year, date.month, 1}; d.day < date.day; d = AddDays(d, 1)) {
        if (!IsWeekend(d)) continue;
        std::vector<int> courses = CoursesOf(d);
        if (std::find(courses.begin(), courses.end(), course) != courses.end()) ++day;
    }
    return day;
}

}  // namespace

DemoCalendar::DemoCalendar(const DateTime& today) : today_(DateOnly(today)) {}

bool DemoCalendar::IsRaceDay(const DateTime& date) const {
    return IsWeekend(date) || DateOnly(date) == today_;
}

std::vector<DemoMeeting> DemoCalendar::MeetingsOf(const DateTime& date) const {
    std::vector<DemoMeeting> meetings;
    if (!IsRaceDay(date)) return meetings;
    std::vector<int> courses = CoursesOf(date);
    for (size_t i = 0; i < courses.size(); ++i) {
        DemoMeeting m;
        m.course = courses[i];
        m.meeting = MeetingNumber(m.course, date.month);
        m.dayNumber = DayNumber(m.course, date);
        m.order = static_cast<int>(i);
        meetings.push_back(m);
    }
    return meetings;
}

std::vector<DateTime> DemoCalendar::RaceDays(const DateTime& first, const DateTime& last) const {
    std::vector<DateTime> days;
    for (DateTime d = DateOnly(first); Compare(d, last) <= 0; d = AddDays(d, 1))
        if (IsRaceDay(d)) days.push_back(d);
    return days;
}

int DemoPostMinutes(int order, int race) {
    return kBasePostTimes[static_cast<size_t>(race - 1)] + order * kMinutesBetweenCourses;
}

DateTime DateOnly(const DateTime& t) {
    return DateTime{t.year, t.month, t.day, 0, 0, 0};
}

int DateNumber(const DateTime& date) {
    return date.year * 10000 + date.month * 100 + date.day;
}

int64_t MinuteOf(const DateTime& t) {
    int64_t seconds = ToSerialSeconds(t);
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
}

DateTime DateTimeOfMinute(int64_t minute) {
    return FromSerialSeconds(minute * 60);
}

}  // namespace kagiroi
