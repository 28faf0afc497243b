#pragma once

#include "platform/DateTime.h"

#include <cstdint>
#include <vector>

namespace kagiroi {

// One racecourse's meeting on one race day: the fields of the race key besides date and race.
struct DemoMeeting {
    int course = 0;     // racecourse code 1..10
    int meeting = 0;    // meeting number in the year at that course
    int dayNumber = 0;  // day within the meeting
    int order = 0;      // position among the day's racecourses (staggers the post times)
};

// The demo's racing calendar: Saturdays and Sundays are race days, and so is the clock's today
// whatever its weekday, so that a new user always finds a live race day. Two or three
// racecourses race on a day, each twelve races.
class DemoCalendar {
  public:
    explicit DemoCalendar(const DateTime& today);

    const DateTime& Today() const { return today_; }
    bool IsRaceDay(const DateTime& date) const;
    // The day's meetings in racecourse-code order; empty when the date is no race day.
    std::vector<DemoMeeting> MeetingsOf(const DateTime& date) const;
    // Race days from `first` to `last`, both included, ascending.
    std::vector<DateTime> RaceDays(const DateTime& first, const DateTime& last) const;

  private:
    DateTime today_;
};

inline constexpr int kDemoRacesPerMeeting = 12;

// Post time of a race as first announced, in minutes after midnight.
int DemoPostMinutes(int order, int race);

// The date part of a date-time (time 00:00:00).
DateTime DateOnly(const DateTime& t);
// yyyymmdd as a number.
int DateNumber(const DateTime& date);
// Minutes since 1970-01-01 00:00 of a date-time, and back.
int64_t MinuteOf(const DateTime& t);
DateTime DateTimeOfMinute(int64_t minute);

}  // namespace kagiroi
