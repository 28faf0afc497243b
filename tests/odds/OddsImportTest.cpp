#include "odds/OddsImport.h"

#include "odds/OddsTestRecords.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::CombinationOddsBuilder;
using test::O1Builder;

class OddsImportTest : public ::testing::Test {
  protected:
    OddsImportTest() : files(paths) {}

    // Slot of 東京11R with `runners` registered runners, imported from the files as they are.
    std::vector<std::string> Import(int runners = 5) {
        slot.RaceInfo = test::RaceRecord("05", 11, runners);
        return ImportOdds(slot, files);
    }

    test::TempFolder folder;
    DayPaths paths = test::TestDayPaths(folder);
    OddsFiles files;
    RaceSlot slot;
    const OddsBook& odds = slot.Odds;
};

TEST_F(OddsImportTest, ARaceWithoutRecordsIsBlankAndUnranked) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 10).Win(1, "0021")});
    EXPECT_TRUE(Import(5).empty());
    for (int h = 1; h <= 5; ++h) {
        EXPECT_EQ(kBlankOdds, odds.WinOdds[h]) << h;
        EXPECT_EQ(kBlankOdds, odds.PlaceOddsMin[h]) << h;
        EXPECT_EQ(kBlankOdds, odds.PlaceOddsMax[h]) << h;
        EXPECT_EQ(0, odds.WinRank[h]) << h;
        EXPECT_EQ(0, odds.PlaceMinRank[h]) << h;
    }
    EXPECT_EQ(0.0, odds.WinOdds[6]);  // above the registered runners: not set
    for (int e = 1; e <= kBracketPairCount; ++e) {
        EXPECT_EQ(kBlankOdds, odds.BracketOdds[e]) << e;
        EXPECT_EQ(0, odds.BracketRank[e]) << e;
    }
    EXPECT_EQ(kBlankOdds, odds.TrioOdds[1]);
    EXPECT_EQ(kBlankOdds, odds.TrifectaOdds[kTrifectaCount]);
    EXPECT_EQ(0, odds.TrioRank[1]);
    EXPECT_EQ("    ", odds.OddsTime);
}

TEST_F(OddsImportTest, CancelledRunnersAreMinusOneAndTheOthersRankWithoutAGap) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 11)
                                          .Announced("01061532")
                                          .Win(1, "0123")
                                          .Win(2, "----")
                                          .Win(3, "0045")
                                          .Win(4, "****")
                                          .Win(5, "0310")
                                          .Place(1, "0021", "0034")
                                          .Place(2, "----", "----")
                                          .Place(3, "0011", "0015")
                                          .Place(4, "****", "****")
                                          .Place(5, "    ", "    ")});
    Import(5);
    EXPECT_EQ(12.3, odds.WinOdds[1]);
    EXPECT_EQ(kCancelledOdds, odds.WinOdds[2]);
    EXPECT_EQ(kCancelledOdds, odds.WinOdds[4]);
    EXPECT_EQ(2, odds.WinRank[1]);
    EXPECT_EQ(0, odds.WinRank[2]);
    EXPECT_EQ(1, odds.WinRank[3]);
    EXPECT_EQ(0, odds.WinRank[4]);
    EXPECT_EQ(3, odds.WinRank[5]);
    EXPECT_EQ(kCancelledOdds, odds.PlaceOddsMin[2]);
    EXPECT_EQ(kCancelledOdds, odds.PlaceOddsMax[4]);
    EXPECT_EQ(kBlankOdds, odds.PlaceOddsMin[5]);
    EXPECT_EQ(kBlankOdds, odds.PlaceOddsMax[5]);
    EXPECT_EQ(3.4, odds.PlaceOddsMax[1]);
    EXPECT_EQ(2, odds.PlaceMinRank[1]);
    EXPECT_EQ(1, odds.PlaceMinRank[3]);
    EXPECT_EQ(0, odds.PlaceMinRank[5]);
    EXPECT_EQ("1532", odds.OddsTime);
    // The win support is set while storing, for runners with a price only.
    EXPECT_DOUBLE_EQ(80.0 / 4.5, slot.Indices.WinSupport[3]);
    EXPECT_EQ(0.0, slot.Indices.WinSupport[2]);
}

