#include "analysis/PayoutImport.h"

#include "analysis/ResultsPage.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/DayStore.h"
#include "odds/OddsTestRecords.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// A payout record with entries put where the record holds them.
class HrBuilder {
  public:
    explicit HrBuilder(const test::RaceSpec& race) : record_(test::PayoutRecord(race)) {}
    // `numbers` as the record holds them ("07", "18", "0307", "030712").
    HrBuilder& Entry(BetType type, int k, const std::string& numbers, long long payout,
                     int popularity) {
        struct At {
            int pos, entry, popularityWidth;
        };
        static const At kAt[] = {{103, 13, 2}, {142, 13, 2}, {207, 13, 2}, {246, 16, 3},
                                 {294, 16, 3}, {454, 16, 3}, {550, 18, 3}, {604, 19, 4}};
        const At& at = kAt[static_cast<int>(type)];
        int p = at.pos + at.entry * (k - 1);
        int n = static_cast<int>(numbers.size());
        PutField(record_, p, n, numbers);
        PutField(record_, p + n, 9, Format("%09lld", payout));
        PutField(record_, p + n + 9, at.popularityWidth,
                 Format("%0*d", at.popularityWidth, popularity));
        return *this;
    }
    operator std::string() const { return record_; }

  private:
    std::string record_;
};

class PayoutImportTest : public ::testing::Test {
  protected:
    PayoutImportTest() : book(std::make_unique<DayBook>()) {
        races = test::MakeDay(test::kTestDate, {"05"}, 14);
        test::WriteRaces(folder.Path(), races);
        book->day = test::kTestDay;
        book->paths = PathsForDay(folder.Path(), test::kTestDay);
        ReadRaceAndRunnerRecords(*book);
    }
    const test::RaceSpec& Race(int number) { return races[static_cast<size_t>(number - 1)]; }
    // Imports race 1's payouts with place entries for `horses` ("07"), in order.
    const RaceSlot& ImportPlaces(const std::vector<std::string>& horses) {
        HrBuilder hr(Race(1));
        for (size_t k = 0; k < horses.size(); ++k)
            hr.Entry(BetType::Place, static_cast<int>(k) + 1, horses[k], 150, 1);
        test::WriteDayFile(book->paths.payoutFile, {hr});
        ImportPayouts(*book, 0);
        return (*book)[0];
    }

    test::TempFolder folder;
    std::vector<test::RaceSpec> races;
    std::unique_ptr<DayBook> book;
};

TEST_F(PayoutImportTest, PlacePayoutsGiveThePlacingsOfTheirHorses) {
    const RaceSlot& slot = ImportPlaces({"07", "03", "12"});
    EXPECT_EQ("01", Field(slot.RunnerInfo[7], 335, 2));
    EXPECT_EQ("02", Field(slot.RunnerInfo[3], 335, 2));
    EXPECT_EQ("03", Field(slot.RunnerInfo[12], 335, 2));
    EXPECT_EQ("  ", Field(slot.RunnerInfo[1], 335, 2));
    EXPECT_EQ(kSeLength, static_cast<int>(slot.RunnerInfo[7].size()));
    EXPECT_EQ(12, slot.Paid.At(BetType::Place, 2).horse);
    // No bracket sale in this race: its group shows nothing.
    auto page = ResultsPageTexts(slot.Paid);
    for (const auto& row : page[2].rows)
        EXPECT_EQ(PayoutRowTexts{}, row);
}

TEST_F(PayoutImportTest, PlacingsTheRunnerRecordsHoldAreKept) {
    // A dead heat for first (horses 3 and 8 both 01); horse 10's result is not in yet.
    DayStore store(folder.Path());
    for (auto [horse, placing] : {std::pair{3, "01"}, {8, "01"}, {10, "00"}}) {
        std::string runner = test::RunnerRecord(Race(1), horse);
        PutField(runner, 335, 2, placing);
        ASSERT_TRUE(store.Store(runner, StoreRoute::Download));
    }
    ASSERT_TRUE(store.Flush());
    const RaceSlot& slot = ImportPlaces({"03", "08", "10"});
    EXPECT_EQ("01", Field(slot.RunnerInfo[3], 335, 2));
    EXPECT_EQ("01", Field(slot.RunnerInfo[8], 335, 2));
    EXPECT_EQ("03", Field(slot.RunnerInfo[10], 335, 2));
}

