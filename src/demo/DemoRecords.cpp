#include "demo/DemoRecords.h"

#include "daystore/RecordLayout.h"
#include "demo/DemoNames.h"
#include "demo/DemoRecordWriter.h"

#include <algorithm>
#include <cstdlib>

namespace kagiroi {

namespace {

// Race details: the digit fields the demo does not model hold zeros.
void ZeroUnmodelledRaFields(DemoRecordWriter& w) {
    w.Zeros(611, 1);   // race name kind
    w.Zeros(702, 4);   // distance before a change
    w.Zeros(708, 2);   // track before a change
    w.Zeros(770, 40);  // prize money before a change
    w.Zeros(850, 24);  // added money before a change
    w.Zeros(891, 75);  // lap times
    w.Zeros(966, 16);  // jump mile time, first and last furlongs
    for (int corner = 0; corner < 4; ++corner)
        w.Zeros(982 + 72 * corner, 2);
    w.Zeros(1270, 1);  // record update
}

void WriteRaceConditions(DemoRecordWriter& w, const DemoRaceCard& c) {
    w.Digits(28, 1, c.weekdayCode);
    w.Digits(29, 4, c.specialNumber);
    w.Wide(33, 60, c.name);
    w.Digits(612, 3, c.edition);
    w.Char(615, c.grade);
    w.Digits(617, 2, c.raceType);
    w.Text(619, 3, c.symbol);
    w.Digits(622, 1, c.weightType);
    for (size_t i = 0; i < c.conditions.size(); ++i)
        w.Digits(623 + 3 * static_cast<int>(i), 3, c.conditions[i]);
    w.Digits(635, 3, c.youngestCondition);
    w.Digits(698, 4, c.distance);
    w.Digits(706, 2, c.track);
    w.Text(710, 2, c.lane);
    w.Zeros(714, 56);
    for (size_t i = 0; i < c.prize.size(); ++i)
        w.Digits(714 + 8 * static_cast<int>(i), 8, c.prize[i]);
    w.Zeros(810, 40);
    for (size_t i = 0; i < c.added.size(); ++i)
        w.Digits(810 + 8 * static_cast<int>(i), 8, c.added[i]);
}

int HourMinute(int minutes) {
    return minutes / 60 * 100 + minutes % 60;
}

// The prize a placing earns; horses sharing a placing share the two prizes.
int64_t PrizeOf(const std::array<int64_t, 5>& prizes, const DemoRace& race, int horse) {
    int placing = race.result.placing[static_cast<size_t>(horse)];
    if (placing < 1 || placing > static_cast<int>(prizes.size())) return 0;
    auto prize = [&](int p) {
        return p <= static_cast<int>(prizes.size()) ? prizes[static_cast<size_t>(p - 1)] : 0;
    };
    if (race.result.deadHeatPlace == placing) return (prize(placing) + prize(placing + 1)) / 2;
    return prize(placing);
}

bool TiedAt(const DemoRace& race, int horse) {
    int placing = race.result.placing[static_cast<size_t>(horse)];
    return placing > 0 && placing == race.result.deadHeatPlace;
}

void WriteRunnerResult(DemoRecordWriter& w, const DemoRace& race, const DemoRunner& r,
                       const DemoOddsBook* finalOdds) {
    size_t h = static_cast<size_t>(r.horse);
    if (race.IsScratched(r.horse)) {
        w.Char(SE::Abnormality.pos, '1');  // withdrawn
        return;
    }
    w.Digits(325, 3, r.bodyWeight);
    w.Char(328, r.bodyWeightChange > 0 ? '+' : r.bodyWeightChange < 0 ? '-' : ' ');
    w.Digits(329, 3, std::abs(r.bodyWeightChange));
    auto crossed = std::find(race.result.order.begin(), race.result.order.end(), r.horse);
    w.Digits(333, 2, crossed - race.result.order.begin() + 1);
    w.Digits(SE::Placing, race.result.placing[h]);
    bool tied = TiedAt(race, r.horse);
    w.Char(337, tied ? '1' : '0');
    w.Char(338, tied ? '1' : '0');
    w.Digits(339, 4, RaceTimeField(race.result.timeTenths[h]));
    if (finalOdds != nullptr && finalOdds->win[h].state == DemoOddsState::Price) {
        w.Digits(SE::FinalOdds, finalOdds->win[h].tenths);
        w.Digits(SE::FinalPopularity, finalOdds->win[h].popularity);
    }
    w.Digits(366, 8, PrizeOf(race.card.prize, race, r.horse));
    std::array<int64_t, 5> added = {race.card.added[0], race.card.added[1], race.card.added[2], 0,
                                    0};
    w.Digits(374, 8, PrizeOf(added, race, r.horse));
}

void WriteRunnerMining(DemoRecordWriter& w, const DemoRace& race, int horse) {
    size_t h = static_cast<size_t>(horse);
    w.Char(537, '1');
    w.Digits(SE::MiningTime, MiningTimeField(race.mining.hundredths[h]));
    w.Digits(SE::MiningPlus, race.mining.errorPlus[h]);
    w.Digits(SE::MiningMinus, race.mining.errorMinus[h]);
    w.Digits(551, 2, race.mining.rank[h]);
}

void ZeroUnmodelledSeFields(DemoRecordWriter& w) {
    w.Zeros(77, 2);   // horse symbol
    w.Zeros(99, 6);   // owner
    w.Zeros(292, 3);  // weight before a change
    w.Zeros(295, 1);  // blinkers
    w.Zeros(302, 5);  // jockey before a change
    w.Zeros(323, 2);  // apprentice marks
    w.Zeros(325, 3);  // body weight
    w.Zeros(329, 3);
    w.Zeros(332, 11);  // abnormality .. run time
    w.Zeros(352, 22);  // corners, odds, popularity, prizes
    w.Zeros(374, 8);
    w.Zeros(388, 6);  // last furlongs
    for (int i = 0; i < 3; ++i)
        w.Zeros(394 + 46 * i, 10);
    w.Zeros(532, 6);   // time difference, record update, mining kind
    w.Zeros(538, 16);  // mining fields, running style
}

// HR entry: combination digits, payout (9) and popularity.
void WritePayoutEntries(DemoRecordWriter& w, int pos, int count, int numbers, int numberDigits,
                        int popDigits, const std::vector<DemoPayout>& payouts) {
    int comboLen = numberDigits * numbers;
    int entryLen = comboLen + 9 + popDigits;
    w.Zeros(pos, entryLen * count);
    for (int k = 0; k < count && k < static_cast<int>(payouts.size()); ++k) {
        const DemoPayout& p = payouts[static_cast<size_t>(k)];
        int at = pos + entryLen * k;
        for (size_t i = 0; i < p.numbers.size(); ++i)
            w.Digits(at + numberDigits * static_cast<int>(i), numberDigits, p.numbers[i]);
        w.Digits(at + comboLen, 9, p.yen);
        w.Digits(at + comboLen + 9, popDigits, p.popularity);
    }
}

void WriteRefunds(DemoRecordWriter& w, const DemoRace& race, bool bracketSold) {
    w.Zeros(32, 27);  // not held, special payout and refund flags
    w.Zeros(59, 44);  // refunded horses, brackets, same-bracket pairs
    int h = race.scratch.horse;
    if (h == 0) return;
    std::array<int, 9> registered{}, running{};
    for (const DemoRunner& r : race.card.runners) {
        ++registered[static_cast<size_t>(r.bracket)];
        if (r.horse != h) ++running[static_cast<size_t>(r.bracket)];
    }
    bool bracketRefund = false;
    for (int b = 1; b <= 8; ++b) {
        if (registered[static_cast<size_t>(b)] > 0 && running[static_cast<size_t>(b)] == 0) {
            w.Char(87 + b - 1, '1');
            bracketRefund = true;
        }
        if (registered[static_cast<size_t>(b)] >= 2 && running[static_cast<size_t>(b)] < 2) {
            w.Char(95 + b - 1, '1');
            bracketRefund = true;
        }
    }
    // Refund flags per type: win, place, bracket, quinella, wide, (spare), exacta, trio, trifecta.
    for (int t : {0, 1, 3, 4, 6, 7, 8})
        w.Char(50 + t, '1');
    if (bracketSold && bracketRefund) w.Char(52, '1');
    w.Char(59 + h - 1, '1');
}

}  // namespace

char DataKindOf(DemoStage stage) {
    switch (stage) {
        case DemoStage::Entries:
            return '1';
        case DemoStage::Card:
            return '2';
        case DemoStage::RaceDay:
            return '5';
        case DemoStage::Settled:
            return '7';
    }
    return '0';
}

bool HasResults(DemoStage stage) {
    return stage == DemoStage::RaceDay || stage == DemoStage::Settled;
}

std::string DemoRaRecord(const DemoRace& race, DemoStage stage, const DateTime& created) {
    const DemoRaceCard& c = race.card;
    DemoRecordWriter w("RA", kRaLength);
    w.Head(DataKindOf(stage), created);
    w.RaceKey(c);
    ZeroUnmodelledRaFields(w);
    WriteRaceConditions(w, c);
    bool results = HasResults(stage);
    bool changed = results && race.postChange.has_value();
    w.Digits(RA::PostTime, HourMinute(results ? race.PostMinutes() : c.postMinutes));
    w.Digits(878, 4, changed ? HourMinute(c.postMinutes) : 0);
    w.Digits(RA::Registered, c.Registered());
    w.Digits(884, 2, results ? race.Starters() : c.Registered());
    w.Digits(RA::Finishers, results ? race.Starters() : 0);
    w.Digits(888, 1, results ? race.goingAtPost.weather : 0);
    w.Digits(889, 1, results ? race.goingAtPost.turf : 0);
    w.Digits(890, 1, results ? race.goingAtPost.dirt : 0);
    return w.Take();
}

std::string DemoSeRecord(const DemoRace& race, const DemoRunner& r, DemoStage stage,
                         const DateTime& created, const DemoOddsBook* finalOdds) {
    DemoRecordWriter w("SE", kSeLength);
    w.Head(DataKindOf(stage), created);
    w.RaceKey(race.card);
    ZeroUnmodelledSeFields(w);
    // The draw comes with the card: the entries have no bracket and horse numbers yet.
    bool drawn = stage != DemoStage::Entries;
    w.Digits(SE::Frame, drawn ? r.bracket : 0);
    w.Digits(SE::Horse, drawn ? r.horse : 0);
    w.Digits(31, 10, r.pedigreeNumber);
    w.Wide(SE::HorseName, r.name);
    w.Digits(SE::Sex, r.sex);
    w.Char(80, '1');
    w.Digits(81, 2, r.pedigreeNumber % 7 + 1);
    w.Digits(SE::Age, r.age);
    w.Digits(85, 1, r.eastWest);
    w.Digits(86, 5, r.trainerCode);
    w.Digits(SE::Weight, r.carriedWeight);
    w.Digits(297, 5, 1001 + r.jockey);
    w.Text(SE::Jockey, DemoJockeyName(r.jockey));
    if (HasResults(stage)) WriteRunnerResult(w, race, r, finalOdds);
    if (drawn) WriteRunnerMining(w, race, r.horse);
    return w.Take();
}

std::string DemoHrRecord(const DemoRace& race, const DemoPayouts& payouts, char dataKind,
                         const DateTime& created) {
    DemoRecordWriter w("HR", kHrLength);
    w.Head(dataKind, created);
    w.RaceKey(race.card);
    w.Digits(28, 2, race.card.Registered());
    w.Digits(30, 2, race.Starters());
    WriteRefunds(w, race, payouts.bracketSold);
    WritePayoutEntries(w, 103, 3, 1, 2, 2, payouts.Of(BetType::Win));
    WritePayoutEntries(w, 142, 5, 1, 2, 2, payouts.Of(BetType::Place));
    if (payouts.bracketSold)
        WritePayoutEntries(w, 207, 3, 2, 1, 2, payouts.Of(BetType::BracketQuinella));
    WritePayoutEntries(w, 246, 3, 2, 2, 3, payouts.Of(BetType::Quinella));
    WritePayoutEntries(w, 294, 7, 2, 2, 3, payouts.Of(BetType::Wide));
    WritePayoutEntries(w, 454, 6, 2, 2, 3, payouts.Of(BetType::Exacta));
    WritePayoutEntries(w, 550, 3, 3, 2, 3, payouts.Of(BetType::Trio));
    WritePayoutEntries(w, 604, 6, 3, 2, 4, payouts.Of(BetType::Trifecta));
    return w.Take();
}

std::string DemoDmRecord(const DemoRace& race, char dataKind, int64_t madeAt) {
    DemoRecordWriter w("DM", kDmLength);
    DateTime made = DateTimeOfMinute(madeAt);
    w.Head(dataKind, made);
    w.RaceKey(race.card);
    w.Digits(28, 2, made.hour);
    w.Digits(30, 2, made.minute);
    w.Zeros(32, 15 * kMaxRunners);
    for (const DemoRunner& r : race.card.runners) {
        size_t h = static_cast<size_t>(r.horse);
        w.Digits(DM::Horse.At(r.horse), r.horse);
        w.Digits(DM::Time.At(r.horse), MiningTimeField(race.mining.hundredths[h]));
        w.Digits(DM::ErrorPlus.At(r.horse), race.mining.errorPlus[h]);
        w.Digits(DM::ErrorMinus.At(r.horse), race.mining.errorMinus[h]);
    }
    return w.Take();
}

std::string DemoTcRecord(const DemoRace& race) {
    DemoRecordWriter w("TC", kTcLength);
    const DemoPostChange& change = *race.postChange;
    w.Head('1', DateTimeOfMinute(change.announced));
    w.RaceKey(race.card);
    w.MonthDayTime(TC::Announced.pos, change.announced);
    w.Digits(TC::NewPostTime, HourMinute(change.newPostMinutes));
    w.Digits(40, 4, HourMinute(race.card.postMinutes));
    return w.Take();
}

std::string DemoWeRecord(const DemoCourseDay& course, const DateTime& date,
                         const DemoWeatherNotice& notice) {
    DemoRecordWriter w("WE", kWeLength);
    w.Head('1', DateTimeOfMinute(notice.announced));
    w.Digits(12, 8, DateNumber(date));
    w.Digits(20, 2, course.meeting.course);
    w.Digits(22, 2, course.meeting.meeting);
    w.Digits(24, 2, course.meeting.dayNumber);
    w.MonthDayTime(26, notice.announced);
    w.Digits(34, 1, notice.changeKind);
    w.Digits(35, 1, notice.now.weather);
    w.Digits(36, 1, notice.now.turf);
    w.Digits(37, 1, notice.now.dirt);
    w.Digits(38, 1, notice.before.weather);
    w.Digits(39, 1, notice.before.turf);
    w.Digits(40, 1, notice.before.dirt);
    return w.Take();
}

}  // namespace kagiroi
