#include "selection/AutoMarking.h"
#include "analysis/RunnerIndices.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/RankList.h"
#include "selection/MarkGrid.h"
#include "selection/RaceFigures.h"

#include <algorithm>

namespace kagiroi {

namespace {

// Keys end in the horse number "%2d": the ranking lists order by odds, then horse number.
std::string OddsKey(double odds, int horse) {
    return Format("%8.1f", odds) + Format("%2d", horse);
}

int HorseOfKey(const std::string& key) {
    return ToInt(key.substr(key.size() - 2));
}

bool IsRanked(int rank) {
    return rank >= 1 && rank <= kMaxRunners;
}

const char* PartnerGroup(int miningRank, double odds, double standard) {
    if (miningRank >= 1 && miningRank <= 3) return "1";
    return odds < standard ? "2" : "3";
}

}  // namespace

AutoMarks ChooseAutoMarks(const RaceSlot& race, const StandardOddsLookup& standardOdds) {
    AutoMarks marks;
    int n = RegisteredRunners(race);
    int fieldSize = FieldSizeOf(race);
    auto rankOf = [&](int horse) { return race.Odds.WinRank[static_cast<size_t>(horse)]; };

    RankList axisCandidates;
    for (int i = 1; i <= n; ++i) {
        int r = rankOf(i);
        if (!IsRanked(r)) continue;
        double x = RawWinOdds(race, i);
        if (x < standardOdds(fieldSize, r)) axisCandidates.Add(OddsKey(x, i));
    }
    if (axisCandidates.Count() == 0) return marks;
    marks.axis = HorseOfKey(axisCandidates.At(0));

    RankList partnerCandidates;
    for (int j = 1; j <= n; ++j) {
        int r = rankOf(j);
        if (j == marks.axis || !IsRanked(r)) continue;
        double x = RawWinOdds(race, j);
        int mining = race.Mining[static_cast<size_t>(j)].MiningRank;
        partnerCandidates.Add(PartnerGroup(mining, x, standardOdds(fieldSize, r)) + OddsKey(x, j));
    }
    size_t count = std::min<size_t>(partnerCandidates.Count(), kAutoPartners);
    for (size_t k = 0; k < count; ++k)
        marks.partners.push_back(HorseOfKey(partnerCandidates.At(k)));
    return marks;
}

AutoMarks MarkAxisAndPartners(const RaceSlot& race, const StandardOddsLookup& standardOdds,
                              TextGrid& markGrid) {
    AutoMarks marks = ChooseAutoMarks(race, standardOdds);
    if (marks.axis == 0) return marks;
    markGrid.SetCell(markcol::kAxis, marks.axis, kMark);
    for (int partner : marks.partners)
        markGrid.SetCell(markcol::kPartner, partner, kMark);
    return marks;
}

}  // namespace kagiroi
