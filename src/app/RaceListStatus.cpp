#include "app/RaceListStatus.h"

#include "app/FetchSchedule.h"
#include "daystore/PayoutRecord.h"
#include "daystore/RecordLayout.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {
// A race still to come stands out from those that are over; a hit shows as a hit ticket does.
constexpr Rgb kRunText{160, 80, 0};
constexpr Rgb kOverText{128, 128, 128};
constexpr Rgb kHitBackground{255, 190, 255};
}  // namespace

bool HasResults(const RaceSlot& race) {
    return !PaidEntries(BetType::Win, race.HrCopy).empty();
}

RaceListStatus StatusOfRace(const RaceSlot& race, const DateTime& now, bool hit) {
    RaceListStatus status;
    std::string post = FieldAt(race.RaceInfo, RA::PostTime);
    if (post.size() == 4 && !IsBlank(post))
        status.postTime = post.substr(0, 2) + ":" + post.substr(2);
    status.results = HasResults(race);
    status.run = status.results || !PassedPostTime(race.RaceInfo, now).empty();
    status.hit = status.results && hit;
    return status;
}

std::string RaceListLine(const std::string& listText, const RaceListStatus& status) {
    std::string line = listText;
    if (!status.postTime.empty()) line += " " + status.postTime;
    if (status.results)
        line += status.hit ? " 確定 的中" : " 確定";
    else if (status.run)
        line += " 発走済";
    return line;
}

CellStyle RaceListStyle(const RaceListStatus& status) {
    CellStyle style;
    style.align = CellAlign::Left;
    if (status.hit) {
        style.background = kHitBackground;
        style.bold = true;
    } else if (status.results) {
        style.text = kOverText;
    } else if (status.run) {
        style.text = kRunText;
    }
    return style;
}

}  // namespace kagiroi
