#include "records/ReportText.h"

#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"
#include "racing/KeibaFunc.h"

#include <algorithm>

namespace kagiroi {

TableFigures FiguresOf(const BetTotals& totals) {
    return {ToInt(totals.count.text), ToInt64(totals.stake.text), ToInt64(totals.payback.text)};
}

void TypeTally::Add(const TableFigures& figures) {
    if (figures.count > 0) ++races;
    if (figures.stake > 0) stake += figures.stake;
    if (figures.payback > 0) {
        payback += figures.payback;
        ++hits;
    }
}

namespace {

double Percent(long long part, long long whole) {
    return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) * 100.0 : 0.0;
}

}  // namespace

std::string TallyFigures(const TypeTally& tally) {
    return Format("%2dR中　", tally.races) + Format("%2dR的中　", tally.hits) +
           Format("　投資額：%7lld円", tally.stake) + Format("　回収額：%7lld円", tally.payback) +
           Format("　的中率：%6.1f", Percent(tally.hits, tally.races)) +
           Format("　回収率：%6.1f", Percent(tally.payback, tally.stake));
}

std::array<std::string, 3> DayVenues(const DayBook& book) {
    std::array<std::string, 3> venues;
    std::array<std::string, 3> codes;
    size_t found = 0;
    for (const RaceSlot& slot : book.slots) {
        if (slot.IsEmpty() || found == codes.size()) continue;
        std::string code = FieldAt(slot.RaceInfo, RaceHead::Course);
        bool known = false;
        for (size_t k = 0; k < found; ++k)
            known = known || codes[k] == code;
        if (known) continue;
        codes[found] = code;
        venues[found++] = RacecourseName(code);
    }
    return venues;
}

std::string DayHeading(const std::string& headingDate, const std::array<std::string, 3>& venues) {
    return headingDate + " " + venues[0] + " " + venues[1] + " " + venues[2];
}

std::string HeadingDate(const std::string& raceHeading) {
    return raceHeading.substr(0, std::min<size_t>(14, raceHeading.size()));
}

std::string DayStamp(const DayBook& book, const std::string& dayText) {
    std::string stamp = FieldAt(book[0].RaceInfo, RaceHead::Date);
    if (IsDigits(stamp) && stamp.size() == 8) return stamp;
    // The date box's day text: yyyy年mm月dd日, two bytes per kanji.
    if (dayText.size() < 12) return {};
    stamp = dayText.substr(0, 4) + dayText.substr(6, 2) + dayText.substr(10, 2);
    return IsDigits(stamp) ? stamp : std::string();
}

std::string ReportText(const std::vector<std::string>& lines) {
    return JoinLines(lines);
}

}  // namespace kagiroi
