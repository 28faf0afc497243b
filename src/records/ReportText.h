#pragma once

#include "daystore/RaceSlot.h"
#include "selection/BetTotals.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// The figures a bet type's totals show, read back as integers (0 when blank).
struct TableFigures {
    int count = 0;
    long long stake = 0;
    long long payback = 0;
};
TableFigures FiguresOf(const BetTotals& totals);

// Races bet and hit, stake and return of one bet type over a day.
struct TypeTally {
    int races = 0;
    int hits = 0;
    long long stake = 0;
    long long payback = 0;
    void Add(const TableFigures& figures);
};

// "%2dR中　%2dR的中　　投資額：%7d円　回収額：%7d円　的中率：%6.1f　回収率：%6.1f".
std::string TallyFigures(const TypeTally& tally);

// The names of the day's first, second and third racecourse in race list order; empty where
// the day has fewer.
std::array<std::string, 3> DayVenues(const DayBook& book);
// The date and venues that head every report: heading date, " ", venue 1, " ", venue 2, ...
std::string DayHeading(const std::string& headingDate, const std::array<std::string, 3>& venues);
// The first 14 bytes of a race heading, which hold the race date.
std::string HeadingDate(const std::string& raceHeading);

// <year><month-day> of the loaded day (its first race, else the date box's day text), for the
// names of the report files; empty when neither gives eight digits.
std::string DayStamp(const DayBook& book, const std::string& dayText);

// The report lines as a file and clipboard text: Shift_JIS, each line ended by CR LF.
std::string ReportText(const std::vector<std::string>& lines);

}  // namespace kagiroi
