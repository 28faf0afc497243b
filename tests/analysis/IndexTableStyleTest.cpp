#include "analysis/IndexTableStyle.h"

#include "analysis/EighteenRunnerRace.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

constexpr Rgb kPartnerBlue{0, 128, 255};
constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kPink{255, 181, 255};
constexpr Rgb kLightCyan{162, 255, 255};

class IndexTableStyleTest : public ::testing::Test {
  protected:
    CellStyle At(int column, int row) {
        return IndexTableCellStyle(race.table, race.horses, column, row);
    }
    test::EighteenRunnerRace race;
};

TEST_F(IndexTableStyleTest, HeaderIsSilverAndCentred) {
    for (int c : {0, 1, 2, 7, 12, 18}) {
        EXPECT_EQ(colors::kSilver, At(c, 0).background) << c;
        EXPECT_EQ(CellAlign::Center, At(c, 0).align) << c;
        EXPECT_FALSE(At(c, 0).bold) << c;
    }
}

TEST_F(IndexTableStyleTest, FramesHaveTheirColours) {
    // The first and last frames, a dark one, and numbers outside the eight frames.
    const struct {
        const char* frame;
        Rgb colour;
    } cases[] = {{" 1", colors::kWhite},   {" 2", colors::kGrey},  {" 6", colors::kLime},
                 {" 8", colors::kMagenta}, {" 9", colors::kWhite}, {" 0", colors::kWhite}};
    for (const auto& c : cases) {
        race.table.SetCell(0, 1, c.frame);
        EXPECT_EQ(c.colour, At(0, 1).background) << "frame" << c.frame;
    }
}

TEST_F(IndexTableStyleTest, TheHorseNumberShowsTheAxisAndPartnerMarks) {
    EXPECT_EQ(colors::kInfoBackground, At(1, 2).background);
    race.horses.SetCell(3, 2, "ν");
    race.horses.SetCell(4, 6, "ν");
    EXPECT_EQ(colors::kRed, At(1, 2).background);
    EXPECT_EQ(kPartnerBlue, At(1, 6).background);
}

TEST_F(IndexTableStyleTest, DigitsOnDarkFramesAndMarkedHorsesAreWhite) {
    race.horses.SetCell(3, 2, "ν");
    race.horses.SetCell(4, 6, "ν");
    const struct {
        int column, row;
        Rgb text;
    } cases[] = {
        {0, 1, colors::kBlack}, {0, 3, colors::kWhite}, {0, 5, colors::kWhite},
        {0, 7, colors::kWhite}, {0, 9, colors::kBlack}, {0, 16, colors::kBlack},
        {1, 2, colors::kWhite}, {1, 6, colors::kWhite}, {1, 3, colors::kBlack},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, At(c.column, c.row).text) << c.column << "," << c.row;
    EXPECT_EQ(colors::kGrey, At(0, 3).background);  // backgrounds stay as they are
    EXPECT_EQ(colors::kRed, At(1, 2).background);
}

TEST_F(IndexTableStyleTest, OddsAgainstStandardOdds) {
    EXPECT_EQ(colors::kAqua, At(6, 2).background);  // 2.4 below 2.6
    EXPECT_EQ(colors::kWhite, At(8, 2).background);
    EXPECT_EQ(colors::kWhite, At(6, 5).background);  // 12.0 above 11.5
    EXPECT_EQ(colors::kAqua, At(8, 5).background);
    EXPECT_EQ(colors::kWhite, At(6, 3).background);  // 6.5 equal to 6.5
    EXPECT_EQ(colors::kWhite, At(8, 3).background);
    EXPECT_EQ(colors::kWhite, At(6, 4).background);  // no odds
    EXPECT_EQ(colors::kWhite, At(8, 4).background);
}

TEST_F(IndexTableStyleTest, RankColumnsAreBoldAndColouredByValue) {
    EXPECT_TRUE(At(7, 2).bold);
    EXPECT_EQ(colors::kRed, At(7, 2).text);     // 1st
    EXPECT_EQ(colors::kBlue, At(7, 6).text);    // 2nd
    EXPECT_EQ(colors::kBlue, At(7, 3).text);    // 3rd
    EXPECT_EQ(colors::kBlack, At(7, 10).text);  // 4th
    EXPECT_EQ(colors::kBlack, At(7, 4).text);   // unranked
    EXPECT_EQ(colors::kWhite, At(7, 2).background);
    EXPECT_EQ(colors::kRed, At(13, 2).text);  // place-rate rank 1
    EXPECT_EQ(kLightYellow, At(13, 2).background);
    EXPECT_EQ(colors::kRed, At(16, 2).text);  // placing 1st
    EXPECT_EQ(kLightCyan, At(16, 2).background);
    EXPECT_FALSE(At(6, 2).bold);
    EXPECT_FALSE(At(12, 2).bold);
    EXPECT_EQ(colors::kBlack, At(12, 2).text);
}

TEST_F(IndexTableStyleTest, ColumnGroupsAndAlignment) {
    EXPECT_EQ(kLightYellow, At(10, 1).background);
    EXPECT_EQ(kLightYellow, At(12, 1).background);
    EXPECT_EQ(kPink, At(14, 1).background);
    EXPECT_FALSE(At(14, 1).bold);
    EXPECT_EQ(kPink, At(15, 1).background);
    EXPECT_TRUE(At(15, 1).bold);
    EXPECT_EQ(kLightCyan, At(18, 1).background);
    EXPECT_FALSE(At(18, 1).bold);
    EXPECT_EQ(colors::kWhite, At(2, 1).background);
    EXPECT_EQ(CellAlign::Left, At(2, 1).align);
    EXPECT_EQ(CellAlign::Center, At(3, 1).align);
    EXPECT_EQ(CellAlign::Center, At(1, 1).align);
}

}  // namespace
}  // namespace kagiroi