TEST_F(OddsImportTest, EqualWinOddsRankByLowerPlaceOddsThenHorseNumber) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 11)
                                          .Win(12, "0050")
                                          .Win(3, "0050")
                                          .Win(5, "0050")
                                          .Win(7, "0020")
                                          .Place(12, "0015", "0020")
                                          .Place(3, "0015", "0030")
                                          .Place(5, "0013", "0040")
                                          .Place(7, "0015", "0020")});
    Import(12);
    EXPECT_EQ(1, odds.WinRank[7]);
    EXPECT_EQ(2, odds.WinRank[5]);   // 5.0, lowest lower place odds
    EXPECT_EQ(3, odds.WinRank[3]);   // 5.0 / 1.5: " 3" before "12"
    EXPECT_EQ(4, odds.WinRank[12]);  // 5.0 / 1.5
    // Lower place 1.5 three times: by the upper odds, then by horse number.
    EXPECT_EQ(1, odds.PlaceMinRank[5]);
    EXPECT_EQ(2, odds.PlaceMinRank[7]);   // 1.5 / 2.0
    EXPECT_EQ(3, odds.PlaceMinRank[12]);  // 1.5 / 2.0
    EXPECT_EQ(4, odds.PlaceMinRank[3]);   // 1.5 / 3.0
    // Upper place 2.0 twice: by the lower odds, then by horse number.
    EXPECT_EQ(1, odds.PlaceMaxRank[7]);
    EXPECT_EQ(2, odds.PlaceMaxRank[12]);
    EXPECT_EQ(3, odds.PlaceMaxRank[3]);
    EXPECT_EQ(4, odds.PlaceMaxRank[5]);
}

TEST_F(OddsImportTest, BracketOddsKeepTheRecordsPopularity) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 11)
                                          .Bracket(1, "00123", "05")
                                          .Bracket(2, "-----", "  ")
                                          .Bracket(8, "*****", "  ")
                                          .Bracket(36, "00000", "  ")});
    Import(0);
    EXPECT_EQ(12.3, odds.BracketOdds[1]);
    EXPECT_EQ(5, odds.BracketRank[1]);
    EXPECT_EQ(kCancelledOdds, odds.BracketOdds[2]);
    EXPECT_EQ(kCancelledOdds, odds.BracketOdds[8]);
    EXPECT_EQ(0, odds.BracketRank[8]);
    EXPECT_EQ(0.0, odds.BracketOdds[36]);
    EXPECT_EQ(kBlankOdds, odds.BracketOdds[3]);
}

TEST_F(OddsImportTest, WithoutRegisteredRunnersOnlyTheCombinationTablesAreRead) {
    test::WriteDayFile(paths.o1File,
                       {O1Builder("05", 11).Win(1, "0021").Bracket(1, "00050", "01")});
    test::WriteDayFile(paths.o5File, {CombinationOddsBuilder::Trio("05", 11).Odds(1, "000123")});
    Import(0);
    EXPECT_EQ(0.0, odds.WinOdds[1]);
    EXPECT_EQ(0, odds.WinRank[1]);
    EXPECT_EQ(5.0, odds.BracketOdds[1]);
    EXPECT_EQ(12.3, odds.TrioOdds[1]);
    EXPECT_EQ(1, odds.TrioRank[1]);
}

