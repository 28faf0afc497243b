#include "analysis/RaceHeader.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

constexpr int kFirstTurfTrack = 10, kLastTurfTrack = 22;

class HeaderFields {
  public:
    explicit HeaderFields(const std::string& raceInfo) : ra_(raceInfo) {}
    std::string operator()(FieldPos at) const { return FieldAt(ra_, at); }
    int Number(FieldPos at) const { return NumberAt(ra_, at); }
    const std::string& Record() const { return ra_; }

  private:
    const std::string& ra_;
};

std::string DateLine(const HeaderFields& f) {
    return f(RaceHead::Year) + "年" + f(RaceHead::Month) + "月" + f(RaceHead::Day) + "日(" +
           WeekdayLabel(f(RA::Weekday)) + ")" + RacecourseName(f(RaceHead::Course)) +
           f(RaceHead::Meeting) + "回" + f(RaceHead::DayNumber) + "日" + f(RaceHead::RaceNumber) +
           "R   " + f(RA::PostHour) + "." + f(RA::PostMinute) + "発走  " +
           WeatherLabel(f(RA::Weather)) + "　" + GoingLabel(f(RA::TurfGoing), 1) + "　" +
           GoingLabel(f(RA::DirtGoing), 2);
}

std::string NameLine(const HeaderFields& f) {
    int edition = f.Number(RA::Edition);
    std::string prefix = edition != 0 ? "第" + Format("%d", edition) + "回 " : std::string();
    return prefix + f(RA::RaceName);
}

std::string CourseLine(const HeaderFields& f) {
    return Format("%2d", RegisteredRunners(f.Record())) +
           "頭[入線:" + FormatIntField(f(RA::Finishers)) + "頭] " +
           Format("%4d", f.Number(RA::Distance)) + "ﾒｰﾄﾙ " + TrackLabel(f(RA::Track)) + "(" +
           Trim(f(RA::Lane)) + ")" + " " + GradeLabel(f(RA::Grade)) + " " +
           RaceTypeLabel(f(RA::RaceType)) + " " + RaceSymbolLabel(f(RA::RaceSymbol));
}

std::string ConditionLine(const HeaderFields& f) {
    return WeightTypeLabel(f(RA::WeightType)) + " " +
           ConditionLabel(f(RA::RaceType), f(RA::Condition.At(1)), f(RA::Condition.At(2)),
                          f(RA::Condition.At(3)), f(RA::Condition.At(4)));
}

// "1着:" then the fields joined by "/2着:", "/3着:", ...
std::string MoneyLine(const HeaderFields& f, EntryField money, int places) {
    std::string line = "1着:";
    for (int p = 1; p <= places; ++p) {
        if (p > 1) line += Format("/%d着:", p);
        line += FormatIntField(f(money.At(p)));
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
    header.Label6 = "【本 賞 金】" + MoneyLine(f, RA::Prize, 5);
    header.Label7 =
        "【付加賞金】" + MoneyLine(f, RA::AddedMoney, 3) + "　　　　　　　　(単位：百円)";
    header.BashoLabel = RacecourseName(f(RaceHead::Course));
    header.RaceLabel = Trim(FormatIntField(f(RaceHead::RaceNumber)));
    int track = f.Number(RA::Track);
    header.panelColor =
        track >= kFirstTurfTrack && track <= kLastTurfTrack ? colors::kGreen : colors::kMaroon;
    return header;
}

std::optional<std::string> InsufficientDataMessage(const RaceSlot& slot) {
    if (NumberAt(slot.RunnerInfo[1], SE::Horse) > 0) return std::nullopt;
    return Format("%d", NumberAt(slot.RaceInfo, RaceHead::RaceNumber)) +
           "レースはデータが不十分です。";
}

}  // namespace kagiroi
