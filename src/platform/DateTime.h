#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

// A local calendar date and time of day, to the second.
struct DateTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int year, int month, int day);
DateTime CivilFromDays(int64_t days);

int64_t ToSerialSeconds(const DateTime& t);  // seconds since 1970-01-01 00:00:00, no time zone
DateTime FromSerialSeconds(int64_t seconds);

DateTime AddDays(const DateTime& t, int days);
DateTime AddSeconds(const DateTime& t, int64_t seconds);
int DayOfWeek(const DateTime& t);  // 0 Sunday .. 6 Saturday
bool IsValidDate(int year, int month, int day);
int Compare(const DateTime& a, const DateTime& b);

// Minutes after midnight of an "hhmm" time: the hour from its first two characters, the minute
// from the next two, a part that is no number counting 0.
int MinutesOfDay(std::string_view hhmm);

// Pattern formatting: yyyy, yy, mm (month), dd, hh, nn (minute), ss; every other byte, and
// every two-byte Shift_JIS character, is copied as it stands.
std::string FormatDateTime(const DateTime& t, std::string_view pattern);

// "yyyy/mm/dd hh:nn:ss", where the time part may be missing and fields may lack their
// leading zeros ("2024/1/6 9:05"). Nothing else parses.
std::optional<DateTime> ParseDateTime(std::string_view text);
// "yyyymmddhhnnss" (14 digits) or "yyyymmdd" (8 digits).
std::optional<DateTime> ParseCompactDateTime(std::string_view text);
// "yyyy-mm-ddThh:mm:ss" as the environment gives it.
std::optional<DateTime> ParseIsoDateTime(std::string_view text);

}  // namespace kagiroi
