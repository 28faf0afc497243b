#include "datalink/JvTestReading.h"
#include "demo/DemoJvLink.h"
#include "platform/TextField.h"
#include "support/FakePorts.h"

#include <gtest/gtest.h>

#include <set>

namespace kagiroi {
namespace {

std::set<std::string> RaceDates(const test::JvReading& reading, const std::string& kind) {
    std::set<std::string> dates;
    for (const std::string& r : reading.OfKind(kind))
        dates.insert(Field(r, 12, 8));
    return dates;
}

std::set<std::string> DataKinds(const test::JvReading& reading, const std::string& kind,
                                const std::string& date) {
    std::set<std::string> kinds;
    for (const std::string& r : reading.OfKind(kind))
        if (Field(r, 12, 8) == date) kinds.insert(Field(r, 3, 1));
    return kinds;
}

class DemoDownload : public ::testing::Test {
  protected:
    test::FakeClock clock{DateTime{2024, 1, 6, 11, 0, 0}};  // a Saturday
    DemoJvLink demo{clock};
    void SetUp() override { ASSERT_EQ(0, demo.JVInit("KAGIROI")); }
};

TEST_F(DemoDownload, ASecondDownloadFromTheReturnedStampHasNothingNew) {
    test::JvDownload first = test::Download(demo, "20231223110000");
    ASSERT_EQ(0, first.openCode);
    EXPECT_EQ(0, first.reading.lastCode);
    EXPECT_EQ("20240106100000", first.newestStamp) << "Sunday's card, out at 10:00";
    for (const auto& item : first.reading.records)
        EXPECT_GE(Field(item.record, 4, 8), "20231223") << "created after the from-date";
    EXPECT_EQ((std::set<std::string>{"20231223", "20231224", "20231230", "20231231", "20240106",
                                     "20240107"}),
              RaceDates(first.reading, "RA"));

    test::JvDownload second = test::Download(demo, first.newestStamp);
    EXPECT_EQ(-1, second.openCode);
    EXPECT_EQ(0, second.readCount);
}

TEST_F(DemoDownload, LaterDownloadsBringOnlyWhatIsNew) {
    test::JvDownload first = test::Download(demo, "20231230000000");
    clock.Set(DateTime{2024, 1, 6, 18, 30, 0});
    test::JvDownload evening = test::Download(demo, first.newestStamp);
    ASSERT_EQ(0, evening.openCode);
    EXPECT_EQ("20240106180000", evening.newestStamp);
    EXPECT_EQ(6, evening.readCount) << "RA, SE, HR and the three final odds of the day";
    EXPECT_EQ((std::set<std::string>{"20240106"}), RaceDates(evening.reading, "RA"));
    EXPECT_EQ((std::set<std::string>{"5"}), DataKinds(evening.reading, "RA", "20240106"));
    EXPECT_EQ((std::set<std::string>{"1"}), DataKinds(evening.reading, "HR", "20240106"));
    // Each race's announcement of its first odds fetch (for the odds history), then the final.
    EXPECT_EQ((std::set<std::string>{"1", "4"}), DataKinds(evening.reading, "O6", "20240106"));
    EXPECT_EQ(24u, evening.reading.OfKind("HR").size());

    clock.Set(DateTime{2024, 1, 8, 13, 0, 0});
    test::JvDownload monday = test::Download(demo, evening.newestStamp);
    ASSERT_EQ(0, monday.openCode);
    EXPECT_EQ((std::set<std::string>{"7"}), DataKinds(monday.reading, "RA", "20240106"));
    // Sunday's race-day payouts, then the settled ones.
    std::vector<std::string> sunday;
    for (const std::string& hr : monday.reading.OfKind("HR"))
        if (Field(hr, 12, 8) == "20240107") sunday.push_back(Field(hr, 3, 1));
    ASSERT_EQ(2 * 24u, sunday.size());
    EXPECT_EQ("1", sunday.front());
    EXPECT_EQ("2", sunday.back());
    // Monday is today, so it is a race day too: its card came on Sunday.
    EXPECT_EQ((std::set<std::string>{"20240106", "20240107", "20240108"}),
              RaceDates(monday.reading, "SE"));
    EXPECT_EQ((std::set<std::string>{"2"}), DataKinds(monday.reading, "RA", "20240108"));
}

TEST_F(DemoDownload, FilesFetchedOnceNeedNoFetchAgain) {
    test::JvDownload first = test::Download(demo, "20231230000000");
    ASSERT_GT(first.downloadCount, 0);
    EXPECT_GT(first.statusSeen.size(), 1u);
    test::JvDownload again = test::Download(demo, "20231230000000");
    EXPECT_EQ(first.readCount, again.readCount);
    EXPECT_EQ(0, again.downloadCount);
    EXPECT_EQ(first.reading.records.size(), again.reading.records.size());
    EXPECT_EQ(0, again.reading.downloadingAnswers);
}

TEST_F(DemoDownload, RaceCardsComeInTheWeekBeforeTheRaces) {
    clock.Set(DateTime{2024, 1, 11, 18, 0, 0});  // Thursday evening
    test::JvDownload thursday = test::Download(demo, "20240109000000");
    EXPECT_EQ((std::set<std::string>{"1"}), DataKinds(thursday.reading, "RA", "20240113"));
    EXPECT_EQ((std::set<std::string>{"1"}), DataKinds(thursday.reading, "RA", "20240114"));
    int weekendRunners = 0;
    for (const std::string& se : thursday.reading.OfKind("SE")) {
        if (Field(se, 12, 8) < "20240113") continue;  // today's race day has its card
        ++weekendRunners;
        EXPECT_EQ("000", Field(se, 28, 3)) << "no draw yet";
    }
    EXPECT_GT(weekendRunners, 300);

    clock.Set(DateTime{2024, 1, 12, 12, 0, 0});  // Friday: Saturday's card
    test::JvDownload friday = test::Download(demo, thursday.newestStamp);
    EXPECT_EQ((std::set<std::string>{"2"}), DataKinds(friday.reading, "RA", "20240113"));
    EXPECT_TRUE(DataKinds(friday.reading, "RA", "20240114").empty()) << "Sunday's comes Saturday";
    EXPECT_TRUE(RaceDates(friday.reading, "RA").count("20240120") == 0) << "not a week ahead";
}

TEST_F(DemoDownload, TodayIsARaceDayWhateverItsWeekday) {
    clock.Set(DateTime{2024, 1, 10, 13, 0, 0});  // a Wednesday
    test::JvDownload d = test::Download(demo, "20240108000000");
    std::set<std::string> dates = RaceDates(d.reading, "RA");
    EXPECT_EQ(1u, dates.count("20240110"));
    EXPECT_EQ(0u, dates.count("20240109"));
    for (const std::string& ra : d.reading.OfKind("RA"))
        if (Field(ra, 12, 8) == "20240110") {
            EXPECT_EQ("6", Field(ra, 28, 1)) << "Wednesday";
        }
}

TEST_F(DemoDownload, NormalDataReachBackSomeWeeksSetupYears) {
    test::JvDownload normal = test::Download(demo, "20231101000000");
    ASSERT_EQ(0, normal.openCode);
    std::string earliest = *RaceDates(normal.reading, "RA").begin();
    EXPECT_GE(earliest, "20231202") << "about five weeks";
    EXPECT_LE(earliest, "20231210");

    test::JvDownload setup = test::Download(demo, "20231101000000", 3);
    ASSERT_EQ(0, setup.openCode);
    std::set<std::string> dates = RaceDates(setup.reading, "RA");
    EXPECT_EQ("20231104", *dates.begin());
    // A setup delivers each past day once, in its settled form.
    EXPECT_EQ((std::set<std::string>{"7"}), DataKinds(setup.reading, "RA", "20231104"));
    EXPECT_EQ(DataKinds(setup.reading, "SE", "20231104").size(), 1u);
    EXPECT_EQ((std::set<std::string>{"2"}), DataKinds(setup.reading, "RA", "20240107"));

    // Three years back: the first file of a full setup is of early 2021.
    int readCount = 0, downloadCount = 0;
    std::string stamp;
    ASSERT_EQ(
        0, demo.JVOpen("RACEDIFFHOSESNAP", "20000101000000", 3, readCount, downloadCount, stamp));
    EXPECT_GT(readCount, 3 * 100 * 6);
    std::string record, file;
    int code;
    while ((code = demo.JVRead(record, 100000, file)) == -3) {
    }
    ASSERT_GT(code, 0);
    EXPECT_EQ("2021", Field(record, 12, 4));
    EXPECT_LE("0106", Field(record, 16, 4));
    EXPECT_GE("0120", Field(record, 16, 4));
    demo.JVClose();
}

}  // namespace
}  // namespace kagiroi
