#include "app/OddsPendingText.h"
#include "daystore/RecordLayout.h"
#include "support/RecordBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

const std::string kNotFetched =
    "このレースのオッズはまだ取得していません。\nツールバーの［速報ｵｯｽﾞ］を押すと取得します。";

// A race whose odds fetch times are 09:50 and 09:51 (post 10:00, ten minutes before).
TEST(OddsPendingText, SaysWhatBringsTheOddsAndWhenTheAutomaticFetchComes) {
    struct Case {
        const char* what;
        const char* oddsKind;  // "O5", "O6" or nullptr for none
        bool autoFetchOn;
        const char* now;
        std::string text;
    };
    const Case cases[] = {
        {"trio odds in", "O5", true, "0940", ""},
        {"trifecta odds in", "O6", false, "0940", ""},
        {"the automatic fetch off", nullptr, false, "0940", kNotFetched},
        {"before the first fetch", nullptr, true, "0940",
         kNotFetched + "\nｵｯｽﾞ自動取得により 09:50 に取得します。"},
        {"in the first fetch's minute", nullptr, true, "0950",
         kNotFetched + "\nｵｯｽﾞ自動取得により 09:50 に取得します。"},
        {"after the first fetch", nullptr, true, "0951",
         kNotFetched + "\nｵｯｽﾞ自動取得により 09:51 に取得します。"},
        {"both fetch times gone", nullptr, true, "0952", kNotFetched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RaceSlot race;
        race.FetchTimes = {"0950", "0951", "0952"};
        if (c.oddsKind != nullptr) {
            int length = std::string(c.oddsKind) == "O5" ? kO5Length : kO6Length;
            std::string record = test::RecordBuilder(c.oddsKind, length).Key("20240106", "06");
            (std::string(c.oddsKind) == "O5" ? race.O5Copy : race.O6Copy) = record;
        }
        EXPECT_TEXT_EQ(c.text, OddsPendingText(race, c.autoFetchOn, c.now));
    }
}

}  // namespace
}  // namespace kagiroi
