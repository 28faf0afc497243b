#include "DemoTestSupport.h"
#include "demo/DemoPayouts.h"
#include "demo/DemoRecords.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kagiroi {
namespace {

using test::F;
using test::N;

struct Paid {
    std::vector<int> numbers;
    int yen = 0;
    int popularity = 0;
};

// The non-empty entries of one bet type of an HR record.
std::vector<Paid> Entries(const std::string& hr, int pos, int count, int numbers, int digits,
                          int popDigits) {
    std::vector<Paid> paid;
    int entry = numbers * digits + 9 + popDigits;
    for (int k = 0; k < count; ++k) {
        int at = pos + entry * k;
        Paid p;
        for (int i = 0; i < numbers; ++i)
            p.numbers.push_back(N(hr, at + digits * i, digits));
        p.yen = N(hr, at + numbers * digits, 9);
        p.popularity = N(hr, at + numbers * digits + 9, popDigits);
        if (p.numbers.front() == 0) {
            EXPECT_TRUE(IsDigits(F(hr, at, entry))) << "unused entries hold zeros";
            EXPECT_EQ(0, p.yen);
            continue;
        }
        paid.push_back(p);
    }
    return paid;
}

std::vector<Paid> Wins(const std::string& hr) {
    return Entries(hr, 103, 3, 1, 2, 2);
}
std::vector<Paid> Places(const std::string& hr) {
    return Entries(hr, 142, 5, 1, 2, 2);
}
std::vector<Paid> Brackets(const std::string& hr) {
    return Entries(hr, 207, 3, 2, 1, 2);
}
std::vector<Paid> Quinellas(const std::string& hr) {
    return Entries(hr, 246, 3, 2, 2, 3);
}
std::vector<Paid> Wides(const std::string& hr) {
    return Entries(hr, 294, 7, 2, 2, 3);
}
std::vector<Paid> Exactas(const std::string& hr) {
    return Entries(hr, 454, 6, 2, 2, 3);
}
std::vector<Paid> Trios(const std::string& hr) {
    return Entries(hr, 550, 3, 3, 2, 3);
}
std::vector<Paid> Trifectas(const std::string& hr) {
    return Entries(hr, 604, 6, 3, 2, 4);
}

// Horse numbers by final placing, from the runner records.
std::vector<int> HorsesPlaced(const test::DemoRaceRecords& r, int placing) {
    std::vector<int> horses;
    for (const std::string& se : r.runners)
        if (N(se, 335, 2) == placing) horses.push_back(N(se, 29, 2));
    return horses;
}

class DemoPayoutRecords : public ::testing::Test {
  protected:
    DemoWorld world{DateTime{2024, 1, 9, 12, 0, 0}};

