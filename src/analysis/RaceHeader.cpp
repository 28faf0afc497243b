#include "analysis/RaceHeader.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

// Race record fields shown in the header (position, length).
struct At {
    int pos, len;
};
constexpr At kDay{18, 2}, kWeekday{28, 1}, kRaceName{33, 60}, kEdition{612, 3}, kGrade{615, 1};
constexpr At kRaceType{617, 2}, kRaceSymbol{619, 3}, kWeightType{622, 1};
constexpr At kCondition2{623, 3}, kCondition3{626, 3}, kCondition4{629, 3}, kCondition5{632, 3};
constexpr At kDistance{698, 4}, kTrack{706, 2}, kLane{710, 2}, kPostHour{874, 2},
    kPostMinute{876, 2};
constexpr At kFinishers{886, 2}, kWeather{888, 1}, kTurfGoing{889, 1}, kDirtGoing{890, 1};
constexpr int kPrizePos = 714, kPrizeLength = 8, kAddedPos = 810, kAddedLength = 8;
constexpr int kFirstTurfTrack = 10, kLastTurfTrack = 22;

class HeaderFields {
  public:
    explicit HeaderFields(const std::string& raceInfo) : ra_(raceInfo) {}
    std::string operator()(At at) const { return Field(ra_, at.pos, at.len); }
    std::string operator()(int pos, int len) const { return Field(ra_, pos, len); }
    int Number(At at) const { return ToInt((*this)(at)); }

  private:
    const std::string& ra_;
};

std::string DateLine(const HeaderFields& f) {
    return f(pos::kYear, 4) + "年" + f(pos::kMonthDay, 2) + "月" + f(kDay) + "日(" +
           WeekdayLabel(f(kWeekday)) + ")" + RacecourseName(f(pos::kCourse, 2)) +
           f(pos::kMeeting, 2) + "回" + f(pos::kDayNumber, 2) + "日" + f(pos::kRaceNumber, 2) +
           "R   " + f(kPostHour) + "." + f(kPostMinute) + "発走  " + WeatherLabel(f(kWeather)) +
           "　" + GoingLabel(f(kTurfGoing), 1) + "　" + GoingLabel(f(kDirtGoing), 2);
}

std::string NameLine(const HeaderFields& f) {
    int edition = f.Number(kEdition);
    std::string prefix = edition != 0 ? "第" + Format("%d", edition) + "回 " : std::string();
    return prefix + f(kRaceName);
}

std::string CourseLine(const HeaderFields& f) {
    return Format("%2d", f.Number({pos::kRaRunners, 2})) +
           "頭[入線:" + FormatIntField(f(kFinishers)) + "頭] " +
           Format("%4d", f.Number(kDistance)) + "ﾒｰﾄﾙ " + TrackLabel(f(kTrack)) + "(" +
           Trim(f(kLane)) + ")" + " " + GradeLabel(f(kGrade)) + " " + RaceTypeLabel(f(kRaceType)) +
           " " + RaceSymbolLabel(f(kRaceSymbol));
}

std::string ConditionLine(const HeaderFields& f) {
    return WeightTypeLabel(f(kWeightType)) + " " +
           ConditionLabel(f(kRaceType), f(kCondition2), f(kCondition3), f(kCondition4),
                          f(kCondition5));
}

// "1着:" then the fields joined by "/2着:", "/3着:", ...
std::string MoneyLine(const HeaderFields& f, int firstPos, int length, int places) {
    std::string line = "1着:";
    for (int p = 0; p < places; ++p) {
        if (p > 0) line += Format("/%d着:", p + 1);
        line += FormatIntField(f(firstPos + length * p, length));
    }
    return line;
}

}  // namespace

RaceHeaderTexts BuildRaceHeader(const std::string& raceInfo) {
    HeaderFields f(raceInfo);
    RaceHeaderTexts header;
    header.Label1 = DateLine(f);
    header.Label2 = NameLine(f);
    header.Label3 = CourseLine(f);
    header.Label4 = ConditionLine(f);
    header.Label6 = "【本 賞 金】" + MoneyLine(f, kPrizePos, kPrizeLength, 5);
    header.Label7 =
        "【付加賞金】" + MoneyLine(f, kAddedPos, kAddedLength, 3) + "　　　　　　　　(単位：百円)";
    header.BashoLabel = RacecourseName(f(pos::kCourse, 2));
    header.RaceLabel = Trim(FormatIntField(f(pos::kRaceNumber, 2)));
    int track = f.Number(kTrack);
    header.panelColor =
        track >= kFirstTurfTrack && track <= kLastTurfTrack ? colors::kGreen : colors::kMaroon;
    return header;
}

std::optional<std::string> InsufficientDataMessage(const RaceSlot& slot) {
    if (ToInt(Field(slot.RunnerInfo[1], pos::kSeHorse, 2)) > 0) return std::nullopt;
    return Format("%d", ToInt(Field(slot.RaceInfo, pos::kRaceNumber, 2))) +
           "レースはデータが不十分です。";
}

}  // namespace kagiroi
