#include "records/DayReplay.h"

#include "analysis/RaceHeader.h"
#include "daystore/RaceDay.h"
#include "odds/BettimeOdds.h"
#include "platform/Format.h"
#include "session/RaceSession.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

namespace {

// The card and tables a race without the data to analyse is visited with.
const RaceCardView kBlankCard;
const BetBoard& BlankBets() {
    static const BetBoard board;
    return board;
}

bool GoOn(const ReplayProgressReport& progress, const ReplayProgress& where) {
    return !progress || progress(where);
}

// The day's races at the odds of the moment of betting where the history has them.
void UseBettimeOdds(DayBook& book, const std::string& folder, ReplaySummary& summary) {
    for (RaceSlot& race : book.slots) {
        if (race.IsEmpty()) continue;
        if (TakeBettimeOdds(race, folder, summary.problems))
            ++summary.racesAtBettime;
        else
            ++summary.racesAtStoredOdds;
    }
}

}  // namespace

void TakeReplayOdds(DayBook& book, const ReplaySource& source, ReplaySummary& summary) {
    if (!source.bettime) return;
    if (source.oddsHistory) {
        UseBettimeOdds(book, *source.oddsHistory, summary);
        return;
    }
    for (const RaceSlot& race : book.slots)
        summary.racesAtStoredOdds += race.IsEmpty() ? 0 : 1;
}

ReplaySummary ReplayBook(const DayBook& book, int dateIndex, const ReplaySource& source,
                         const RaceVisitor& visit, const ReplayProgressReport& progress, int day,
                         int dayCount) {
    ReplaySummary summary;
    std::vector<int> items;
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (!book[slot].IsEmpty()) items.push_back(slot);
    if (items.empty()) {
        summary.skippedDays = 1;
        return summary;
    }
    summary.days = 1;
    RaceSession session(source.rates);
    int count = static_cast<int>(items.size());
    for (int k = 0; k < count; ++k) {
        const RaceSlot& race = book[items[static_cast<size_t>(k)]];
        if (!GoOn(progress, {day, dayCount, book.day, k + 1, count, RaceListText(race)})) {
            summary.cancelled = true;
            break;
        }
        int item = items[static_cast<size_t>(k)];
        if (InsufficientDataMessage(race)) {
            ++summary.racesWithoutData;
            visit({dateIndex, item, race, kBlankCard.Header, kBlankCard.Favourites,
                   kBlankCard.ResultsPage, BlankBets(), nullptr});
        } else {
            session.Open(race, source.settings, source.amount.value_or(AmountOfRace(race)));
            const RaceCardView& card = session.Card();
            visit({dateIndex, item, race, card.Header, card.Favourites, card.ResultsPage,
                   session.Bets(), &session});
        }
        ++summary.races;
    }
    return summary;
}

ReplaySummary ReplayStoredDays(const std::vector<ReplayDay>& days, const ReplaySource& source,
                               const RaceVisitor& visit, const ReplayProgressReport& progress) {
    ReplaySummary summary;
    int dayCount = static_cast<int>(days.size());
    DayLoadSettings load{source.oddsMinutesBefore, source.settings.defaultAmount};
    for (int k = 0; k < dayCount && !summary.cancelled; ++k) {
        const ReplayDay& day = days[static_cast<size_t>(k)];
        ReplayProgress reading;
        reading.day = k + 1;
        reading.dayCount = dayCount;
        reading.dayText = day.day;
        if (!GoOn(progress, reading)) {
            summary.cancelled = true;
            break;
        }
        DayLoadProblems problems;
        auto book = LoadStoredDay(source.programFolder, day.day, load, problems);
        for (auto& line : problems.logLines)
            summary.problems.push_back(std::move(line));
        if (!book) {
            ++summary.skippedDays;
            continue;
        }
        TakeReplayOdds(*book, source, summary);
        ReplaySummary one =
            ReplayBook(*book, day.dateIndex, source, visit, progress, k + 1, dayCount);
        summary.days += one.days;
        summary.skippedDays += one.skippedDays;
        summary.races += one.races;
        summary.racesWithoutData += one.racesWithoutData;
        summary.cancelled = one.cancelled;
    }
    return summary;
}

std::string RacesWithoutDataText(int count) {
    return Format("データが不十分なレースが%d件ありました。", count);
}

std::vector<int> DatesOfYear(const std::vector<std::string>& dates, const std::string& year) {
    std::vector<int> indexes;
    for (size_t i = 0; i < dates.size(); ++i)
        if (year.size() == 4 && dates[i].compare(0, 4, year) == 0)
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

}  // namespace kagiroi
