#include "app/OddsPendingText.h"

#include "platform/TextField.h"
#include "selection/RaceFigures.h"

namespace kagiroi {

namespace {

// The automatic fetch asks for a race in the minutes of its first two fetch times only.
std::string NextAutomaticFetch(const RaceSlot& race, const std::string& nowHhmm) {
    for (size_t k = 0; k < 2; ++k) {
        std::string time = Trim(race.FetchTimes[k]);
        if (time.size() == 4 && time >= nowHhmm) return time.substr(0, 2) + ":" + time.substr(2);
    }
    return {};
}

}  // namespace

std::string OddsPendingText(const RaceSlot& race, bool autoFetchOn, const std::string& nowHhmm) {
    if (OddsRecordRace(race.O5Copy) > 0 || OddsRecordRace(race.O6Copy) > 0) return {};
    std::string text =
        "このレースのオッズはまだ取得していません。\n"
        "ツールバーの［速報ｵｯｽﾞ］を押すと取得します。";
    std::string next = autoFetchOn ? NextAutomaticFetch(race, nowHhmm) : std::string();
    if (!next.empty()) text += "\nｵｯｽﾞ自動取得により " + next + " に取得します。";
    return text;
}

}  // namespace kagiroi
