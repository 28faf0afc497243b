#include "app/FetchSchedule.h"

#include "daystore/RaceDay.h"
#include "daystore/RecordLayout.h"
#include "platform/DateTime.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>
#include <optional>

namespace kagiroi {

bool OddsAreFresh(const RaceSlot& slot) {
    if (NumberAt(slot.O1Copy, RaceHead::RaceNumber) <= 0) return false;
    std::string announced = FieldAt(slot.O1Copy, O1::Announced);
    return !(AddMinutes(announced, 5) < Trim(slot.FetchTimes[0]));
}

std::vector<std::string> BuildAutoFetchList(const DayBook& book, const std::string& nowHhmm) {
    std::vector<std::string> list;
    for (int s = 0; s < kSlotCount; ++s) {
        const RaceSlot& slot = book[s];
        bool due = nowHhmm == Trim(slot.FetchTimes[0]) || nowHhmm == Trim(slot.FetchTimes[1]);
        if (due && !OddsAreFresh(slot))
            list.push_back(FieldAt(slot.RaceInfo, RaceHead::RaceKey) + Format("%2d", s));
    }
    return list;
}

namespace {

constexpr int64_t kMinutesPerDay = 1440;
constexpr int64_t kResultsEnd = 18 * 60;

// The minute a window opens: `lead` minutes before the first post, but never before midnight,
// so an early first post (even "0000") cannot wrap round to the evening and close the day.
int64_t WindowStart(const std::string& firstPost, int64_t lead) {
    return std::max<int64_t>(0, MinutesOfDay(firstPost) - lead);
}

}  // namespace

bool ResultsFetchDue(const std::string& nowHhmm, const std::string& firstPost, int changeInterval) {
    int64_t now = MinutesOfDay(nowHhmm);
    int64_t end = std::max<int64_t>(kResultsEnd, MinutesOfDay(firstPost));
    return now <= end && now > WindowStart(firstPost, int64_t{changeInterval} + 30);
}

bool ChangeFetchDue(const std::string& nowHhmm, const std::string& firstPost, int changeInterval) {
    return MinutesOfDay(nowHhmm) > WindowStart(firstPost, int64_t{changeInterval} + 60);
}

int ScheduleMinutes(int64_t minutes) {
    return static_cast<int>(std::clamp<int64_t>(minutes, 1, kMinutesPerDay));
}

int TimerIntervalMs(int64_t minutes) {
    return static_cast<int>(ScheduleMinutes(minutes) * int64_t{60000});
}

std::string ClockText(const DateTime& now) {
    return FormatDateTime(now, "hh時nn分ss秒");
}

namespace {

// The race's post as a moment; nothing when its date is not a date.
std::optional<DateTime> PostMoment(const std::string& raceInfo) {
    DateTime post;
    post.year = ToInt(FieldAt(raceInfo, RaceHead::Year));
    post.month = ToInt(FieldAt(raceInfo, RaceHead::Month));
    post.day = ToInt(FieldAt(raceInfo, RaceHead::Day));
    post.hour = NumberAt(raceInfo, RA::PostHour);
    post.minute = NumberAt(raceInfo, RA::PostMinute);
    if (!IsValidDate(post.year, post.month, post.day)) return std::nullopt;
    return post;
}

}  // namespace

std::string PassedPostTime(const std::string& raceInfo, const DateTime& now) {
    std::optional<DateTime> post = PostMoment(raceInfo);
    if (!post || ToSerialSeconds(*post) > ToSerialSeconds(now)) return {};
    return Format("%02d:%02d", post->hour, post->minute);
}

std::string CountdownText(const std::string& raceInfo, const DateTime& now) {
    std::optional<DateTime> post = PostMoment(raceInfo);
    if (!post) return "発走済み";
    int64_t left = ToSerialSeconds(*post) - ToSerialSeconds(now);
    if (left <= 0) return "発走済み";
    return Format("発走までの残り時間：%02lld:%02lld:%02lld", static_cast<long long>(left / 3600),
                  static_cast<long long>(left / 60 % 60), static_cast<long long>(left % 60));
}

}  // namespace kagiroi