    // The settled records of the first race from 2024-01-06 on that `wanted` picks.
    test::DemoRaceRecords RecordsOf(const std::function<bool(const DemoRace&)>& wanted) {
        const DemoRace* race = test::FindRace(world, DateTime{2024, 1, 6}, wanted);
        EXPECT_NE(nullptr, race);
        if (race == nullptr) return {};
        for (test::DemoRaceRecords& r : test::SettledRecords(world, race->card.date))
            if (r.race->card.meeting.course == race->card.meeting.course &&
                r.race->card.race == race->card.race)
                return r;
        return {};
    }
};

TEST_F(DemoPayoutRecords, SingleWinnersPayTheirFinalOdds) {
    int checked = 0;
    for (const DateTime& day : {DateTime{2024, 1, 6}, DateTime{2024, 1, 7}}) {
        for (const test::DemoRaceRecords& r : test::SettledRecords(world, day)) {
            if (r.race->result.deadHeatPlace != 0) continue;
            ++checked;
            EXPECT_EQ(F(r.ra, 12, 16), F(r.hr, 12, 16));
            int first = HorsesPlaced(r, 1).at(0), second = HorsesPlaced(r, 2).at(0),
                third = HorsesPlaced(r, 3).at(0);
            std::vector<Paid> win = Wins(r.hr);
            ASSERT_EQ(1u, win.size());
            EXPECT_EQ(first, win[0].numbers[0]);
            EXPECT_EQ(N(r.o1, 46 + 8 * (first - 1), 4) * 10, win[0].yen);
            EXPECT_EQ(N(r.o1, 50 + 8 * (first - 1), 2), win[0].popularity);

            std::vector<int> trio = {first, second, third};
            std::sort(trio.begin(), trio.end());
            std::vector<Paid> trios = Trios(r.hr);
            ASSERT_EQ(1u, trios.size());
            EXPECT_EQ(trio, trios[0].numbers);
            int l = TrioIndex(CombinationText(trio[0], trio[1], trio[2]));
            int trioOdds = N(r.o5, 47 + 15 * (l - 1), 6);
            if (trioOdds < 999999) {
                EXPECT_EQ(trioOdds * 10, trios[0].yen);
            }
            EXPECT_EQ(N(r.o5, 53 + 15 * (l - 1), 3), trios[0].popularity);

            std::vector<Paid> trifectas = Trifectas(r.hr);
            ASSERT_EQ(1u, trifectas.size());
            EXPECT_EQ((std::vector<int>{first, second, third}), trifectas[0].numbers);
            int m = TrifectaIndex(CombinationText(first, second, third));
            int trifectaOdds = N(r.o6, 47 + 17 * (m - 1), 7);
            if (trifectaOdds < 9999999) {
                EXPECT_EQ(trifectaOdds * 10, trifectas[0].yen);
            }
            EXPECT_EQ(N(r.o6, 54 + 17 * (m - 1), 4), trifectas[0].popularity);

            int n = N(r.ra, 882, 2);
            if (n >= 9) {
                std::vector<Paid> brackets = Brackets(r.hr);
                ASSERT_EQ(1u, brackets.size());
                int a = BracketOf(n, first), b = BracketOf(n, second);
                EXPECT_EQ((std::vector<int>{std::min(a, b), std::max(a, b)}), brackets[0].numbers);
                int e = BracketPairIndex(std::min(a, b), std::max(a, b));
                EXPECT_EQ(N(r.o1, 606 + 9 * (e - 1), 5) * 10, brackets[0].yen);
                EXPECT_EQ(N(r.o1, 611 + 9 * (e - 1), 2), brackets[0].popularity);
            }
            std::vector<Paid> quinellas = Quinellas(r.hr), exactas = Exactas(r.hr);
            ASSERT_EQ(1u, quinellas.size());
            ASSERT_EQ(1u, exactas.size());
            EXPECT_EQ((std::vector<int>{std::min(first, second), std::max(first, second)}),
                      quinellas[0].numbers);
            EXPECT_EQ((std::vector<int>{first, second}), exactas[0].numbers);
            std::vector<Paid> wides = Wides(r.hr);
            ASSERT_EQ(3u, wides.size());
            for (const Paid& w : wides) {
                EXPECT_LT(w.numbers[0], w.numbers[1]);
                EXPECT_EQ(1, std::count(trio.begin(), trio.end(), w.numbers[0]));
                EXPECT_EQ(1, std::count(trio.begin(), trio.end(), w.numbers[1]));
                if (w.numbers == quinellas[0].numbers) {
                    EXPECT_LE(w.yen, quinellas[0].yen);
                }
            }
            EXPECT_GE(trifectas[0].yen, trios[0].yen) << "an order pays more than a set";
        }
    }
    EXPECT_GT(checked, 40);
}

TEST_F(DemoPayoutRecords, PlacesPayWithinTheirFinalPlaceOdds) {
    for (const test::DemoRaceRecords& r : test::SettledRecords(world, DateTime{2024, 1, 7})) {
        if (r.race->result.deadHeatPlace != 0) continue;
        int starters = N(r.ra, 884, 2);
        int places = starters >= 8 ? 3 : 2;
        std::vector<Paid> paid = Places(r.hr);
        ASSERT_EQ(static_cast<size_t>(places), paid.size());
        std::set<int> placed;
        for (int p = 1; p <= places; ++p)
            placed.insert(HorsesPlaced(r, p).at(0));
        for (const Paid& p : paid) {
            int h = p.numbers[0];
            EXPECT_EQ(1u, placed.count(h)) << "horse " << h << " placed";
            int low = N(r.o1, 270 + 12 * (h - 1), 4), high = N(r.o1, 274 + 12 * (h - 1), 4);
            EXPECT_GE(p.yen, low * 10);
            if (high < 9999) {
                EXPECT_LE(p.yen, high * 10);
            }
            EXPECT_EQ(N(r.o1, 278 + 12 * (h - 1), 2), p.popularity);
        }
    }
}

TEST_F(DemoPayoutRecords, PlacesAreListedInFinishingOrder) {
    int reordered = 0;
    for (const test::DemoRaceRecords& r : test::SettledRecords(world, DateTime{2024, 1, 6})) {
        std::vector<int> horses, placings;
        for (const Paid& p : Places(r.hr)) {
            horses.push_back(p.numbers[0]);
            for (const std::string& se : r.runners)
                if (N(se, 29, 2) == p.numbers[0]) placings.push_back(N(se, 335, 2));
        }
        ASSERT_EQ(horses.size(), placings.size());
        EXPECT_TRUE(std::is_sorted(placings.begin(), placings.end()))
            << F(r.ra, 12, 16) << " lists placings " << testing::PrintToString(placings);
        reordered += !std::is_sorted(horses.begin(), horses.end());
    }
    EXPECT_GT(reordered, 0) << "some winner has a higher number than a horse behind it";
}

TEST_F(DemoPayoutRecords, DeadHeatForFirstPaysBothWinners) {
    test::DemoRaceRecords r = RecordsOf([](const DemoRace& race) {
        return race.result.deadHeatPlace == 1 && race.scratch.horse == 0;
    });
    ASSERT_NE(nullptr, r.race);
    std::vector<int> winners = HorsesPlaced(r, 1);
    ASSERT_EQ(2u, winners.size());
    EXPECT_TRUE(HorsesPlaced(r, 2).empty());
    int third = HorsesPlaced(r, 3).at(0);
    std::vector<Paid> win = Wins(r.hr);
    ASSERT_EQ(2u, win.size());
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(winners[i], win[i].numbers[0]);
        EXPECT_LT(win[i].yen, N(r.o1, 46 + 8 * (winners[i] - 1), 4) * 10) << "the pool is shared";
        EXPECT_GE(win[i].yen, 100);
    }
    std::vector<Paid> exactas = Exactas(r.hr), trifectas = Trifectas(r.hr);
    ASSERT_EQ(2u, exactas.size());
    ASSERT_EQ(2u, trifectas.size());
    std::set<std::vector<int>> orders = {trifectas[0].numbers, trifectas[1].numbers};
    EXPECT_EQ(1u, orders.count({winners[0], winners[1], third}));
    EXPECT_EQ(1u, orders.count({winners[1], winners[0], third}));
    EXPECT_EQ(1u, Trios(r.hr).size());
    EXPECT_EQ(1u, Quinellas(r.hr).size());
    EXPECT_EQ(3u, Wides(r.hr).size());
    // Both winners carry the first placing and the dead-heat marks.
    for (const std::string& se : r.runners)
        if (N(se, 335, 2) == 1) {
            EXPECT_EQ("11", F(se, 337, 2));
        }
}

