#include "DemoTestSupport.h"
#include "demo/DemoOddsRecords.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace kagiroi {
namespace {

using test::F;
using test::N;

const DateTime kSaturday{2024, 1, 6};

struct Entry {
    std::string odds, popularity;
};

Entry WinEntry(const std::string& o1, int h) {
    return {F(o1, 46 + 8 * (h - 1), 4), F(o1, 50 + 8 * (h - 1), 2)};
}

// Lower odds never rank behind higher odds, equal odds share a rank, and the ranks start at 1.
void ExpectPopularityFollowsOdds(const std::vector<Entry>& entries, const std::string& what) {
    std::vector<std::pair<int, int>> priced;
    for (const Entry& e : entries)
        if (IsDigits(e.odds) && ToInt(e.odds) > 0)
            priced.push_back({ToInt(e.odds), ToInt(e.popularity)});
    ASSERT_FALSE(priced.empty()) << what;
    int best = priced.front().second;
    for (const auto& a : priced) {
        best = std::min(best, a.second);
        for (const auto& b : priced) {
            if (a.first < b.first) {
                EXPECT_LT(a.second, b.second) << what << " " << a.first << " " << b.first;
            } else if (a.first == b.first) {
                EXPECT_EQ(a.second, b.second) << what << " " << a.first;
            }
        }
    }
    EXPECT_EQ(1, best) << what;
}

// The three horse numbers of an entry's six-digit combination field as combination text.
std::string ComboText(const std::string& field) {
    return CombinationText(ToInt(field.substr(0, 2)), ToInt(field.substr(2, 2)),
                           ToInt(field.substr(4, 2)));
}

class DemoOddsRecords : public ::testing::Test {
  protected:
    DemoWorld world{DateTime{2024, 1, 9, 12, 0, 0}};
    std::vector<test::DemoRaceRecords> races = test::SettledRecords(world, kSaturday);
};

TEST_F(DemoOddsRecords, WinAndPlaceOddsHangTogether) {
    for (const test::DemoRaceRecords& r : races) {
        int n = N(r.o1, 36, 2);
        ASSERT_EQ(N(r.ra, 882, 2), n);
        EXPECT_EQ("4", F(r.o1, 3, 1));
        std::vector<Entry> win;
        double backRate = 0.0;
        for (int h = 1; h <= 28; ++h) {
            int at = 44 + 8 * (h - 1), place = 268 + 12 * (h - 1);
            if (h > n) {
                EXPECT_TRUE(IsBlank(F(r.o1, at, 8))) << "no horse " << h;
                EXPECT_TRUE(IsBlank(F(r.o1, place, 12)));
                continue;
            }
            EXPECT_EQ(h, N(r.o1, at, 2));
            EXPECT_EQ(h, N(r.o1, place, 2));
            Entry e = WinEntry(r.o1, h);
            win.push_back(e);
            if (!IsDigits(e.odds)) continue;
            EXPECT_GE(ToInt(e.odds), 10) << "at least 1.0";
            backRate += 8.0 / ToInt(e.odds);
            int low = N(r.o1, place + 2, 4), high = N(r.o1, place + 6, 4);
            EXPECT_GE(low, 10);
            EXPECT_LE(low, high);
            EXPECT_LE(low, ToInt(e.odds)) << "a place pays less than a win";
        }
        ExpectPopularityFollowsOdds(win, "win");
        // Odds of about 0.8 / p, rounded down: the implied chances add up to a little above 1.
        EXPECT_GE(backRate, 1.0);
        EXPECT_LT(backRate, 1.1);
    }
}

TEST_F(DemoOddsRecords, BracketOddsAreSoldFromNineRunners) {
    int sold = 0, notSold = 0;
    for (const test::DemoRaceRecords& r : races) {
        int n = N(r.o1, 36, 2);
        if (n <= 8) {
            ++notSold;
            EXPECT_EQ("0", F(r.o1, 42, 1));
            EXPECT_TRUE(IsBlank(F(r.o1, 604, 324)));
            continue;
        }
        ++sold;
        EXPECT_EQ("7", F(r.o1, 42, 1));
        std::vector<Entry> entries;
        for (int i = 1; i <= 8; ++i)
            for (int j = i; j <= 8; ++j) {
                int at = 604 + 9 * (BracketPairIndex(i, j) - 1);
                EXPECT_EQ(i * 10 + j, N(r.o1, at, 2));
                int inFirst = 0;
                for (int h = 1; h <= n; ++h)
                    inFirst += BracketOf(n, h) == i ? 1 : 0;
                if (i == j && inFirst < 2) {
                    EXPECT_TRUE(IsBlank(F(r.o1, at + 2, 7))) << "no pair " << i << "-" << i;
                    continue;
                }
                entries.push_back({F(r.o1, at + 2, 5), F(r.o1, at + 7, 2)});
            }
        ExpectPopularityFollowsOdds(entries, "bracket");
    }
    EXPECT_GT(sold, 0);
    EXPECT_GT(notSold, 0) << "Saturday has a small field";
}

TEST_F(DemoOddsRecords, TrioEntriesStandInIndexOrder) {
    for (const test::DemoRaceRecords& r : races) {
        int n = N(r.o5, 36, 2);
        std::vector<Entry> entries;
        for (int l = 1; l <= kTrioCount; ++l) {
            int at = 41 + 15 * (l - 1);
            std::string trio = TrioByIndex(l);
            bool inRace = ToInt(trio.substr(6, 2)) <= n;
            if (!inRace) {
                EXPECT_TRUE(IsBlank(F(r.o5, at, 15))) << trio;
                continue;
            }
            EXPECT_EQ(trio, ComboText(F(r.o5, at, 6))) << "entry " << l;
            entries.push_back({F(r.o5, at + 6, 6), F(r.o5, at + 12, 3)});
        }
        ExpectPopularityFollowsOdds(entries, "trio");
    }
}

TEST_F(DemoOddsRecords, TrifectaEntriesStandInIndexOrder) {
    for (size_t i = 0; i < races.size(); i += 5) {
        const test::DemoRaceRecords& r = races[i];
        int n = N(r.o6, 36, 2);
        std::vector<Entry> entries;
        for (int m = 1; m <= kTrifectaCount; ++m) {
            int at = 41 + 17 * (m - 1);
            std::string trifecta = TrifectaByIndex(m);
            bool inRace = ToInt(trifecta.substr(0, 2)) <= n && ToInt(trifecta.substr(3, 2)) <= n &&
                          ToInt(trifecta.substr(6, 2)) <= n;
            if (!inRace) {
                EXPECT_TRUE(IsBlank(F(r.o6, at, 17))) << trifecta;
                continue;
            }
            EXPECT_EQ(trifecta, ComboText(F(r.o6, at, 6))) << "entry " << m;
            entries.push_back({F(r.o6, at + 6, 7), F(r.o6, at + 13, 4)});
        }
        ExpectPopularityFollowsOdds(entries, "trifecta");
    }
}

TEST_F(DemoOddsRecords, TrioOddsComeFromTheSameChancesAsTheWinOdds) {
    for (const test::DemoRaceRecords& r : races) {
        int n = N(r.o1, 36, 2);
        std::vector<std::pair<int, int>> byOdds;
        for (int h = 1; h <= n; ++h)
            if (IsDigits(WinEntry(r.o1, h).odds))
                byOdds.push_back({ToInt(WinEntry(r.o1, h).odds), h});
        std::sort(byOdds.begin(), byOdds.end());
        std::set<int> favourites;
        for (size_t i = 0; i < 5 && i < byOdds.size(); ++i)
            favourites.insert(byOdds[i].second);
        for (int l = 1; l <= kTrioCount; ++l) {
            int at = 41 + 15 * (l - 1);
            if (F(r.o5, at + 12, 3) != "001") continue;
            std::string combo = F(r.o5, at, 6);
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(1u, favourites.count(ToInt(combo.substr(2 * k, 2))))
                    << "the favourite trio is made of win favourites: " << combo;
        }
    }
}

TEST_F(DemoOddsRecords, LongShotsNobodyBackedReadZero) {
    int zero = 0;
    for (const test::DemoRaceRecords& r : races) {
        for (int m = 1; m <= kTrifectaCount; ++m) {
            int at = 41 + 17 * (m - 1);
            if (F(r.o6, at + 6, 11) != "00000000000") continue;
            ++zero;
            std::string combo = F(r.o6, at, 6);
            int longest = 0;
            for (int k = 0; k < 3; ++k)
                longest =
                    std::max(longest, ToInt(WinEntry(r.o1, ToInt(combo.substr(2 * k, 2))).odds));
            EXPECT_GE(longest, 300) << "a combination without votes holds an outsider: " << combo;
        }
    }
    EXPECT_GT(zero, 0);
}

TEST_F(DemoOddsRecords, WithdrawnHorsesAreMarked) {
    const DemoRace* before = test::FindRace(world, kSaturday, [](const DemoRace& r) {
        return r.scratch.horse > 0 && !r.scratch.afterSale;
    });
    ASSERT_NE(nullptr, before);
    int h = before->scratch.horse;
    std::vector<std::string> odds = world.RaceOdds(*before, before->FirstOddsMinute());
    ASSERT_EQ(3u, odds.size());
    EXPECT_EQ("1", F(odds[0], 3, 1)) << "interim odds";
    EXPECT_EQ(before->card.Registered() - 1, N(odds[0], 38, 2)) << "starters";
    EXPECT_EQ("------", F(odds[0], 46 + 8 * (h - 1), 6));
    EXPECT_EQ("----------", F(odds[0], 270 + 12 * (h - 1), 10));
    for (int l = 1; l <= kTrioCount; ++l) {
        std::string trio = TrioByIndex(l);
        bool withIt = ToInt(trio.substr(0, 2)) == h || ToInt(trio.substr(3, 2)) == h ||
                      ToInt(trio.substr(6, 2)) == h;
        if (!withIt || ToInt(trio.substr(6, 2)) > before->card.Registered()) continue;
        EXPECT_EQ("---------", F(odds[1], 47 + 15 * (l - 1), 9)) << trio;
    }

    const DemoRace* after = test::FindRace(world, kSaturday, [](const DemoRace& r) {
        return r.scratch.horse > 0 && r.scratch.afterSale;
    });
    ASSERT_NE(nullptr, after);
    int a = after->scratch.horse;
    std::vector<std::string> earlier = world.RaceOdds(*after, after->scratch.minute - 1);
    std::vector<std::string> later = world.RaceOdds(*after, after->scratch.minute + 10);
    EXPECT_TRUE(IsDigits(F(earlier[0], 46 + 8 * (a - 1), 6))) << "priced until withdrawn";
    EXPECT_EQ("******", F(later[0], 46 + 8 * (a - 1), 6));
    std::vector<int> others;
    for (int h = 1; others.size() < 2; ++h)
        if (h != a) others.push_back(h);
    int m = TrifectaIndex(CombinationText(others[0], a, others[1]));
    EXPECT_EQ(std::string(11, '*'), F(later[2], 47 + 17 * (m - 1), 11));
}

TEST_F(DemoOddsRecords, InterimOddsMoveTowardTheFinalOdds) {
    const DemoDay* day = world.Day(kSaturday);
    double earlyGap = 0.0, lateGap = 0.0;
    for (const DemoRace* race : day->Races()) {
        std::string morning = world.RaceOdds(*race, race->FirstOddsMinute())[0];
        std::string late = world.RaceOdds(*race, race->PostMinute() - 5)[0];
        std::string final = world.RaceOdds(*race, race->FinalOddsMinute())[0];
        EXPECT_EQ("1", F(morning, 3, 1));
        EXPECT_EQ("1", F(late, 3, 1));
        EXPECT_EQ("4", F(final, 3, 1));
        EXPECT_EQ("01060830", F(morning, 28, 8));
        int post = race->PostMinutes() - 5;
        EXPECT_EQ(post / 60 * 100 + post % 60, N(late, 32, 4))
            << "announced each minute before the post";
        for (int h = 1; h <= race->card.Registered(); ++h) {
            int f = N(final, 46 + 8 * (h - 1), 4);
            if (f == 0) continue;
            earlyGap += std::fabs(std::log(N(morning, 46 + 8 * (h - 1), 4) / double(f)));
            lateGap += std::fabs(std::log(N(late, 46 + 8 * (h - 1), 4) / double(f)));
        }
    }
    EXPECT_LT(lateGap, earlyGap / 4);
    EXPECT_GT(lateGap, 0.0) << "still moving in the last minutes";
}

}  // namespace
}  // namespace kagiroi