TEST_F(OddsImportTest, TrioRanksSkipZeroVotesAndPutTheLowerIndexFirstOnEqualOdds) {
    int a = TrioIndex(" 1- 2- 3"), b = TrioIndex(" 1- 2- 4"), c = TrioIndex(" 2- 3- 4");
    int d = TrioIndex(" 5- 6- 7"), e = TrioIndex(" 6- 7- 8");
    test::WriteDayFile(paths.o5File, {CombinationOddsBuilder::Trio("05", 11)
                                          .Odds(c, "000123")
                                          .Odds(a, "000123")
                                          .Odds(b, "000045")
                                          .Odds(d, "000000")
                                          .Odds(e, "------")
                                          .Odds(kTrioCount, "******")});
    Import(8);
    EXPECT_EQ(1, odds.TrioRank[b]);
    EXPECT_EQ(2, odds.TrioRank[a]);
    EXPECT_EQ(3, odds.TrioRank[c]);
    EXPECT_EQ(0.0, odds.TrioOdds[d]);
    EXPECT_EQ(0, odds.TrioRank[d]);
    EXPECT_EQ(kCancelledOdds, odds.TrioOdds[e]);
    EXPECT_EQ(kCancelledOdds, odds.TrioOdds[kTrioCount]);
    EXPECT_EQ(0, odds.TrioRank[e]);
    EXPECT_EQ(kBlankOdds, odds.TrioOdds[TrioIndex(" 1- 2- 5")]);
}

TEST_F(OddsImportTest, TrifectaRanksCoverTheWholeTable) {
    auto trifecta = CombinationOddsBuilder::Trifecta("05", 11);
    for (int m = 1; m <= kTrifectaCount; ++m)  // the long shots first in numbering order
        trifecta.Odds(m, Format("%07d", 9000000 - m / 2));
    trifecta.Odds(kTrifectaCount, "-------").Odds(kTrifectaCount - 1, "*******");
    test::WriteDayFile(paths.o6File, {trifecta});
    Import(18);
    // 9000000 - m/2 gives pairs of equal odds: the higher index of a pair ranks after the lower.
    EXPECT_EQ(1, odds.TrifectaRank[kTrifectaCount - 2]);
    EXPECT_EQ(2, odds.TrifectaRank[kTrifectaCount - 4]);
    EXPECT_EQ(3, odds.TrifectaRank[kTrifectaCount - 3]);
    EXPECT_EQ(kTrifectaCount - 2, odds.TrifectaRank[1]);
    EXPECT_EQ(kTrifectaCount - 4, odds.TrifectaRank[2]);
    EXPECT_EQ(kTrifectaCount - 3, odds.TrifectaRank[3]);
    EXPECT_EQ(0, odds.TrifectaRank[kTrifectaCount]);
    EXPECT_EQ(kCancelledOdds, odds.TrifectaOdds[kTrifectaCount - 1]);
    EXPECT_EQ(899999.9, odds.TrifectaOdds[2]);
}

TEST_F(OddsImportTest, ARaceNotFoundAgainKeepsTheCopyFoundBefore) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 11).Announced("01061510").Win(1, "0030")});
    Import(3);
    test::WriteDayFile(paths.o1File, {O1Builder("05", 12).Win(1, "0090")});
    Import(3);
    EXPECT_EQ(3.0, odds.WinOdds[1]);
    EXPECT_EQ(1, odds.WinRank[1]);
    EXPECT_EQ("1510", odds.OddsTime);
}

TEST_F(OddsImportTest, AReimportStartsFromScratch) {
    test::WriteDayFile(
        paths.o1File, {O1Builder("05", 11).Win(1, "0030").Win(2, "0050").Place(1, "0011", "0012")});
    Import(2);
    ASSERT_EQ(2, odds.WinRank[2]);
    test::WriteDayFile(paths.o1File, {O1Builder("05", 11).Win(1, "0030").Win(2, "----")});
    Import(2);
    EXPECT_EQ(0, odds.WinRank[2]);
    EXPECT_EQ(0.0, slot.Indices.WinSupport[2]);
    EXPECT_EQ(kBlankOdds, odds.PlaceOddsMin[1]);
    EXPECT_EQ(0, odds.PlaceMinRank[1]);
}

