#include "datalink/JvTestReading.h"
#include "demo/DemoJvLink.h"
#include "platform/TextField.h"
#include "support/FakePorts.h"

#include <gtest/gtest.h>

#include <set>

namespace kagiroi {
namespace {

constexpr const char* kRace1 = "2024010606010101";  // Nakayama 1R on Saturday 2024-01-06
constexpr const char* kDay = "20240106";

// "cc rr" of every RA record: course code and race number.
std::set<std::string> RacesOf(const test::JvReading& reading, const std::string& kind) {
    std::set<std::string> races;
    for (const std::string& r : reading.OfKind(kind))
        races.insert(Field(r, 20, 2) + Field(r, 26, 2));
    return races;
}

class DemoRealTime : public ::testing::Test {
  protected:
    test::FakeClock clock{DateTime{2024, 1, 6, 7, 0, 0}};
    DemoJvLink demo{clock};
    void SetUp() override { ASSERT_EQ(0, demo.JVInit("KAGIROI")); }
    void At(int hour, int minute) { clock.Set(DateTime{2024, 1, 6, hour, minute, 0}); }
};

TEST_F(DemoRealTime, EarlyMorningHasOnlyTheDayBeforesMining) {
    At(7, 0);
    EXPECT_EQ(-1, test::RealTime(demo, "0B30", kRace1).openCode) << "the sale is not open";
    EXPECT_EQ(-1, test::RealTime(demo, "0B12", kDay).openCode);
    EXPECT_EQ(-1, test::RealTime(demo, "0B14", kDay).openCode);
    test::JvRealTime mining = test::RealTime(demo, "0B13", kDay);
    ASSERT_EQ(0, mining.openCode);
    ASSERT_EQ(24u, mining.reading.records.size());
    const std::string& dm = mining.reading.records.front().record;
    EXPECT_EQ("DM1", Field(dm, 1, 3));
    EXPECT_EQ("20240105", Field(dm, 4, 8));
    EXPECT_EQ("1200", Field(dm, 28, 4));
    EXPECT_EQ(kRace1, Field(dm, 12, 16));

    At(8, 0);
    mining = test::RealTime(demo, "0B13", kDay);
    EXPECT_EQ("DM2", Field(mining.reading.records.front().record, 1, 3)) << "the race-day version";
    test::JvRealTime changes = test::RealTime(demo, "0B14", kDay);
    ASSERT_EQ(0, changes.openCode);
    EXPECT_EQ(2u, changes.reading.OfKind("WE").size()) << "the morning notice of each course";
}

TEST_F(DemoRealTime, BeforeTheFirstPostThereAreOddsButNoResults) {
    At(9, 30);
    test::JvRealTime odds = test::RealTime(demo, "0B30", kRace1);
    ASSERT_EQ(0, odds.openCode);
    ASSERT_EQ(3u, odds.reading.records.size());
    EXPECT_EQ(0, odds.reading.downloadingAnswers);
    EXPECT_EQ("O11", Field(odds.reading.records[0].record, 1, 3));
    EXPECT_EQ("O51", Field(odds.reading.records[1].record, 1, 3));
    EXPECT_EQ("O61", Field(odds.reading.records[2].record, 1, 3));
    for (const auto& item : odds.reading.records) {
        EXPECT_EQ(kRace1, Field(item.record, 12, 16));
        EXPECT_EQ("01060930", Field(item.record, 28, 8)) << "the latest announcement";
    }
    EXPECT_EQ(-1, test::RealTime(demo, "0B12", kDay).openCode);

    At(9, 44);
    test::JvRealTime later = test::RealTime(demo, "0B30", kRace1);
    EXPECT_EQ("01060944", Field(later.reading.records[0].record, 28, 8))
        << "each minute near the post";
    EXPECT_NE(Field(odds.reading.records[0].record, 44, 224),
              Field(later.reading.records[0].record, 44, 224))
        << "the odds move";
}

TEST_F(DemoRealTime, AfterRaceThreeOnlyRacesOneToThreeHaveResults) {
    At(11, 12);  // race 3 was off at 10:50 and 10:55
    test::JvRealTime results = test::RealTime(demo, "0B12", kDay);
    ASSERT_EQ(0, results.openCode);
    const std::set<std::string> firstThree = {"0601", "0602", "0603", "0801", "0802", "0803"};
    EXPECT_EQ(firstThree, RacesOf(results.reading, "RA"));
    EXPECT_EQ(firstThree, RacesOf(results.reading, "SE"));
    EXPECT_EQ(firstThree, RacesOf(results.reading, "HR"));
    for (const std::string& ra : results.reading.OfKind("RA")) {
        EXPECT_EQ("5", Field(ra, 3, 1));
        EXPECT_NE("0", Field(ra, 888, 1)) << "the weather of the race";
        EXPECT_EQ(Field(ra, 884, 2), Field(ra, 886, 2)) << "every starter finished";
    }
    for (const std::string& hr : results.reading.OfKind("HR"))
        EXPECT_EQ("1", Field(hr, 3, 1));
    int placed = 0;
    for (const std::string& se : results.reading.OfKind("SE"))
        placed += Field(se, 335, 2) == "01";
    EXPECT_GE(placed, 6);

    test::JvRealTime odds = test::RealTime(demo, "0B30", "2024010606010102");
    EXPECT_EQ("O14", Field(odds.reading.records[0].record, 1, 3)) << "final odds after the race";
    EXPECT_EQ("01061024", Field(odds.reading.records[0].record, 28, 8));
    EXPECT_EQ(
        "O11",
        Field(test::RealTime(demo, "0B30", "2024010606010104").reading.records[0].record, 1, 3));
}

TEST_F(DemoRealTime, PayoutsComeAFewMinutesAfterTheResult) {
    At(9, 56);  // 1R at Nakayama off at 9:50: placings, but no payouts yet
    test::JvRealTime results = test::RealTime(demo, "0B12", kDay);
    ASSERT_EQ(0, results.openCode);
    EXPECT_EQ((std::set<std::string>{"0601"}), RacesOf(results.reading, "RA"));
    EXPECT_TRUE(results.reading.OfKind("HR").empty());
    At(10, 0);
    EXPECT_EQ(1u, test::RealTime(demo, "0B12", kDay).reading.OfKind("HR").size());
}

TEST_F(DemoRealTime, APostTimeChangeMovesTheRaceAndIsAnnounced) {
    // Nakayama 6R is put back from 12:50 to 12:55, announced at 12:24.
    At(12, 20);
    EXPECT_TRUE(test::RealTime(demo, "0B14", kDay).reading.OfKind("TC").empty());
    At(12, 30);
    test::JvRealTime changes = test::RealTime(demo, "0B14", kDay);
    ASSERT_EQ(1u, changes.reading.OfKind("TC").size());
    const std::string tc = changes.reading.OfKind("TC").front();
    EXPECT_EQ("2024010606010106", Field(tc, 12, 16));
    EXPECT_EQ("01061224", Field(tc, 28, 8));
    EXPECT_EQ("1255", Field(tc, 36, 4));
    EXPECT_EQ("1250", Field(tc, 40, 4));

    At(12, 57);  // the old post time plus the margin: not yet run
    EXPECT_EQ(0u, RacesOf(test::RealTime(demo, "0B12", kDay).reading, "RA").count("0606"));
    At(13, 0);
    test::JvRealTime results = test::RealTime(demo, "0B12", kDay);
    for (const std::string& ra : results.reading.OfKind("RA"))
        if (Field(ra, 20, 2) == "06" && Field(ra, 26, 2) == "06") {
            EXPECT_EQ("1255", Field(ra, 874, 4));
            EXPECT_EQ("1250", Field(ra, 878, 4));
        }
    EXPECT_EQ(1u, RacesOf(results.reading, "RA").count("0606"));
}

TEST_F(DemoRealTime, WeatherChangesAreAnnouncedDuringTheDay) {
    At(14, 0);
    test::JvRealTime changes = test::RealTime(demo, "0B14", kDay);
    std::vector<std::string> we = changes.reading.OfKind("WE");
    ASSERT_EQ(3u, we.size());
    EXPECT_EQ("01061343", Field(we.back(), 26, 8));
    EXPECT_EQ("2", Field(we.back(), 34, 1)) << "a change of the weather";
    EXPECT_EQ(Field(we.front(), 35, 3), Field(we.back(), 38, 3)) << "what it was before";
    // Notices come in announcement order.
    std::string previous;
    for (const auto& item : changes.reading.records) {
        std::string at = item.record.substr(0, 2) == "WE" ? Field(item.record, 26, 8)
                                                          : Field(item.record, 28, 8);
        EXPECT_LE(previous, at);
        previous = at;
    }
}

TEST_F(DemoRealTime, KeysWithoutARaceHaveNoData) {
    At(12, 0);
    EXPECT_EQ(-1, test::RealTime(demo, "0B30", "2024010605010101").openCode) << "no Tokyo meeting";
    EXPECT_EQ(-1, test::RealTime(demo, "0B30", "2024010606010113").openCode) << "no 13th race";
    EXPECT_EQ(-1, test::RealTime(demo, "0B30", "2024010606020101").openCode) << "wrong meeting";
    EXPECT_EQ(-1, test::RealTime(demo, "0B12", "20240109").openCode) << "no race day";
    EXPECT_EQ(-1, test::RealTime(demo, "0B12", "20240107").openCode) << "tomorrow";
    EXPECT_EQ(-114, test::RealTime(demo, "0B30", "20240106").openCode);
}

TEST_F(DemoRealTime, PastDaysGiveTheirSettledResults) {
    At(12, 0);
    test::JvRealTime results = test::RealTime(demo, "0B12", "20231230");
    ASSERT_EQ(0, results.openCode);
    size_t races = results.reading.OfKind("RA").size();
    EXPECT_TRUE(races == 24u || races == 36u) << races;
    EXPECT_EQ(races, results.reading.OfKind("HR").size()) << "every race has its payouts";
    EXPECT_EQ("7", Field(results.reading.OfKind("RA").front(), 3, 1));
    EXPECT_EQ("2", Field(results.reading.OfKind("HR").front(), 3, 1));
}

TEST_F(DemoRealTime, AWeekdayTodayIsLiveToo) {
    clock.Set(DateTime{2024, 1, 10, 10, 30, 0});  // Wednesday
    test::JvRealTime mining = test::RealTime(demo, "0B13", "20240110");
    ASSERT_EQ(0, mining.openCode);
    std::string key = Field(mining.reading.records.front().record, 12, 16);
    test::JvRealTime odds = test::RealTime(demo, "0B30", key);
    ASSERT_EQ(0, odds.openCode);
    EXPECT_EQ("O1", Field(odds.reading.records.front().record, 1, 2));
    EXPECT_EQ(-1, test::RealTime(demo, "0B13", "20240111").openCode) << "tomorrow is no race day";
}

}  // namespace
}  // namespace kagiroi
