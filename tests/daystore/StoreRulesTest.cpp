#include "daystore/RecordLayout.h"
#include "daystore/StoreRules.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::RecordBuilder;

std::string Race(const std::string& date, const std::string& dataKind = "2", int race = 1,
                 int runners = 16) {
    return RecordBuilder("RA", kRaLength)
        .Put(3, dataKind)
        .Key(date, "06", 1, 1, race)
        .PutNumber(882, runners, 2);
}

TEST(StoreRules, TheDateConditionSubtractsTenFromTheStartNumber) {
    // 20240105 is not below 20240112 - 10 = 20240102; it is below 20240116 - 10.
    EXPECT_TRUE(PassesDownloadFilter(Race("20240105"), 20240112, false));
    EXPECT_FALSE(PassesDownloadFilter(Race("20240105"), 20240116, false));
}

TEST(StoreRules, DownloadRaceRecordsNeedARaceNumberAndOneToEighteenRunners) {
    EXPECT_FALSE(PassesDownloadFilter(Race("20240106", "A"), 20240101, false));
    EXPECT_FALSE(PassesDownloadFilter(Race("20240106", "B"), 20240101, false));
    EXPECT_FALSE(PassesDownloadFilter(Race("20240106", "2", 0), 20240101, false));
    EXPECT_FALSE(PassesDownloadFilter(Race("20240106", "2", 1, 0), 20240101, false));
    EXPECT_FALSE(PassesDownloadFilter(Race("20240106", "2", 1, 19), 20240101, false));
    EXPECT_TRUE(PassesDownloadFilter(Race("20240106", "2", 1, 18), 20240101, false));
}

TEST(StoreRules, OddsOnlyWithFinalOddsAndNeverDeletedOrAbandoned) {
    std::string o1 = RecordBuilder("O1", kO1Length).Put(3, "4").Key("20240106", "06", 1, 1, 1);
    std::string deleted = RecordBuilder("O1", kO1Length).Put(3, "0").Key("20240106", "06", 1, 1, 1);
    std::string abandoned =
        RecordBuilder("O6", kO6Length).Put(3, "9").Key("20240106", "06", 1, 1, 1);
    EXPECT_FALSE(PassesDownloadFilter(o1, 20240101, false));
    EXPECT_TRUE(PassesDownloadFilter(o1, 20240101, true));
    EXPECT_FALSE(PassesDownloadFilter(deleted, 20240101, true));
    EXPECT_FALSE(PassesRealTimeFilter(abandoned));
    EXPECT_TRUE(PassesRealTimeFilter(o1));
}

TEST(StoreRules, KindsAndHeads) {
    std::string dm = RecordBuilder("DM", kDmLength).Key("20240106", "06", 1, 1, 3);
    std::string we = RecordBuilder("WE", kWeLength).Put(12, "20240106060101");
    EXPECT_FALSE(PassesDownloadFilter(dm, 20240101, true));
    EXPECT_TRUE(PassesRealTimeFilter(dm));
    EXPECT_TRUE(PassesRealTimeFilter(we));
    EXPECT_FALSE(PassesRealTimeFilter(RecordBuilder("H1", 100).Text()));
    EXPECT_TRUE(NormalisesHead(RecordKind::HR, StoreRoute::Download));
    EXPECT_FALSE(NormalisesHead(RecordKind::HR, StoreRoute::RealTime));
    EXPECT_FALSE(NormalisesHead(RecordKind::SE, StoreRoute::Download));
    EXPECT_TRUE(IsWellFormedRecord(we));
    EXPECT_FALSE(IsWellFormedRecord(we.substr(0, 41)));
}

}  // namespace
}  // namespace kagiroi