TEST_F(PayoutImportTest, TheSelectedRaceIsRefreshedOnceWhenItsPayoutsFirstArrive) {
    const int selected = 2;  // race 3
    test::WriteDayFile(book->paths.payoutFile,
                       {HrBuilder(Race(5)).Entry(BetType::Win, 1, "04", 560, 3)});
    PayoutImportResult other = ImportPayouts(*book, selected);
    EXPECT_FALSE(other.refreshSelectedRace);
    EXPECT_TRUE((*book)[4].PayoutAttached);
    EXPECT_FALSE((*book)[selected].PayoutAttached);

    test::WriteDayFile(book->paths.payoutFile,
                       {HrBuilder(Race(5)).Entry(BetType::Win, 1, "04", 560, 3),
                        HrBuilder(Race(3)).Entry(BetType::Win, 1, "09", 2340, 7)});
    EXPECT_TRUE(ImportPayouts(*book, selected).refreshSelectedRace);
    EXPECT_EQ(9, (*book)[selected].Paid.At(BetType::Win, 0).horse);
    EXPECT_FALSE(ImportPayouts(*book, selected).refreshSelectedRace);
    EXPECT_FALSE(ImportPayouts(*book, -1).refreshSelectedRace);
}

TEST_F(PayoutImportTest, RaceAndRunnerRecordsAreReadAgainFromTheirFiles) {
    test::RaceSpec race = Race(2);
    DayStore store(folder.Path());
    std::string runner = test::RunnerRecord(race, 4);
    PutField(runner, 360, 4, "0123");
    ASSERT_TRUE(store.Store(runner, StoreRoute::Download));
    ASSERT_TRUE(store.Flush());
    ImportPayouts(*book, 0);
    EXPECT_EQ("0123", Field((*book)[1].RunnerInfo[4], 360, 4));
}

TEST_F(PayoutImportTest, WithoutAPayoutFileTheCopiesStayAndAreParsedAgain) {
    (*book)[0].HrCopy = HrBuilder(Race(1)).Entry(BetType::Win, 1, "02", 310, 1);
    PayoutImportResult result = ImportPayouts(*book, 0);
    EXPECT_FALSE(result.refreshSelectedRace);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(2, (*book)[0].Paid.At(BetType::Win, 0).horse);
    EXPECT_FALSE((*book)[0].PayoutAttached);
}

TEST_F(PayoutImportTest, OnlyThirtySixRecordsAreReadAndStrangersAreDropped) {
    std::vector<std::string> records;
    test::RaceSpec stranger = Race(1);
    stranger.date = "20240107";
    for (int i = 0; i < kSlotCount; ++i)
        records.push_back(HrBuilder(stranger).Entry(BetType::Win, 1, "01", 100 + i, 1));
    records.push_back(HrBuilder(Race(1)).Entry(BetType::Win, 1, "05", 900, 4));
    test::WriteDayFile(book->paths.payoutFile, records);
    ImportPayouts(*book, 0);
    for (const auto& slot : book->slots) {
        EXPECT_TRUE(IsBlank(slot.HrCopy));
        EXPECT_FALSE(slot.PayoutAttached);
    }
}

TEST_F(PayoutImportTest, AnUnreadablePayoutFileKeepsTheCopiesAndIsReported) {
    (*book)[0].HrCopy = HrBuilder(Race(1)).Entry(BetType::Win, 1, "02", 310, 1);
    ASSERT_TRUE(MakeDirectories(book->paths.payoutFile));
    PayoutImportResult result = ImportPayouts(*book, 0);
    ASSERT_EQ(1u, result.problems.size());
    EXPECT_NE(std::string::npos, result.problems[0].find(book->paths.payoutFile));
    EXPECT_EQ(2, (*book)[0].Paid.At(BetType::Win, 0).horse);
}

