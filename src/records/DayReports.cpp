#include "records/DayReports.h"

#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "selection/BetColumns.h"

namespace kagiroi {

namespace {

// Each three full-width characters wide, in bet-type order.
const std::array<const char*, 8> kTallyLabels = {"単勝　", "複勝　", "枠連　", "馬連　",
                                                 "ワイド", "馬単　", "３連複", "３連単"};

std::string VenueOf(const RaceSlot& slot) {
    return RacecourseName(FieldAt(slot.RaceInfo, RaceHead::Course));
}

std::string RaceNumberText(const RaceSlot& slot) {
    return FormatIntField(FieldAt(slot.RaceInfo, RaceHead::RaceNumber));
}

// The odds of the first favourite as the index table shows odds; blanks when none is ranked.
template <size_t N>
std::string FirstFavouriteOdds(const std::array<double, N>& odds, const std::array<int, N>& rank) {
    for (size_t k = 1; k < N; ++k)
        if (rank[k] == 1 && odds[k] > 0) return Format("%5.1f", odds[k]);
    return Spaces(5);
}

}  // namespace

TallyReport::TallyReport(const std::string& dayHeading) : header_(" 集計 " + dayHeading) {}

void TallyReport::AddRace(const BetBoard& bets) {
    for (BetType type : kAllBetTypes)
        tallies_[static_cast<size_t>(type)].Add(FiguresOf(bets.Totals(type)));
}

std::vector<std::string> TallyReport::Lines() const {
    std::vector<std::string> lines{header_};
    for (size_t k = 0; k < tallies_.size(); ++k)
        if (tallies_[k].races > 0)
            lines.push_back(std::string(kTallyLabels[k]) + "：" + TallyFigures(tallies_[k]));
    return lines;
}

VerifyReport::VerifyReport(AllocationMode mode, const std::string& headingDate)
    : lines_{"=======", " 枠連　" + AllocationModeCaption(mode) + "：" + headingDate} {}

void VerifyReport::AddRace(const ReplayedRace& race) {
    const BetTotals& totals = race.bets.Totals(BetType::BracketQuinella);
    TableFigures figures = FiguresOf(totals);
    tally_.Add(figures);
    std::string venue = VenueOf(race.slot);
    if (first_ || venue != previousVenue_) lines_.push_back("------");
    first_ = false;
    previousVenue_ = venue;
    if (figures.count <= 0) return;
    const OddsBook& odds = race.slot.Odds;
    lines_.push_back(venue + RaceNumberText(race.slot) +
                     "R:" + FormatIntField(FieldAt(race.slot.RaceInfo, RA::Registered)) +
                     "頭:単1ｵｯｽﾞ" + FirstFavouriteOdds(odds.WinOdds, odds.WinRank) + ":枠1ｵｯｽﾞ" +
                     FirstFavouriteOdds(odds.BracketOdds, odds.BracketRank) + ":" +
                     totals.count.text + "点:投票" + totals.stake.text + "円:回収" +
                     Format("%8lld", figures.payback > 0 ? figures.payback : 0) + "円");
}

std::vector<std::string> VerifyReport::Lines() const {
    std::vector<std::string> lines = lines_;
    lines.push_back("=======");
    if (tally_.races > 0) lines.push_back(TallyFigures(tally_));
    return lines;
}

const std::string& HitHtmlText(HitHtml piece) {
    static const std::array<std::string, 6> texts = {
        "<br /><img src=\"./image/balist.gif\"><font color=\"black\">"
        "【ミラド式3連複3連単馬券網ソフト Kagiroi】</font>",
        "<font color=\"red\">",
        "<font color=\"blue\">",
        "<img src=\"./image/lis1.gif\">",
        "<img src=\"./image/lis2.gif\">",
        "</font>"};
    return texts[static_cast<size_t>(piece)];
}

HitReport::HitReport(long long threshold, std::vector<std::string> runningList)
    : threshold_(threshold),
      lines_{HitHtmlText(HitHtml::Header)},
      running_(std::move(runningList)) {}

std::string HitReport::RunningListStart(const std::string& dayHeading) {
    return " ミラド式3連複3連単馬券網ソフト Kagiroi " + dayHeading;
}

void HitReport::AddRace(const ReplayedRace& race) {
    AddTable(race, BetType::Trio);
    AddTable(race, BetType::Trifecta);
}

void HitReport::AddTable(const ReplayedRace& race, BetType type) {
    const TextGrid& table = race.bets.Table(type);
    const PayoutGroupTexts& paid = race.results[static_cast<size_t>(type)];
    const std::string& raceInfo = race.slot.RaceInfo;
    std::string kind = type == BetType::Trio ? "R[３連複]:" : "R[３連単]:";
    std::string name = "　" + FieldAt(raceInfo, RA::ShortName);
    std::string storedKey = FieldAt(raceInfo, RaceHead::Date) +
                            FieldAt(raceInfo, RaceHead::Course) +
                            FieldAt(raceInfo, RaceHead::RaceNumber);
    for (int row = 1; row < table.RowCount(); ++row) {
        std::string ticket = table.Cell(ColumnsOf(type).combination, row).substr(0, 8);
        if (IsBlank(ticket)) continue;  // the empty row of a table without tickets
        for (const PayoutRowTexts& entry : paid.rows) {
            if (entry.result != ticket) continue;
            long long payout = ToInt64(entry.payout);
            if (payout <= threshold_) continue;
            bool high = payout >= 10000;
            std::string hit = kind + ticket + Format("/配当 %7lld円", payout);
            lines_.push_back(HitHtmlText(high ? HitHtml::HighImage : HitHtml::LowImage) +
                             HitHtmlText(high ? HitHtml::HighFont : HitHtml::LowFont) +
                             VenueOf(race.slot) + RaceNumberText(race.slot) + hit + name +
                             HitHtmlText(HitHtml::FontEnd));
            running_.push_back(storedKey + hit);
        }
    }
}

}  // namespace kagiroi
