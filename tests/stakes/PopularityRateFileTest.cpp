#include "stakes/PopularityRateFile.h"

#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kagiroi {
namespace {

using test::RaceSpec;

// A runner record with its final placing (SE 335) and win popularity (SE 364).
std::string Finisher(const RaceSpec& race, int horse, int place, int popularity) {
    std::string record = test::RunnerRecord(race, horse);
    PutField(record, 335, 2, place > 0 ? std::to_string(100 + place).substr(1) : "00");
    PutField(record, 364, 2, std::to_string(100 + popularity).substr(1));
    return record;
}

void StoreRace(DayStore& store, const RaceSpec& race, const std::vector<int>& placeOfPopularity) {
    store.Store(test::RaceRecord(race), StoreRoute::Download);
    for (int h = 1; h <= race.runners; ++h)
        store.Store(Finisher(race, h, placeOfPopularity[static_cast<size_t>(h - 1)], h),
                    StoreRoute::Download);
}

// Horse h is popularity h. 30 races of 8 runners: the favourite wins 18, the second favourite
// 12 (the favourite third then); 5 races of 12 runners; one race of 8 not yet run.
void WriteSmallStore(const std::string& programFolder) {
    MakeDirectories(programFolder + "/Data");
    DayStore store(programFolder);
    const std::vector<int> favouriteWins = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<int> secondWins = {3, 1, 2, 4, 5, 6, 7, 8};
    int eights = 0;
    auto add = [&](const std::string& date, const std::string& course, int raceNumber,
                   int runners) {
        RaceSpec race;
        race.date = date;
        race.course = course;
        race.race = raceNumber;
        race.runners = runners;
        if (runners == 12) {
            StoreRace(store, race, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        } else if (eights < 30) {
            StoreRace(store, race, eights < 18 ? favouriteWins : secondWins);
            ++eights;
        } else {
            StoreRace(store, race, std::vector<int>(8, 0));
        }
    };
    for (const char* course : {"05", "06"})
        for (int r = 1; r <= 12; ++r)
            add("20240106", course, r, 8);
    for (int r = 1; r <= 12; ++r)
        add("20240107", "06", r, r >= 7 && r <= 11 ? 12 : 8);
    ASSERT_TRUE(store.Flush());
}

TEST(PopularityRateFile, RatesAreCountedFromEveryStoredDay) {
    test::TempFolder folder;
    WriteSmallStore(folder.Path());
    PopularityRateTables tables = TallyDayStore(folder.Path());
    EXPECT_EQ(30, tables.races[8]);  // the race without a result does not count
    EXPECT_EQ(5, tables.races[12]);
    EXPECT_DOUBLE_EQ(0.6, Rate(tables, RateTable::Win, 8, 1));
    EXPECT_DOUBLE_EQ(0.4, Rate(tables, RateTable::Win, 8, 2));
    EXPECT_DOUBLE_EQ(0.0, Rate(tables, RateTable::Win, 8, 3));
    EXPECT_DOUBLE_EQ(0.6, Rate(tables, RateTable::TopTwo, 8, 1));
    EXPECT_DOUBLE_EQ(1.0, Rate(tables, RateTable::TopTwo, 8, 2));
    EXPECT_DOUBLE_EQ(0.4, Rate(tables, RateTable::TopTwo, 8, 3));
    EXPECT_DOUBLE_EQ(1.0, Rate(tables, RateTable::TopThree, 8, 1));
    EXPECT_DOUBLE_EQ(1.0, Rate(tables, RateTable::TopThree, 8, 3));
    EXPECT_DOUBLE_EQ(0.0, Rate(tables, RateTable::TopThree, 8, 4));
}

TEST(PopularityRateFile, FieldSizesWithTooFewRacesUseTheModel) {
    test::TempFolder folder;
    WriteSmallStore(folder.Path());
    PopularityRateTables tables = TallyDayStore(folder.Path());
    PopularityRateTables model = ModelRates();
    // Five races of 12 all won by the favourite would say 100 %: too few to believe.
    EXPECT_DOUBLE_EQ(Rate(model, RateTable::Win, 12, 1), Rate(tables, RateTable::Win, 12, 1));
    EXPECT_DOUBLE_EQ(Rate(model, RateTable::TopThree, 12, 7),
                     Rate(tables, RateTable::TopThree, 12, 7));
    // An empty store is the model throughout.
    test::TempFolder empty;
    PopularityRateTables none = TallyDayStore(empty.Path());
    EXPECT_DOUBLE_EQ(Rate(model, RateTable::TopTwo, 16, 2), Rate(none, RateTable::TopTwo, 16, 2));
}

TEST(PopularityRateFile, TheFileIsReadInsteadOfTheStoreOnceBuilt) {
    test::TempFolder folder;
    WriteSmallStore(folder.Path());
    PopularityRateTables built = LoadOrBuild(folder.Path());  // no file yet: built
    EXPECT_DOUBLE_EQ(0.6, Rate(built, RateTable::Win, 8, 1));
    std::string path = PopularityRatesPath(folder.Path());
    auto text = ReadWholeFile(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(std::string::npos, text->find("field 8 races 30 observed\n"));
    EXPECT_NE(std::string::npos, text->find("field 12 races 5 model\n"));
    EXPECT_NE(std::string::npos, text->find("win 0.60000 0.40000 0.00000"));

    // With the day store gone the rates still come from the file.
    for (const std::string& name : ListFiles(folder.Path() + "/Data"))
        RemoveFile(folder.Path() + "/Data/" + name);
    PopularityRateTables loaded = LoadOrBuild(folder.Path());
    EXPECT_DOUBLE_EQ(0.6, Rate(loaded, RateTable::Win, 8, 1));
    EXPECT_EQ(30, loaded.races[8]);
    // Rebuild (after a download) reads the store again: now empty, the model everywhere.
    PopularityRateTables rebuilt = Rebuild(folder.Path());
    EXPECT_EQ(0, rebuilt.races[8]);
    EXPECT_NEAR(Rate(ModelRates(), RateTable::Win, 8, 1),
                Rate(LoadOrBuild(folder.Path()), RateTable::Win, 8, 1), 5e-6);
}

TEST(PopularityRateFile, ADamagedFileIsRebuilt) {
    test::TempFolder folder;
    WriteSmallStore(folder.Path());
    std::string path = PopularityRatesPath(folder.Path());
    std::string text = RatesFileText(TallyDayStore(folder.Path()));
    ASSERT_TRUE(WriteFileAtomic(path, text.substr(0, text.size() / 2)));
    PopularityRateTables tables = LoadOrBuild(folder.Path());
    EXPECT_DOUBLE_EQ(0.6, Rate(tables, RateTable::Win, 8, 1));
    EXPECT_EQ(text, *ReadWholeFile(path));  // written whole again
}

TEST(PopularityRateFile, TheTextReadsBackAndRejectsWhatIsNotARateFile) {
    PopularityRateTables model = ModelRates();
    model.races[10] = 45;
    std::string text = RatesFileText(model);
    auto back = ParseRatesFile(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(45, back->races[10]);
    for (int n = kMinRateFieldSize; n <= kMaxRateFieldSize; ++n)
        for (int r = 1; r <= kMaxRateRank; ++r)
            EXPECT_NEAR(Rate(model, RateTable::TopThree, n, r),
                        Rate(*back, RateTable::TopThree, n, r), 5e-6);
    EXPECT_FALSE(ParseRatesFile("").has_value());
    EXPECT_FALSE(ParseRatesFile(text + "field 19\n").has_value());
    std::string tooBig = text;
    tooBig.replace(tooBig.find(" 0."), 3, " 1.5");  // a rate above 1
    EXPECT_FALSE(ParseRatesFile(tooBig).has_value());
}

}  // namespace
}  // namespace kagiroi