TEST(PayoutParse, EntriesOfEveryBetType) {
    test::RaceSpec race;
    RaceSlot slot;
    slot.HrCopy = HrBuilder(race)
                      .Entry(BetType::Win, 1, "03", 450, 2)
                      .Entry(BetType::Win, 2, "11", 380, 1)  // dead heat
                      .Entry(BetType::Place, 1, "03", 150, 2)
                      .Entry(BetType::BracketQuinella, 1, "18", 1230, 6)
                      .Entry(BetType::Quinella, 1, "0311", 980, 3)
                      .Entry(BetType::Wide, 7, "0311", 310, 2)
                      .Entry(BetType::Exacta, 1, "1103", 1890, 5)
                      .Entry(BetType::Trio, 1, "030711", 123450, 45)
                      .Entry(BetType::Trifecta, 1, "110307", 123456789, 1234)
                      .Entry(BetType::Trifecta, 2, "1103  ", 500, 7);
    ParsePayouts(slot);
    const Payouts& paid = slot.Paid;
    EXPECT_EQ(3, paid.At(BetType::Win, 0).horse);
    EXPECT_EQ(450, paid.At(BetType::Win, 0).payout);
    EXPECT_EQ(11, paid.At(BetType::Win, 1).horse);
    EXPECT_EQ(0, paid.At(BetType::Win, 2).horse);
    EXPECT_EQ(" 1- 8", paid.At(BetType::BracketQuinella, 0).combination);
    EXPECT_EQ("", paid.At(BetType::BracketQuinella, 1).combination);
    EXPECT_EQ(" 3-11", paid.At(BetType::Quinella, 0).combination);
    EXPECT_EQ(" 3-11", paid.At(BetType::Wide, 6).combination);
    EXPECT_EQ("11- 3", paid.At(BetType::Exacta, 0).combination);
    EXPECT_EQ(" 3- 7-11", paid.At(BetType::Trio, 0).combination);
    EXPECT_EQ(45, paid.At(BetType::Trio, 0).popularity);
    EXPECT_EQ("11- 3- 7", paid.At(BetType::Trifecta, 0).combination);
    EXPECT_EQ(123456789, paid.At(BetType::Trifecta, 0).payout);
    EXPECT_EQ(1234, paid.At(BetType::Trifecta, 0).popularity);
    EXPECT_EQ("", paid.At(BetType::Trifecta, 1).combination);  // a third horse is missing
    EXPECT_EQ(500, paid.At(BetType::Trifecta, 1).payout);

    auto page = ResultsPageTexts(paid);
    EXPECT_TEXT_EQ("単勝", page[0].caption);
    ASSERT_EQ(3u, page[0].rows.size());
    EXPECT_EQ((PayoutRowTexts{" 3", " 2", "     450"}), page[0].rows[0]);
    EXPECT_EQ((PayoutRowTexts{"11", " 1", "     380"}), page[0].rows[1]);
    EXPECT_EQ(PayoutRowTexts{}, page[0].rows[2]);
    EXPECT_EQ((PayoutRowTexts{" 1- 8", " 6", "    1230"}), page[2].rows[0]);
    EXPECT_EQ(PayoutRowTexts{}, page[2].rows[1]);  // blank fields: an empty row
    EXPECT_EQ((PayoutRowTexts{" 3-11", " 2", "     310"}), page[4].rows[6]);
    EXPECT_EQ((PayoutRowTexts{"11- 3- 7", "1234", "123456789"}), page[7].rows[0]);
    EXPECT_EQ(PayoutRowTexts{}, page[7].rows[1]);
}

}  // namespace
}  // namespace kagiroi
