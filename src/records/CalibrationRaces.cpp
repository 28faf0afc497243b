#include "records/CalibrationRaces.h"

#include "daystore/PayoutRecord.h"
#include "daystore/RecordFields.h"
#include "platform/TextField.h"
#include "records/WorkerPool.h"
#include "session/DayLoading.h"
#include "stakes/TicketChances.h"

#include <memory>

namespace kagiroi {

namespace {

// The first three by the runner records' placings; DeadHeat when two runners share one of the
// first three placings, NoResult when a placing is missing.
CalibrationUse FirstThreeOfRunners(const RaceSlot& slot, std::array<int, 3>& firstThree) {
    std::array<int, 3> count{};
    for (size_t row = 1; row < slot.RunnerInfo.size(); ++row) {
        const std::string& runner = slot.RunnerInfo[row];
        int placing = NumberAt(runner, SE::Placing);
        if (IsBlank(runner) || placing < 1 || placing > 3) continue;
        size_t k = static_cast<size_t>(placing - 1);
        firstThree[k] = NumberAt(runner, SE::Horse);
        ++count[k];
    }
    for (int c : count)
        if (c > 1) return CalibrationUse::DeadHeat;
    for (int c : count)
        if (c == 0) return CalibrationUse::NoResult;
    return CalibrationUse::Usable;
}

// The first three by the paid trifecta; a dead heat pays more than one.
CalibrationUse FirstThreeOfPayouts(const RaceSlot& slot, std::array<int, 3>& firstThree) {
    std::vector<PayoutEntry> paid = PaidEntries(BetType::Trifecta, slot.HrCopy);
    if (paid.empty()) return CalibrationUse::NoResult;
    if (paid.size() > 1) return CalibrationUse::DeadHeat;
    for (int k = 0; k < 3; ++k)
        firstThree[static_cast<size_t>(k)] = ToInt(Field(paid[0].combination, 3 * k + 1, 2));
    return CalibrationUse::Usable;
}

}  // namespace

CalibrationUse ReadCalibrationRace(const RaceSlot& slot, const PopularityRateTables& rates,
                                   CalibrationRace& race) {
    race.firstThree = {};
    CalibrationUse use = FirstThreeOfRunners(slot, race.firstThree);
    if (use == CalibrationUse::NoResult) use = FirstThreeOfPayouts(slot, race.firstThree);
    if (use != CalibrationUse::Usable) return use;
    race.winOdds.assign(slot.Odds.WinOdds.begin(), slot.Odds.WinOdds.end());
    if (PricedRunners(race) < kCalibrationMinPriced) return CalibrationUse::FewPriced;
    for (int horse : race.firstThree)
        if (horse < 1 || horse > kMaxRunners ||
            !(slot.Odds.WinOdds[static_cast<size_t>(horse)] > 0))
            return CalibrationUse::FewPriced;
    race.popularityWin = PopularityWinChances(slot, rates);
    return CalibrationUse::Usable;
}

namespace {

void Count(CalibrationLeftOut& out, CalibrationUse use) {
    if (use == CalibrationUse::FewPriced) ++out.fewPriced;
    if (use == CalibrationUse::DeadHeat) ++out.deadHeat;
    if (use == CalibrationUse::NoResult) ++out.noResult;
}

CalibrationSample SampleOfDay(const ReplayDay& day, const std::string& programFolder,
                              const PopularityRateTables& rates) {
    CalibrationSample sample;
    DayLoadProblems problems;
    std::unique_ptr<DayBook> book = LoadStoredDay(programFolder, day.day, {}, problems);
    sample.problems = std::move(problems.logLines);
    if (!book) {
        sample.skippedDays = 1;
        return sample;
    }
    sample.days = 1;
    for (const RaceSlot& slot : book->slots) {
        if (slot.IsEmpty()) continue;
        CalibrationRace race;
        CalibrationUse use = ReadCalibrationRace(slot, rates, race);
        if (use == CalibrationUse::Usable)
            sample.races.push_back(std::move(race));
        else
            Count(sample.leftOut, use);
    }
    return sample;
}

}  // namespace

CalibrationSample GatherCalibrationRaces(const std::vector<ReplayDay>& days,
                                         const std::string& programFolder,
                                         const PopularityRateTables& rates, int jobs,
                                         const std::function<bool(int daysDone)>& progress) {
    std::vector<CalibrationSample> perDay(days.size());
    bool finished = RunOnWorkers(
        static_cast<int>(days.size()), jobs,
        [&](int k) {
            auto item = static_cast<size_t>(k);
            perDay[item] = SampleOfDay(days[item], programFolder, rates);
        },
        progress);
    CalibrationSample all;
    all.stopped = !finished;
    for (CalibrationSample& day : perDay) {
        all.days += day.days;
        all.skippedDays += day.skippedDays;
        all.leftOut.fewPriced += day.leftOut.fewPriced;
        all.leftOut.deadHeat += day.leftOut.deadHeat;
        all.leftOut.noResult += day.leftOut.noResult;
        for (CalibrationRace& race : day.races)
            all.races.push_back(std::move(race));
        for (std::string& line : day.problems)
            all.problems.push_back(std::move(line));
    }
    return all;
}

}  // namespace kagiroi
