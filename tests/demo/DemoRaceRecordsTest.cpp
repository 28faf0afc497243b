#include "DemoTestSupport.h"
#include "daystore/RecordLayout.h"
#include "demo/DemoRecords.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace kagiroi {
namespace {

using test::F;
using test::N;

const DateTime kSaturday{2024, 1, 6};
const DateTime kSunday{2024, 1, 7};

using Fields = std::vector<std::pair<int, int>>;

void ExpectDigits(const std::string& record, const Fields& fields) {
    for (auto [pos, len] : fields)
        EXPECT_TRUE(IsDigits(F(record, pos, len)))
            << F(record, 1, 2) << " field at " << pos << " (" << len << "): \""
            << F(record, pos, len) << "\" in " << F(record, 12, 16);
}

// Every byte pair a full-width character: no half-width bytes, no split characters.
bool IsFullWidth(const std::string& text) {
    if (text.size() % 2 != 0) return false;
    for (size_t i = 0; i < text.size(); i += 2)
        if (!IsSjisLeadByte(static_cast<unsigned char>(text[i]))) return false;
    return IsValidSjis(text);
}

// Full-width katakana (and the long vowel mark), then full-width spaces.
bool IsKatakanaName(const std::string& name) {
    std::string trimmed = name;
    while (trimmed.size() >= 2 && trimmed.compare(trimmed.size() - 2, 2, "　") == 0)
        trimmed.resize(trimmed.size() - 2);
    if (trimmed.empty() || !IsFullWidth(name)) return false;
    for (size_t i = 0; i < trimmed.size(); i += 2) {
        auto lead = static_cast<unsigned char>(trimmed[i]);
        bool longVowel = trimmed.compare(i, 2, "ー") == 0;
        if (lead != 0x83 && !longVowel) return false;
    }
    return true;
}

class DemoRaceRecords : public ::testing::Test {
  protected:
    DemoWorld world{DateTime{2024, 1, 9, 12, 0, 0}};
};

TEST_F(DemoRaceRecords, EveryRecordHasItsExactLengthAndEndsInCrLf) {
    const std::vector<std::pair<DemoFileKind, int>> kinds = {
        {DemoFileKind::RA, kRaLength}, {DemoFileKind::SE, kSeLength},
        {DemoFileKind::HR, kHrLength}, {DemoFileKind::O1, kO1Length},
        {DemoFileKind::O5, kO5Length}, {DemoFileKind::O6, kO6Length}};
    for (DemoStage stage :
         {DemoStage::Entries, DemoStage::Card, DemoStage::RaceDay, DemoStage::Settled}) {
        for (auto [kind, length] : kinds) {
            bool results =
                kind == DemoFileKind::RA || kind == DemoFileKind::SE || HasResults(stage);
            if (!results) continue;
            for (const std::string& r : test::FileRecords(world, kSaturday, kind, stage)) {
                ASSERT_EQ(static_cast<size_t>(length), r.size()) << F(r, 1, 3);
                EXPECT_EQ("\r\n", r.substr(r.size() - 2));
                EXPECT_EQ(std::string::npos, r.substr(0, r.size() - 2).find_first_of("\r\n"));
                EXPECT_TRUE(IsValidSjis(r));
            }
        }
    }
    const DemoDay* day = world.Day(kSaturday);
    for (const DemoRace* race : day->Races()) {
        EXPECT_EQ(static_cast<size_t>(kDmLength),
                  DemoDmRecord(*race, '2', race->DayStart()).size());
        if (race->postChange) {
            EXPECT_EQ(static_cast<size_t>(kTcLength), DemoTcRecord(*race).size());
        }
    }
    for (const DemoCourseDay& c : day->courses)
        for (const DemoWeatherNotice& n : c.notices)
            EXPECT_EQ(static_cast<size_t>(kWeLength), DemoWeRecord(c, kSaturday, n).size());
}

// Checks every record and returns how many there were, so that a test sees its loop ran.
int ExpectDigitsInAll(const std::vector<std::string>& records, const Fields& fields) {
    for (const std::string& r : records)
        ExpectDigits(r, fields);
    return static_cast<int>(records.size());
}

TEST_F(DemoRaceRecords, DigitFieldsHoldDigits) {
    const Fields ra = {{3, 9},    {12, 16},  {28, 5},   {611, 4},  {617, 2},  {622, 16}, {698, 10},
                       {714, 56}, {770, 40}, {810, 40}, {850, 24}, {874, 17}, {891, 91}, {1270, 1}};
    const Fields se = {{3, 9},   {12, 16},  {28, 13},  {77, 2},   {79, 8},   {85, 6},
                       {99, 6},  {289, 7},  {297, 10}, {323, 5},  {329, 14}, {352, 30},
                       {388, 6}, {394, 10}, {440, 10}, {486, 10}, {532, 22}};
    int raChecked = 0, seChecked = 0, hrChecked = 0, bracketsChecked = 0;
    for (DemoStage stage : {DemoStage::Entries, DemoStage::Card, DemoStage::Settled}) {
        raChecked +=
            ExpectDigitsInAll(test::FileRecords(world, kSunday, DemoFileKind::RA, stage), ra);
        seChecked +=
            ExpectDigitsInAll(test::FileRecords(world, kSunday, DemoFileKind::SE, stage), se);
    }
    for (const test::DemoRaceRecords& r : test::SettledRecords(world, kSunday)) {
        ExpectDigits(r.hr, {{3, 9}, {12, 16}, {28, 179}, {246, 160}, {454, 264}});
        ExpectDigits(r.dm, {{3, 9}, {12, 16}, {28, 274}});
        ++hrChecked;
        if (r.race->card.Registered() >= 9) {
            ExpectDigits(r.hr, {{207, 39}});
            ++bracketsChecked;
        }
    }
    EXPECT_GT(raChecked, 0);
    EXPECT_GT(seChecked, raChecked) << "several runners a race";
    EXPECT_GT(hrChecked, 0);
    EXPECT_GT(bracketsChecked, 0) << "some field sells bracket quinellas";
}

TEST_F(DemoRaceRecords, RaceKeysFollowTheCalendar) {
    std::vector<std::string> ra =
        test::FileRecords(world, kSaturday, DemoFileKind::RA, DemoStage::Card);
    ASSERT_EQ(24u, ra.size());  // two racecourses that Saturday
    for (size_t i = 0; i < ra.size(); ++i) {
        const std::string& r = ra[i];
        EXPECT_EQ("RA", F(r, 1, 2));
        EXPECT_EQ("20240106", F(r, 12, 8));
        EXPECT_EQ(static_cast<int>(i % 12) + 1, N(r, 26, 2));
        EXPECT_EQ("1", F(r, 28, 1));  // Saturday
        int course = N(r, 20, 2);
        EXPECT_TRUE(course >= 1 && course <= 10) << course;
        if (i > 0) {
            EXPECT_LT(F(ra[i - 1], 12, 16), F(r, 12, 16));  // key order
        }
    }
    EXPECT_EQ("2024010606010101", F(ra.front(), 12, 16));  // Nakayama, first meeting, first day
    std::vector<std::string> sunday =
        test::FileRecords(world, kSunday, DemoFileKind::RA, DemoStage::Card);
    EXPECT_EQ("2", F(sunday.front(), 28, 1));
    EXPECT_EQ("02", F(sunday.front(), 24, 2));  // the meeting's second day
}

TEST_F(DemoRaceRecords, PostTimesAreStaggeredThroughTheDay) {
    std::vector<std::string> ra =
        test::FileRecords(world, kSaturday, DemoFileKind::RA, DemoStage::Card);
    for (size_t i = 0; i < ra.size(); ++i) {
        int post = N(ra[i], 874, 4);
        EXPECT_GE(post, 950);
        EXPECT_LE(post, 1640);
        if (i % 12 == 0) continue;
        int previous = N(ra[i - 1], 874, 4);
        int gap = (post / 100 * 60 + post % 100) - (previous / 100 * 60 + previous % 100);
        EXPECT_GE(gap, 30);
        EXPECT_LE(gap, 60);
    }
    // The second racecourse starts five minutes after the first.
    EXPECT_EQ("0950", F(ra[0], 874, 4));
    EXPECT_EQ("0955", F(ra[12], 874, 4));
}

// Codes the program's label tables do not list show as blanks in the window.
TEST_F(DemoRaceRecords, RaceConditionsUseCodesTheProgramCanName) {
    const std::string unlistedType = RaceTypeLabel(""), unlistedSymbol = RaceSymbolLabel("");
    std::map<std::string, std::string> turfLanes;
    for (const DateTime& day : {kSaturday, kSunday}) {
        for (const std::string& r :
             test::FileRecords(world, day, DemoFileKind::RA, DemoStage::Settled)) {
            EXPECT_NE(unlistedType, RaceTypeLabel(F(r, 617, 2))) << F(r, 617, 2);
            EXPECT_NE(unlistedSymbol, RaceSymbolLabel(F(r, 619, 3))) << F(r, 619, 3);
            EXPECT_FALSE(WeightTypeLabel(F(r, 622, 1)).empty()) << F(r, 622, 1);
            EXPECT_FALSE(TrackLabel(F(r, 706, 2)).empty()) << F(r, 706, 2);
            EXPECT_FALSE(WeatherLabel(F(r, 888, 1)).empty()) << F(r, 888, 1);
            EXPECT_FALSE(GoingLabel(F(r, 889, 1), 1).empty()) << F(r, 889, 1);
            EXPECT_FALSE(GoingLabel(F(r, 890, 1), 2).empty()) << F(r, 890, 1);
            int track = N(r, 706, 2);
            bool turf = track >= 10 && track <= 22;
            std::string lane = F(r, 710, 2);
            if (turf) {
                EXPECT_TRUE(lane == "A " || lane == "B " || lane == "C ") << lane;
                // A racecourse runs its turf races on one lane a day.
                auto [at, fresh] = turfLanes.insert({F(r, 12, 10), lane});
                EXPECT_EQ(at->second, lane);
            } else {
                EXPECT_EQ("  ", lane) << "track " << track;
            }
            int distance = N(r, 698, 4);
            EXPECT_TRUE(distance >= 1000 && distance <= 3600) << distance;
            EXPECT_TRUE(IsFullWidth(F(r, 33, 60)));
            bool special = N(r, 29, 4) > 0;
            std::string grade = F(r, 615, 1);
            if (special) {
                EXPECT_NE(GradeLabel(" "), GradeLabel(grade)) << grade;
            } else {
                EXPECT_EQ(" ", grade);
            }
            EXPECT_EQ(special, F(r, 33, 2) != "　") << "only special races are named";
            EXPECT_GT(N(r, 714, 8), N(r, 722, 8));  // first prize above the second
            EXPECT_EQ(special, N(r, 810, 8) > 0);   // added money for special races
        }
    }
}

TEST_F(DemoRaceRecords, RunnersMatchTheirRace) {
    for (const test::DemoRaceRecords& r : test::SettledRecords(world, kSunday)) {
        int n = N(r.ra, 882, 2);
        ASSERT_GE(n, 8);
        ASSERT_LE(n, 18);
        ASSERT_EQ(static_cast<size_t>(n), r.runners.size());
        std::set<std::string> names, jockeys;
        for (int h = 1; h <= n; ++h) {
            const std::string& se = r.runners[static_cast<size_t>(h - 1)];
            EXPECT_EQ(F(r.ra, 12, 16), F(se, 12, 16));
            EXPECT_EQ(h, N(se, 29, 2));
            EXPECT_EQ(BracketOf(n, h), N(se, 28, 1)) << "horse " << h << " of " << n;
            EXPECT_TRUE(IsKatakanaName(F(se, 41, 36))) << SjisToUtf8(F(se, 41, 36));
            names.insert(F(se, 41, 36));
            int sex = N(se, 79, 1), age = N(se, 83, 2), weight = N(se, 289, 3);
            EXPECT_TRUE(sex >= 1 && sex <= 3);
            EXPECT_TRUE(age >= 2 && age <= 8);
            if (F(r.ra, 617, 2) == "12") {
                EXPECT_EQ(3, age);
            }
            EXPECT_TRUE(weight >= 480 && weight <= 620) << weight;
            EXPECT_FALSE(IsBlank(F(se, 307, 8)));
            EXPECT_TRUE(IsValidSjis(F(se, 307, 8)));
            jockeys.insert(F(se, 307, 8));
        }
        EXPECT_EQ(static_cast<size_t>(n), names.size()) << "horse names differ within a race";
        EXPECT_EQ(static_cast<size_t>(n), jockeys.size()) << "one ride per jockey and race";
    }
}

TEST_F(DemoRaceRecords, DataKindsFollowThePublication) {
    auto entries = test::FileRecords(world, kSunday, DemoFileKind::SE, DemoStage::Entries);
    auto card = test::FileRecords(world, kSunday, DemoFileKind::SE, DemoStage::Card);
    EXPECT_EQ("1", F(entries.front(), 3, 1));
    EXPECT_EQ("2", F(card.front(), 3, 1));
    // The draw comes with the card: the entries have no bracket or horse numbers yet.
    for (const std::string& se : entries)
        EXPECT_EQ("000", F(se, 28, 3));
    EXPECT_EQ("101", F(card.front(), 28, 3));
    EXPECT_EQ("00", F(card.front(), 335, 2));  // no placing before the race
    EXPECT_EQ("0000", F(card.front(), 360, 4));
    auto raNow = test::FileRecords(world, kSunday, DemoFileKind::RA, DemoStage::RaceDay);
    auto raLater = test::FileRecords(world, kSunday, DemoFileKind::RA, DemoStage::Settled);
    EXPECT_EQ("5", F(raNow.front(), 3, 1));
    EXPECT_EQ("7", F(raLater.front(), 3, 1));
    EXPECT_EQ(
        "1",
        F(test::FileRecords(world, kSunday, DemoFileKind::HR, DemoStage::RaceDay).front(), 3, 1));
    EXPECT_EQ(
        "2",
        F(test::FileRecords(world, kSunday, DemoFileKind::HR, DemoStage::Settled).front(), 3, 1));
    // Each race's announcement before the post (for the odds history), then its final odds.
    auto o6 = test::FileRecords(world, kSunday, DemoFileKind::O6, DemoStage::RaceDay);
    ASSERT_GE(o6.size(), 2u);
    EXPECT_EQ("1", F(o6[0], 3, 1));
    EXPECT_EQ("4", F(o6[1], 3, 1));
    EXPECT_EQ(F(o6[0], 12, 16), F(o6[1], 12, 16));
    // Before the day the race has no weather, finishers or results.
    auto raCard = test::FileRecords(world, kSunday, DemoFileKind::RA, DemoStage::Card);
    EXPECT_EQ("00000", F(raCard.front(), 886, 5));
    EXPECT_EQ(F(raCard.front(), 882, 2), F(raCard.front(), 884, 2));
}

TEST_F(DemoRaceRecords, ResultsCarryPlacingsAndFinalOdds) {
    for (const test::DemoRaceRecords& r : test::SettledRecords(world, kSaturday)) {
        int n = N(r.ra, 882, 2);
        int starters = 0;
        std::vector<int> placings;
        for (const std::string& se : r.runners) {
            int h = N(se, 29, 2);
            if (F(se, 332, 1) == "1") {  // withdrawn
                EXPECT_EQ("00", F(se, 335, 2));
                std::string odds = F(r.o1, 46 + 8 * (h - 1), 4);
                EXPECT_TRUE(odds == "----" || odds == "****") << odds;
                continue;
            }
            ++starters;
            placings.push_back(N(se, 335, 2));
            EXPECT_EQ(F(r.o1, 46 + 8 * (h - 1), 4), F(se, 360, 4)) << "final win odds";
            EXPECT_EQ(F(r.o1, 50 + 8 * (h - 1), 2), F(se, 364, 2)) << "final popularity";
            EXPECT_GT(N(se, 339, 4), 0) << "run time";
        }
        EXPECT_EQ(starters, N(r.ra, 884, 2));
        EXPECT_EQ(starters, N(r.ra, 886, 2));
        EXPECT_LE(starters, n);
        std::sort(placings.begin(), placings.end());
        EXPECT_EQ(1, placings.front());
        EXPECT_EQ(starters, placings.back());
    }
}

TEST_F(DemoRaceRecords, MiningPredictionsFollowStrength) {
    double agree = 0, pairs = 0;
    for (const DateTime& day : {kSaturday, kSunday}) {
        for (const test::DemoRaceRecords& r : test::SettledRecords(world, day)) {
            int n = N(r.ra, 882, 2);
            EXPECT_EQ(F(r.ra, 12, 16), F(r.dm, 12, 16));
            for (int h = 1; h <= 18; ++h) {
                int at = 32 + 15 * (h - 1);
                if (h > n) {
                    EXPECT_EQ("000000000000000", F(r.dm, at, 15));
                    continue;
                }
                const std::string& se = r.runners[static_cast<size_t>(h - 1)];
                EXPECT_EQ(h, N(r.dm, at, 2));
                EXPECT_EQ(F(se, 538, 13), F(r.dm, at + 2, 13)) << "the runner's own mining fields";
                EXPECT_TRUE(IsDigits(F(r.dm, at + 2, 5))) << F(r.dm, at + 2, 5);
                int time = N(r.dm, at + 2, 5);
                EXPECT_GT(time, 0) << "a predicted run time";
                EXPECT_LT(time % 10000, 6000) << "seconds and hundredths of " << time;
                EXPECT_GT(N(r.dm, at + 7, 4), 0);
                EXPECT_GT(N(r.dm, at + 11, 4), 0);
            }
            // A faster prediction goes with lower final odds more often than not.
            for (int a = 1; a <= n; ++a)
                for (int b = a + 1; b <= n; ++b) {
                    int oddsA = N(r.o1, 46 + 8 * (a - 1), 4), oddsB = N(r.o1, 46 + 8 * (b - 1), 4);
                    int timeA = N(r.dm, 34 + 15 * (a - 1), 5),
                        timeB = N(r.dm, 34 + 15 * (b - 1), 5);
                    if (oddsA == 0 || oddsB == 0 || oddsA == oddsB || timeA == timeB) continue;
                    pairs += 1;
                    if ((oddsA < oddsB) == (timeA < timeB)) agree += 1;
                }
        }
    }
    EXPECT_GT(agree / pairs, 0.65);
}

TEST_F(DemoRaceRecords, NoticesOfWeatherAndPostTimes) {
    const DemoDay* day = world.Day(kSaturday);
    const DemoRace* changed = nullptr;
    for (const DemoRace* race : day->Races())
        if (race->postChange) changed = race;
    ASSERT_NE(nullptr, changed);
    std::string tc = DemoTcRecord(*changed);
    EXPECT_EQ("TC1", F(tc, 1, 3));
    std::string card = DemoRaRecord(*changed, DemoStage::Card, DateTime{2024, 1, 5});
    EXPECT_EQ(F(card, 874, 4), F(tc, 40, 4)) << "the old time is the card's";
    auto minutes = [](int hhmm) { return hhmm / 100 * 60 + hhmm % 100; };
    int putBack = minutes(N(tc, 36, 4)) - minutes(N(tc, 40, 4));
    EXPECT_TRUE(putBack == 5 || putBack == 10) << putBack;
    EXPECT_EQ("0106", F(tc, 28, 4));
    EXPECT_LT(N(tc, 32, 4), N(tc, 40, 4)) << "announced before the old post time";
    // The race's results carry the new time, the old one beside it.
    std::string ra = DemoRaRecord(*changed, DemoStage::RaceDay, kSaturday);
    EXPECT_EQ(F(tc, 36, 4), F(ra, 874, 4));
    EXPECT_EQ(F(tc, 40, 4), F(ra, 878, 4));

    const DemoCourseDay& course = day->courses.front();
    std::string first = DemoWeRecord(course, kSaturday, course.notices.front());
    EXPECT_EQ("WE1", F(first, 1, 3));
    EXPECT_EQ("20240106060101", F(first, 12, 14));
    EXPECT_EQ("01060730", F(first, 26, 8));
    EXPECT_EQ("1", F(first, 34, 1));
    EXPECT_EQ("000", F(first, 38, 3));
    ExpectDigits(first, {{3, 9}, {12, 29}});
}

}  // namespace
}  // namespace kagiroi
