#include "app/DemoFixture.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "printing/RaceListPage.h"
#include "support/DayBuilder.h"
#include "support/RecordBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace kagiroi {
namespace {

// The text drawn with its top-left corner at (x, y); empty when none is.
std::string TextAt(const TPrevX& page, int x, int y) {
    for (const PageOp& op : page.Pages().at(0))
        if (op.kind == DrawKind::Text && op.x1 == x && op.y1 == y) return op.text;
    return {};
}

int TextsRightOf(const TPrevX& page, int x) {
    const PagePicture& ops = page.Pages().at(0);
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [x](const PageOp& op) {
        return op.kind == DrawKind::Text && op.x1 >= x;
    }));
}

std::unique_ptr<DayBook> TwoCourseDay() {
    auto book = std::make_unique<DayBook>();
    auto races = test::MakeDay("20240106", {"06", "08"});
    for (size_t i = 0; i < races.size(); ++i)
        (*book)[static_cast<int>(i)].RaceInfo = test::RaceRecord(races[i]);
    // 中山 3R paid 枠連 3-5, the 11th favourite.
    test::RecordBuilder hr("HR", kHrLength);
    hr.Put(207, "35").Put(209, "000004560").Put(218, "11");
    (*book)[2].HrCopy = hr;
    return book;
}

TEST(PopularityClass, LettersByPopularity) {
    struct Case {
        int popularity;
        const char* letter;
    } cases[] = {{11, "A"}, {3, "C"},  {9, "B"},  {18, "-"}, {1, "A"}, {10, "A"}, {13, "A"},
                 {2, "C"},  {14, "C"}, {17, "C"}, {4, "B"},  {0, "-"}, {-1, "-"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.letter, PopularityClass(c.popularity)) << c.popularity;
}

TEST(RaceListPage, TwoCoursesLeaveTheThirdColumnEmpty) {
    auto book = TwoCourseDay();
    TPrevX page = DrawRaceList(*book);
    EXPECT_EQ((PaperSize{2970, 2100}), page.Paper());
    EXPECT_TEXT_EQ("2024年 1月 6日 ", TextAt(page, 100, 90));
    EXPECT_TEXT_EQ("12R", TextAt(page, 120, 1760));
    // 中山 3R in the first column, 京都 12R in the second, nothing in the third.
    EXPECT_TEXT_EQ("16頭　" + Spaces(20), TextAt(page, 202, 492));
    EXPECT_TEXT_EQ("16頭　" + Spaces(20), TextAt(page, 1032, 1752));
    EXPECT_EQ(0, TextsRightOf(page, 1860));
}

TEST(RaceListPage, TheBracketResultWithItsPopularityAndClass) {
    auto book = TwoCourseDay();
    TPrevX page = DrawRaceList(*book);
    int y = 140 * 3 + 70 + 50;
    EXPECT_TEXT_EQ(" 3", TextAt(page, 202, y));
    EXPECT_TEXT_EQ("- ", TextAt(page, 252, y));
    EXPECT_TEXT_EQ("5", TextAt(page, 302, y));
    EXPECT_TEXT_EQ("11人気", TextAt(page, 400, y));
    EXPECT_TEXT_EQ("区分:A", TextAt(page, 600, y));
    // 中山 4R has no payout: its first line only.
    EXPECT_FALSE(TextAt(page, 202, 632).empty());
    EXPECT_TEXT_EQ("", TextAt(page, 202, 680));
}

TEST(RaceListPage, NoDayLoadedIsRefused) {
    test::FakeUi ui;
    auto empty = std::make_unique<DayBook>();
    auto day = TwoCourseDay();
    EXPECT_FALSE(PrintRaceList(*day, "", ui).has_value());
    // A chosen day whose race file was missing.
    EXPECT_FALSE(PrintRaceList(*empty, "2024年01月06日", ui).has_value());
    ASSERT_EQ(4u, ui.events.size());
    EXPECT_EQ("warning", ui.events[0].kind);
    EXPECT_TEXT_EQ("開催日データが読み込まれていません。", ui.Messages().at(1));
    EXPECT_TRUE(PrintRaceList(*day, "2024年01月06日", ui).has_value());
}

TEST(RaceListPage, ADemoDayWithItsResults) {
    test::DemoFixture demo({2024, 1, 7, 20, 0, 0});
    ASSERT_TRUE(demo.Download(false).completed);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    auto page = PrintRaceList(form.Book(), form.DayList().DateText, demo.ui);
    ASSERT_TRUE(page.has_value());
    EXPECT_TEXT_EQ("2024年 1月 6日 ", TextAt(*page, 100, 90));

    // Every race of the first course: its field size, and the 枠連 the payout import read.
    int paidRaces = 0;
    for (int slot = 0; slot < 12; ++slot) {
        const RaceSlot& race = form.Book()[slot];
        int y = 140 * (slot + 1) + 70;
        EXPECT_TEXT_EQ(Format("%2d", NumberAt(race.RaceInfo, RA::Registered)) + "頭　",
                       TextAt(*page, 202, y + 2).substr(0, 6));
        const PayoutEntry& paid = race.Paid.At(BetType::BracketQuinella, 0);
        if (paid.combination.empty()) {
            EXPECT_TEXT_EQ("", TextAt(*page, 202, y + 50)) << slot;
            continue;
        }
        EXPECT_TEXT_EQ(paid.combination.substr(0, 2), TextAt(*page, 202, y + 50));
        EXPECT_TEXT_EQ(Format("%2d", paid.popularity) + "人気", TextAt(*page, 400, y + 50));
        ++paidRaces;
    }
    EXPECT_GT(paidRaces, 6);
    bool threeCourses = DayRacecourses(form.Book()).size() == 3;
    EXPECT_EQ(threeCourses, TextsRightOf(*page, 1860) > 0);
}

}  // namespace
}  // namespace kagiroi
