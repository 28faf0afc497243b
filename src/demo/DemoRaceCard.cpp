#include "demo/DemoRaceCard.h"

#include "demo/DemoNames.h"
#include "demo/DemoRandom.h"
#include "racing/KeibaFunc.h"

#include <algorithm>
#include <array>

namespace kagiroi {

namespace {

enum class RaceClass { Debut, Maiden, OneWin, TwoWin, ThreeWin, Open, Graded };

struct RacePlan {
    RaceClass raceClass = RaceClass::Maiden;
    bool young = false;  // two- or three-year-olds only
    bool jump = false;
    bool special = false;  // a named race
};

constexpr int kConditionDebut = 701;
constexpr int kConditionMaiden = 703;
constexpr int kConditionOpen = 999;

int ConditionCode(RaceClass c) {
    switch (c) {
        case RaceClass::Debut:
            return kConditionDebut;
        case RaceClass::Maiden:
            return kConditionMaiden;
        case RaceClass::OneWin:
            return 5;
        case RaceClass::TwoWin:
            return 10;
        case RaceClass::ThreeWin:
            return 16;
        case RaceClass::Open:
        case RaceClass::Graded:
            return kConditionOpen;
    }
    return 0;
}

int64_t FirstPrize(RaceClass c, char grade, bool jump) {
    if (jump) return c == RaceClass::Maiden ? 76000 : 170000;
    switch (c) {
        case RaceClass::Debut:
            return 72000;
        case RaceClass::Maiden:
            return 55000;
        case RaceClass::OneWin:
            return 78000;
        case RaceClass::TwoWin:
            return 106000;
        case RaceClass::ThreeWin:
            return 184000;
        case RaceClass::Open:
            return 240000;
        case RaceClass::Graded:
            return grade == 'A' ? 1500000 : grade == 'B' ? 600000 : 410000;
    }
    return 0;
}

// Young races are for two-year-olds from June, for three-year-olds before.
bool SummerSeason(int month) {
    return month >= 6;
}

RacePlan PlanOf(int race, int month, int weekday, int order, bool jumpDay, DemoRandom& random) {
    RacePlan plan;
    switch (race) {
        case 1:
        case 2:
        case 3:
            plan = {RaceClass::Maiden, true, false, false};
            break;
        case 4:
            plan = {RaceClass::Maiden, !jumpDay, jumpDay, false};
            break;
        case 5:
            plan = {month >= 4 && month <= 5 ? RaceClass::Maiden : RaceClass::Debut, true, false,
                    false};
            break;
        case 6:
            plan = {RaceClass::OneWin, !SummerSeason(month), false, false};
            break;
        case 7:
        case 8:
            plan = {RaceClass::OneWin, false, false, false};
            break;
        case 9:
            plan = {RaceClass::OneWin, false, false, true};
            break;
        case 10:
            plan = {RaceClass::TwoWin, false, false, true};
            break;
        case 11: {
            bool graded = weekday == 0 && order == 0;
            RaceClass c = graded               ? RaceClass::Graded
                          : random.Chance(0.5) ? RaceClass::Open
                                               : RaceClass::ThreeWin;
            plan = {c, false, false, true};
            break;
        }
        default:
            plan = {RaceClass::TwoWin, false, false, false};
            break;
    }
    return plan;
}

int RaceTypeOf(const RacePlan& plan, int month) {
    bool summer = SummerSeason(month);
    if (plan.jump) return summer ? 18 : 19;
    if (plan.young) return summer ? 11 : 12;
    return summer ? 13 : 14;
}

std::array<int, 4> ConditionsOf(int raceType, int code) {
    switch (raceType) {
        case 11:
            return {code, 0, 0, 0};
        case 12:
            return {0, code, 0, 0};
        case 13:
        case 18:
            return {0, code, code, code};
        default:
            return {0, 0, code, code};
    }
}

int AgeFor(int raceType, DemoRandom& random) {
    switch (raceType) {
        case 11:
            return 2;
        case 12:
            return 3;
        case 13:
        case 18:
            return random.Chance(0.4) ? 3 : 4 + random.Between(0, 2);
        default:
            return 4 + random.Between(0, 3);
    }
}

bool LeftHanded(int course) {
    return course == 4 || course == 5 || course == 7;
}

template <size_t N>
int PickDistance(DemoRandom& random, const std::array<int, N>& list) {
    return list[static_cast<size_t>(random.Between(0, static_cast<int>(N) - 1))];
}

void ChooseCourse(DemoRaceCard& card, const RacePlan& plan, const std::string& turfLane,
                  DemoRandom& random) {
    int course = card.meeting.course;
    if (plan.jump) {
        constexpr std::array<int, 10> kJump = {2750, 2860, 2880, 3000, 3110,
                                               3140, 3200, 3300, 3350, 3390};
        card.distance = PickDistance(random, kJump);
        card.track = random.Between(51, 59);
        return;
    }
    bool turf = random.Chance(plan.raceClass == RaceClass::Graded ? 0.85 : 0.45);
    if (course == 4 && plan.young && turf && random.Chance(0.3)) {
        card.distance = 1000;  // the straight course
        card.track = 10;
        card.lane = turfLane;
        return;
    }
    if (turf) {
        constexpr std::array<int, 5> kYoungTurf = {1200, 1400, 1600, 1800, 2000};
        constexpr std::array<int, 7> kTurf = {1200, 1400, 1600, 1800, 2000, 2200, 2400};
        card.distance = plan.young ? PickDistance(random, kYoungTurf) : PickDistance(random, kTurf);
        bool outer = card.distance >= 1800 && random.Chance(0.35);
        card.track = LeftHanded(course) ? (outer ? 12 : 11) : (outer ? 18 : 17);
        card.lane = turfLane;
    } else {
        constexpr std::array<int, 4> kYoungDirt = {1200, 1400, 1600, 1800};
        constexpr std::array<int, 7> kDirt = {1200, 1400, 1600, 1700, 1800, 1900, 2100};
        card.distance = plan.young ? PickDistance(random, kYoungDirt) : PickDistance(random, kDirt);
        card.track = LeftHanded(course) ? 23 : 24;
        card.lane = "  ";
    }
}

void ChooseSymbolAndWeights(DemoRaceCard& card, const RacePlan& plan, DemoRandom& random) {
    if (plan.jump) {
        card.symbol = "A00";
        card.weightType = 4;
    } else if (plan.raceClass == RaceClass::Graded) {
        card.symbol = random.Chance(0.5) ? "N04" : "A03";
        card.weightType = random.Chance(0.6) ? 2 : random.Chance(0.5) ? 1 : 4;
    } else if (plan.special) {
        card.symbol = "A03";
        card.weightType = random.Chance(0.6) ? 2 : 1;
    } else if (plan.young) {
        card.symbol = random.Chance(0.5) ? "A03" : "A01";
        card.weightType = 3;
    } else {
        card.symbol = random.Chance(0.5) ? "A01" : "A03";
        card.weightType = 4;
    }
}

void NameTheRace(DemoRaceCard& card, const RacePlan& plan, DemoRandom& random) {
    if (!plan.special) return;
    card.specialNumber = random.Between(1, 9999);
    if (plan.raceClass == RaceClass::Graded) {
        double g = random.Uniform();
        card.grade = g < 0.1 ? 'A' : g < 0.35 ? 'B' : 'C';
        card.edition = random.Between(10, 75);
        card.name = DemoGradedRaceName(random, card.date.month);
    } else {
        card.grade = plan.raceClass == RaceClass::Open && random.Chance(0.5) ? 'L' : 'E';
        card.name = DemoSpecialRaceName(random, card.date.month);
    }
}

void SetPrizes(DemoRaceCard& card, const RacePlan& plan) {
    int64_t first = FirstPrize(plan.raceClass, card.grade, plan.jump);
    constexpr std::array<int, 5> kShare = {100, 40, 25, 15, 10};
    for (size_t i = 0; i < card.prize.size(); ++i)
        card.prize[i] = first * kShare[i] / 100 / 10 * 10;
    if (plan.special) {
        int64_t total = first / 40 / 10 * 10;
        card.added = {total * 7 / 10, total * 2 / 10, total / 10};
    }
}

int CarriedWeight(const DemoRaceCard& card, const DemoRunner& runner) {
    int base = card.raceType == 11 ? 550 : card.raceType == 12 ? 570 : runner.age == 3 ? 550 : 580;
    if (card.IsJump()) base = 600;
    if (card.weightType == 1) {
        int handicap = 540 + static_cast<int>(runner.strength * 4.0) * 5;
        base = std::clamp(handicap, 490, 590);
        return runner.sex == 2 ? base - 10 : base;
    }
    if (card.weightType == 2) base += 10 * static_cast<int>(runner.pedigreeNumber % 3);
    return runner.sex == 2 ? base - 20 : base;
}

DemoRunner MakeRunner(const DemoRaceCard& card, int horse, DemoRandom& random) {
    DemoRunner r;
    r.horse = horse;
    r.bracket = 0;
    r.strength = random.Normal();
    r.age = AgeFor(card.raceType, random);
    double s = random.Uniform();
    r.sex = s < 0.55 ? 1 : (s < 0.9 || r.age == 2) ? 2 : 3;
    r.trainerCode = random.Between(1000, 1199);
    r.eastWest = random.Between(1, 2);
    r.pedigreeNumber = (card.date.year - r.age) * 1000000LL + 100000 + random.Between(0, 99999);
    r.bodyWeight = 420 + random.Between(0, 120) - (r.sex == 2 ? 20 : 0);
    r.bodyWeightChange = 2 * random.Between(-5, 5);
    r.carriedWeight = CarriedWeight(card, r);
    return r;
}

void AddRunners(DemoRaceCard& card, DemoRandom& random) {
    int n = card.IsJump() ? 8 + random.Between(0, 6)
                          : 18 - std::min(random.Between(0, 10), random.Between(0, 10));
    std::vector<int> jockeys;
    for (int h = 1; h <= n; ++h) {
        DemoRunner runner = MakeRunner(card, h, random);
        runner.bracket = BracketOf(n, h);
        do {
            runner.name = DemoHorseName(random);
        } while (std::any_of(card.runners.begin(), card.runners.end(),
                             [&](const DemoRunner& o) { return o.name == runner.name; }));
        do {
            runner.jockey = random.Between(0, kDemoJockeyCount - 1);
        } while (std::find(jockeys.begin(), jockeys.end(), runner.jockey) != jockeys.end());
        jockeys.push_back(runner.jockey);
        card.runners.push_back(runner);
    }
}

int WeekdayCode(const DateTime& date) {
    int weekday = DayOfWeek(date);  // 0 Sunday .. 6 Saturday
    if (weekday == 6) return 1;
    if (weekday == 0) return 2;
    return weekday + 3;  // Monday 4 .. Friday 8
}

}  // namespace

uint64_t DemoRaceSeed(const DateTime& date, int course, int race) {
    return DemoSeed({static_cast<uint64_t>(DateNumber(date)), static_cast<uint64_t>(course),
                     static_cast<uint64_t>(race)});
}

DemoRaceCard BuildDemoRaceCard(const DateTime& date, const DemoMeeting& meeting, int race) {
    DemoRandom dayRandom(DemoRaceSeed(date, meeting.course, 0));
    bool jumpDay = dayRandom.Chance(0.35);
    static const std::array<std::string, 3> kLanes = {"A ", "B ", "C "};
    const std::string& turfLane = kLanes[static_cast<size_t>(dayRandom.Between(0, 2))];

    DemoRandom random(DemoRaceSeed(date, meeting.course, race));
    DemoRaceCard card;
    card.date = DateOnly(date);
    card.meeting = meeting;
    card.race = race;
    card.weekdayCode = WeekdayCode(date);
    card.postMinutes = DemoPostMinutes(meeting.order, race);

    RacePlan plan = PlanOf(race, date.month, DayOfWeek(date), meeting.order, jumpDay, random);
    card.raceType = RaceTypeOf(plan, date.month);
    int code = ConditionCode(plan.raceClass);
    card.conditions = ConditionsOf(card.raceType, code);
    card.youngestCondition = code;
    ChooseCourse(card, plan, turfLane, random);
    ChooseSymbolAndWeights(card, plan, random);
    NameTheRace(card, plan, random);
    SetPrizes(card, plan);
    AddRunners(card, random);
    return card;
}

}  // namespace kagiroi
