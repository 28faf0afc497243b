#include "app/RaceListStatus.h"
#include "daystore/RaceDay.h"
#include "support/DayBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

CellStyle Style(Rgb text, Rgb background = colors::kWhite, bool bold = false) {
    CellStyle style;
    style.align = CellAlign::Left;
    style.text = text;
    style.background = background;
    style.bold = bold;
    return style;
}

// Race 1 at 中山, post 10:00 on 2024-01-06.
TEST(RaceListStatus, TheLineAndItsStyleFollowTheClockTheResultsAndTheHit) {
    struct Case {
        const char* what;
        DateTime now;
        const char* payout;  // nullptr: no payout record; "": one without a winner
        bool hit;
        const char* line;
        CellStyle style;
    };
    const Case cases[] = {
        {"before the post",
         {2024, 1, 6, 9, 59, 59},
         nullptr,
         false,
         "中山 1R 10:00",
         Style(colors::kBlack)},
        {"at the post",
         {2024, 1, 6, 10, 0, 0},
         nullptr,
         false,
         "中山 1R 10:00 発走済",
         Style({160, 80, 0})},
        {"on a later day",
         {2024, 1, 7, 9, 0, 0},
         nullptr,
         false,
         "中山 1R 10:00 発走済",
         Style({160, 80, 0})},
        {"a payout record without a winner",
         {2024, 1, 6, 10, 5, 0},
         "",
         true,
         "中山 1R 10:00 発走済",
         Style({160, 80, 0})},
        {"results, no hit",
         {2024, 1, 6, 10, 5, 0},
         "0300000045001",
         false,
         "中山 1R 10:00 確定",
         Style({128, 128, 128})},
        {"results and a hit",
         {2024, 1, 6, 10, 5, 0},
         "0300000045001",
         true,
         "中山 1R 10:00 確定 的中",
         Style(colors::kBlack, {255, 190, 255}, true)},
        {"results before the clock passed the post",
         {2024, 1, 6, 9, 0, 0},
         "0300000045001",
         false,
         "中山 1R 10:00 確定",
         Style({128, 128, 128})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::RaceSpec card;
        card.course = "06";
        RaceSlot race;
        race.RaceInfo = test::RaceRecord(card);
        if (c.payout != nullptr) {
            race.HrCopy = test::PayoutRecord(card);
            std::string win = c.payout;  // horse, payout and popularity of the first win entry
            race.HrCopy.replace(102, win.size(), win);
        }
        RaceListStatus status = StatusOfRace(race, c.now, c.hit);
        EXPECT_TEXT_EQ(c.line, RaceListLine(RaceListText(race), status));
        EXPECT_EQ(c.style, RaceListStyle(status));
    }
}

}  // namespace
}  // namespace kagiroi
