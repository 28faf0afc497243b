#pragma once

#include "platform/TextField.h"

#include <string>
#include <string_view>

namespace kagiroi {

// A field of a record: 1-based byte position and length.
struct FieldPos {
    int pos;
    int len;
};

// A field repeated once per entry (a horse, a bracket pair, a combination): entry i (1-based)
// lies `stride` bytes after entry i - 1.
struct EntryField {
    int pos;
    int len;
    int stride;
    constexpr FieldPos At(int entry) const { return {pos + stride * (entry - 1), len}; }
};

inline std::string FieldAt(std::string_view record, FieldPos f) {
    return Field(record, f.pos, f.len);
}
// 0 when the field does not read as a number.
inline int NumberAt(std::string_view record, FieldPos f) {
    return ToInt(Field(record, f.pos, f.len));
}

// The fields the program reads and the demo service writes, one namespace per record kind.

// The head every race-level record begins with: its kind, when it was made and the race key.
namespace RaceHead {
inline constexpr FieldPos Kind{1, 2};  // "RA", "SE", "O1", ...
inline constexpr FieldPos DataKind{3, 1};
inline constexpr FieldPos Created{4, 8};    // "yyyymmdd"
inline constexpr FieldPos RaceKey{12, 16};  // the date, then RaceOfDate
inline constexpr FieldPos Date{12, 8};      // "yyyymmdd"
inline constexpr FieldPos Year{12, 4};
inline constexpr FieldPos ShortYear{14, 2};  // the year's last two digits
inline constexpr FieldPos MonthDay{16, 4};   // "mmdd"
inline constexpr FieldPos Month{16, 2};
inline constexpr FieldPos Day{18, 2};
inline constexpr FieldPos RaceOfDate{20, 8};  // racecourse, meeting, day and race number
inline constexpr FieldPos Course{20, 2};
inline constexpr FieldPos Meeting{22, 2};
inline constexpr FieldPos DayNumber{24, 2};
inline constexpr FieldPos RaceNumber{26, 2};
}  // namespace RaceHead

namespace RA {
inline constexpr FieldPos Weekday{28, 1};
inline constexpr FieldPos RaceName{33, 60};
inline constexpr FieldPos ListName{573, 20};   // ten full-width characters: the printed list
inline constexpr FieldPos ShortName{593, 12};  // six full-width characters
inline constexpr FieldPos Edition{612, 3};
inline constexpr FieldPos Grade{615, 1};
inline constexpr FieldPos RaceType{617, 2};
inline constexpr FieldPos RaceSymbol{619, 3};
inline constexpr FieldPos WeightType{622, 1};
inline constexpr EntryField Condition{623, 3, 3};     // 2-year-olds .. 5-year-olds and up
inline constexpr FieldPos YoungestCondition{635, 3};  // the condition of the youngest age
inline constexpr FieldPos Distance{698, 4};
inline constexpr FieldPos Track{706, 2};
inline constexpr FieldPos Lane{710, 2};
inline constexpr EntryField Prize{714, 8, 8};
inline constexpr EntryField AddedMoney{810, 8, 8};
inline constexpr FieldPos PostTime{874, 4};  // "hhmm"
inline constexpr FieldPos PostHour{874, 2};
inline constexpr FieldPos PostMinute{876, 2};
inline constexpr FieldPos Registered{882, 2};  // read through RegisteredRunners
inline constexpr FieldPos Finishers{886, 2};
inline constexpr FieldPos Weather{888, 1};
inline constexpr FieldPos TurfGoing{889, 1};
inline constexpr FieldPos DirtGoing{890, 1};
}  // namespace RA

namespace SE {
inline constexpr FieldPos Frame{28, 1};
inline constexpr FieldPos Horse{29, 2};
inline constexpr FieldPos HorseName{41, 36};
inline constexpr FieldPos Sex{79, 1};
inline constexpr FieldPos Age{83, 2};
inline constexpr FieldPos Weight{289, 3};
inline constexpr FieldPos Jockey{307, 8};
// 1 withdrawn, 2 excluded at the start, 3 excluded before it.
inline constexpr FieldPos Abnormality{332, 1};
inline constexpr FieldPos Placing{335, 2};
inline constexpr FieldPos FinalOdds{360, 4};  // tenths
inline constexpr FieldPos FinalPopularity{364, 2};
inline constexpr FieldPos MiningTime{538, 5};
inline constexpr FieldPos MiningPlus{543, 4};
inline constexpr FieldPos MiningMinus{547, 4};
}  // namespace SE

// Every odds record (O1, O5, O6) tells its announcement at the same place.
namespace Odds {
inline constexpr FieldPos Announcement{28, 8};  // "mmddhhmm"
inline constexpr FieldPos AnnouncedMonthDay{28, 4};
inline constexpr FieldPos Announced{32, 4};  // "hhmm"
inline constexpr FieldPos AnnouncedHour{32, 2};
inline constexpr FieldPos AnnouncedMinute{34, 2};
}  // namespace Odds

namespace O1 {
using Odds::Announced;
using Odds::AnnouncedHour;
using Odds::AnnouncedMinute;
inline constexpr int kWinEntries = 28;
inline constexpr EntryField WinHorse{44, 2, 8};
inline constexpr EntryField WinOdds{46, 4, 8};  // tenths
inline constexpr EntryField WinPopularity{50, 2, 8};
inline constexpr EntryField PlaceHorse{268, 2, 12};
inline constexpr EntryField PlaceLow{270, 4, 12};
inline constexpr EntryField PlaceHigh{274, 4, 12};
inline constexpr EntryField PlacePopularity{278, 2, 12};
inline constexpr EntryField BracketPair{604, 2, 9};
inline constexpr EntryField BracketOdds{606, 5, 9};
inline constexpr EntryField BracketPopularity{611, 2, 9};
}  // namespace O1

// O5 and O6: one entry per combination in trio and trifecta index order.
namespace O5 {
inline constexpr EntryField Combination{41, 6, 15};
inline constexpr EntryField TrioOdds{47, 6, 15};
inline constexpr EntryField Popularity{53, 3, 15};
inline constexpr FieldPos TotalVotes{12281, 11};  // the pool, in 100-yen units
}  // namespace O5

namespace O6 {
inline constexpr EntryField Combination{41, 6, 17};
inline constexpr EntryField TrifectaOdds{47, 7, 17};
inline constexpr EntryField Popularity{54, 4, 17};
inline constexpr FieldPos TotalVotes{83273, 11};  // the pool, in 100-yen units
}  // namespace O6

// One entry per runner.
namespace DM {
inline constexpr EntryField Horse{32, 2, 15};
inline constexpr EntryField Time{34, 5, 15};
inline constexpr EntryField ErrorPlus{39, 4, 15};
inline constexpr EntryField ErrorMinus{43, 4, 15};
}  // namespace DM

namespace TC {
inline constexpr FieldPos Announced{28, 8};    // "mmddhhmm"
inline constexpr FieldPos NewPostTime{36, 4};  // "hhmm"
}  // namespace TC

// The race's registered runners, held to 0..18: every runner table has 18 rows.
int RegisteredRunners(std::string_view raceInfo);

}  // namespace kagiroi
