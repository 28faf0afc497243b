#include "records/StatisticsExport.h"

#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "records/ReportText.h"

#include <vector>

namespace kagiroi {

const std::string& StatisticsHeader() {
    static const std::string header =
        "年月日,場所,R,頭数,コース,距離,競走条件,条件コード,Ｇ,標準偏差,平均以下頭数,"
        "３連単投資額,３連単回収額,３連単回収率,３連複投資額,３連複回収額,３連複回収率";
    return header;
}

int RunnersAtOrBelowStandard(const RaceSlot& slot) {
    int count = 0;
    int runners = RegisteredRunners(slot.RaceInfo);
    for (int h = 1; h <= runners; ++h) {
        double odds = slot.Odds.WinOdds[static_cast<size_t>(h)];
        double standard = slot.Indices.StandardOdds[static_cast<size_t>(h)];
        if (standard > 0 && odds > 0 && odds <= standard) ++count;
    }
    return count;
}

namespace {

// Stake, return and return rate of a bet type as its totals show them.
std::string StakeFields(const BetTotals& totals) {
    TableFigures figures = FiguresOf(totals);
    std::string rate = figures.stake != 0
                           ? Format("%6.1f", static_cast<double>(figures.payback) /
                                                 static_cast<double>(figures.stake) * 100.0)
                           : "";
    return totals.stake.text + "," + totals.payback.text + "," + rate;
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t k = 0; k < fields.size(); ++k)
        line += (k > 0 ? "," : "") + fields[k];
    return line;
}

}  // namespace

std::string StatisticsLine(const ReplayedRace& race) {
    const std::string& ra = race.slot.RaceInfo;
    std::string raceType = FieldAt(ra, RA::RaceType);
    std::string youngest = FieldAt(ra, RA::YoungestCondition);
    return JoinFields({
        FieldAt(ra, RaceHead::Year) + "年" + FieldAt(ra, RaceHead::Month) + "月" +
            FieldAt(ra, RaceHead::Day) + "日",
        RacecourseName(FieldAt(ra, RaceHead::Course)),
        FormatIntField(FieldAt(ra, RaceHead::RaceNumber)) + "R",
        FormatIntField(FieldAt(ra, RA::Registered)),
        TrackShortLabel(FieldAt(ra, RA::Track)),
        FormatIntField(FieldAt(ra, RA::Distance)),
        ClassLabel(raceType, youngest),
        raceType + youngest,
        GradeLabel(FieldAt(ra, RA::Grade)),
        race.favourites.HensaLabel,
        Format("%2d", RunnersAtOrBelowStandard(race.slot)),
        StakeFields(race.bets.Totals(BetType::Trifecta)),
        StakeFields(race.bets.Totals(BetType::Trio)),
    });
}

std::string YearExportQuestion(const std::string& year) {
    return year +
           "年分をCSVに出力します。\r\nPCスペックにより多くの時間がかかる場合があります。"
           "\r\n開始すると途中中断はできません。\r\n\r\n開始してよろしいですか？";
}

}  // namespace kagiroi