TEST_F(OddsImportTest, AMalformedFieldCountsAsBlankAndIsReportedOncePerFile) {
    test::WriteDayFile(
        paths.o1File,
        {O1Builder("05", 11).Win(1, "0030").Win(2, "12a4").Win(3, "-012").Win(4, "0050").Place(
            1, "0012", " 1.5")});
    test::WriteDayFile(paths.o5File, {CombinationOddsBuilder::Trio("05", 11).Odds(1, "000070")});
    std::vector<std::string> problems = Import(4);
    EXPECT_EQ(kBlankOdds, odds.WinOdds[2]);
    EXPECT_EQ(kBlankOdds, odds.WinOdds[3]);
    EXPECT_EQ(0, odds.WinRank[2]);
    EXPECT_EQ(2, odds.WinRank[4]);
    EXPECT_EQ(1.2, odds.PlaceOddsMin[1]);
    EXPECT_EQ(kBlankOdds, odds.PlaceOddsMax[1]);
    EXPECT_EQ(1, odds.TrioRank[1]);  // the import went on past the O1 record
    ASSERT_EQ(1u, problems.size());
    EXPECT_TEXT_EQ(paths.o1File + "：東京11Rのオッズに数字でない欄があり、空欄として扱いました。",
                   problems[0]);
}

TEST_F(OddsImportTest, AnUnreadableFileBlanksThatTableAndIsReported) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 11).Win(1, "0030")});
    test::WriteDayFile(paths.o6File,
                       {CombinationOddsBuilder::Trifecta("05", 11).Odds(1, "0000500")});
    Import(3);
    ASSERT_EQ(1, odds.TrifectaRank[1]);

    ASSERT_TRUE(RemoveFile(paths.o6File));
    ASSERT_TRUE(MakeDirectories(paths.o6File));
    std::vector<std::string> problems = Import(3);
    EXPECT_EQ(kBlankOdds, odds.TrifectaOdds[1]);
    EXPECT_EQ(0, odds.TrifectaRank[1]);
    EXPECT_TRUE(IsBlank(slot.O6Copy));
    EXPECT_EQ(1, odds.WinRank[1]);
    ASSERT_EQ(1u, problems.size());
    EXPECT_TEXT_EQ(paths.o6File + "：ファイルを読み込めないため、東京11Rのオッズを空欄にしました。",
                   problems[0]);
}

TEST_F(OddsImportTest, EndsWithTheRunnerIndices) {
    O1Builder o1("05", 11);
    for (int h = 1; h <= 10; ++h)
        o1.Win(h, Format("%04d", 20 * h));
    test::WriteDayFile(paths.o1File, {o1});
    Import(10);
    EXPECT_EQ(2.0, slot.Indices.StandardOdds[1]);
    EXPECT_EQ(103.4, slot.Indices.StandardOdds[10]);
    EXPECT_EQ(75.8, slot.Indices.PlaceRate[1]);
    EXPECT_GT(slot.Indices.WinSpread, 0.0);
}

TEST(OddsField, ReadsPricesMarksAndBlanks) {
    EXPECT_EQ(12.3, ReadOddsField("0123").odds);
    EXPECT_EQ(123, ReadOddsField("0123").tenths);
    EXPECT_EQ(kCancelledOdds, ReadOddsField("-----").odds);
    EXPECT_EQ(kBlankOdds, ReadOddsField("    ").odds);
    EXPECT_FALSE(ReadOddsField("    ").malformed);
    EXPECT_TRUE(ReadOddsField(" ---").malformed);  // not the full-width mark
    EXPECT_TRUE(ReadOddsField("-*-*").malformed);
    EXPECT_TRUE(ReadOddsField("+123").malformed);
    EXPECT_EQ(kBlankOdds, ReadOddsField("+123").odds);
}

}  // namespace
}  // namespace kagiroi
