#include "analysis/Favourites.h"

#include "odds/OddsTestRecords.h"
#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class FavouritesTest : public ::testing::Test {
  protected:
    FavouritesTest() {
        // Two trios share rank 1 by hand: the first in numbering order is taken.
        trio7 = TrioIndex(" 1- 2- 7");
        trio9 = TrioIndex(" 3- 4- 9");
        slot.Odds.TrioRank[static_cast<size_t>(trio9)] = 1;
        slot.Odds.TrioOdds[static_cast<size_t>(trio9)] = 9.9;
        slot.Odds.TrioRank[static_cast<size_t>(trio7)] = 1;
        slot.Odds.TrioOdds[static_cast<size_t>(trio7)] = 6.4;
        slot.Odds.TrioRank[100] = 100;
        slot.Odds.TrioOdds[100] = 1234.5;
        slot.Odds.TrifectaRank[kTrifectaCount] = 1;
        slot.Odds.TrifectaOdds[kTrifectaCount] = 25.0;
        slot.Indices.WinSpread = 14.142;
        slot.O1Copy = test::O1Builder("05", 11).Announced("01061532");
    }
    RaceSlot slot;
    int trio7 = 0, trio9 = 0;
};

TEST_F(FavouritesTest, LabelsOfTheFavouritesAndTheChosenRanks) {
    FavouriteTexts texts = ShowFavourites(slot, 100, 2);
    EXPECT_EQ("    6.4/ 1- 2- 7", texts.SRF1NinLabel);
    EXPECT_EQ("   25.0/" + TrifectaByIndex(kTrifectaCount), texts.SRT1NinLabel);
    EXPECT_EQ(" 1234.5/" + TrioByIndex(100), texts.SRF100NinLabel);
    EXPECT_EQ("", texts.SRT100NinLabel);  // no trifecta ranked 2nd
    EXPECT_EQ("14.14", texts.HensaLabel);
    EXPECT_EQ("15:32", texts.TFWtimeLabel);
}

TEST_F(FavouritesTest, UnrankedTablesLeaveTheLabelsEmpty) {
    RaceSlot blank;
    FavouriteTexts texts = ShowFavourites(blank, 1, 1);
    EXPECT_EQ("", texts.SRF1NinLabel);
    EXPECT_EQ("", texts.SRT1NinLabel);
    EXPECT_EQ("", texts.HensaLabel);
    EXPECT_EQ("  :  ", texts.TFWtimeLabel);
    // Rank 0 is "unranked", never a favourite, though most combinations hold it.
    EXPECT_EQ("", TrioFavouriteText(slot.Odds, 0));
}

}  // namespace
}  // namespace kagiroi