TEST_F(DemoPayoutRecords, DeadHeatForThirdPaysFourPlacesAndTwoTrios) {
    test::DemoRaceRecords r = RecordsOf([](const DemoRace& race) {
        return race.result.deadHeatPlace == 3 && race.Starters() >= 8;
    });
    ASSERT_NE(nullptr, r.race);
    ASSERT_EQ(2u, HorsesPlaced(r, 3).size());
    EXPECT_EQ(4u, Places(r.hr).size());
    EXPECT_EQ(2u, Trios(r.hr).size());
    EXPECT_EQ(2u, Trifectas(r.hr).size());
    EXPECT_EQ(5u, Wides(r.hr).size());
    EXPECT_EQ(1u, Wins(r.hr).size());
    EXPECT_EQ(1u, Exactas(r.hr).size());
    EXPECT_TRUE(HorsesPlaced(r, 4).empty());
    EXPECT_EQ(1u, HorsesPlaced(r, 5).size()) << "the next horse is fifth";
}

TEST_F(DemoPayoutRecords, SmallFieldsSellNoBracketQuinella) {
    test::DemoRaceRecords r =
        RecordsOf([](const DemoRace& race) { return race.card.Registered() <= 8; });
    ASSERT_NE(nullptr, r.race);
    EXPECT_TRUE(IsBlank(F(r.hr, 207, 39)));
    EXPECT_FALSE(Wins(r.hr).empty());
    EXPECT_FALSE(Quinellas(r.hr).empty());
}

TEST_F(DemoPayoutRecords, WithdrawnHorseIsRefunded) {
    test::DemoRaceRecords r =
        RecordsOf([](const DemoRace& race) { return race.scratch.horse > 0; });
    ASSERT_NE(nullptr, r.race);
    int h = r.race->scratch.horse;
    EXPECT_EQ(N(r.hr, 28, 2) - 1, N(r.hr, 30, 2)) << "one starter fewer";
    EXPECT_EQ("1", F(r.hr, 59 + h - 1, 1));
    EXPECT_EQ(27, std::count(r.hr.begin() + 58, r.hr.begin() + 86, '0'));
    EXPECT_EQ("11", F(r.hr, 50, 2)) << "win and place stakes on it come back";
    for (const Paid& p : Trifectas(r.hr))
        EXPECT_EQ(0, std::count(p.numbers.begin(), p.numbers.end(), h));
}

}  // namespace
}  // namespace kagiroi
