#include "analysis/RaceHeader.h"

#include "odds/OddsTestRecords.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// 2024-01-06 (土) 中山 1回 2日 11R, 15:45 発走, 晴, 芝 良, ダート 稍重.
test::RecordBuilder HeaderRace() {
    test::RecordBuilder ra = test::RaceRecord("06", 11, 16);
    ra.Key("20240106", "06", 1, 2, 11)
        .Put(28, "1")
        .Put(33, "ニューイヤーステークス", 60)
        .Put(612, "000")
        .Put(615, "E")
        .Put(617, "13")
        .Put(619, "000")
        .Put(622, "3")
        .Put(623, "000")
        .Put(626, "000")
        .Put(629, "016")
        .Put(632, "016")
        .Put(698, "1600")
        .Put(706, "17")
        .Put(710, "C ")
        .Put(874, "1545")
        .Put(886, "15")
        .Put(888, "1")
        .Put(889, "1")
        .Put(890, "2");
    const char* prizes[] = {"00023000", "00009200", "00005800", "00003500", "00002300"};
    for (int p = 0; p < 5; ++p)
        ra.Put(714 + 8 * p, prizes[p], 8);
    ra.Put(810, "00001200", 8).Put(818, "00000340", 8).Put(826, "00000000", 8);
    return ra;
}

TEST(RaceHeader, TextsOfTheSelectedRace) {
    test::RecordBuilder ra = HeaderRace();
    RaceHeaderTexts header = BuildRaceHeader(ra);
    EXPECT_TEXT_EQ("2024年01月06日(土)中山01回02日11R   15.45発走  晴　芝:良　ダ:稍重",
                   header.Label1);
    EXPECT_TEXT_EQ(Field(ra.Text(), 33, 60), header.Label2);
    EXPECT_TEXT_EQ(
        "16頭[入線:15頭] 1600ﾒｰﾄﾙ 芝 右回り(C) 特別  サラ系３歳以上　 " + RaceSymbolLabel("000"),
        header.Label3);
    EXPECT_TEXT_EQ("馬齢 " + ConditionLabel("13", "000", "000", "016", "016"), header.Label4);
    EXPECT_TEXT_EQ("【本 賞 金】1着:   23000/2着:    9200/3着:    5800/4着:    3500/5着:    2300",
                   header.Label6);
    EXPECT_TEXT_EQ("【付加賞金】1着:    1200/2着:     340/3着:        　　　　　　　　(単位：百円)",
                   header.Label7);
    EXPECT_TEXT_EQ("中山", header.BashoLabel);
    EXPECT_TEXT_EQ("11", header.RaceLabel);
    EXPECT_EQ(colors::kGreen, header.panelColor);
}

TEST(RaceHeader, EditionPrefixOnlyForGradedEditions) {
    test::RecordBuilder ra = HeaderRace();
    ra.Put(612, "012");
    EXPECT_TEXT_EQ("第12回 " + Field(ra.Text(), 33, 60), BuildRaceHeader(ra).Label2);
}

TEST(RaceHeader, PanelIsGreenOnTurfOnly) {
    struct Case {
        const char* track;
        Rgb colour;
    } cases[] = {{"10", colors::kGreen},  {"22", colors::kGreen},  {"23", colors::kMaroon},
                 {"09", colors::kMaroon}, {"51", colors::kMaroon}, {"  ", colors::kMaroon}};
    for (const Case& c : cases) {
        test::RecordBuilder ra = HeaderRace();
        ra.Put(706, c.track);
        EXPECT_EQ(c.colour, BuildRaceHeader(ra).panelColor) << c.track;
    }
    // The goings come from their own fields whatever the track.
    test::RecordBuilder dirt = HeaderRace();
    dirt.Put(706, "24").Put(889, "3").Put(890, "4");
    EXPECT_NE(std::string::npos, BuildRaceHeader(dirt).Label1.find("芝:重　ダ:不良"));
}

TEST(RaceHeader, ARaceWithoutRunnerDataCannotBeShown) {
    RaceSlot slot;
    slot.RaceInfo = test::RaceRecord("06", 1, 16);
    ASSERT_TRUE(InsufficientDataMessage(slot).has_value());
    EXPECT_TEXT_EQ("1レースはデータが不十分です。", *InsufficientDataMessage(slot));
    PutField(slot.RunnerInfo[1], 29, 2, "00");
    EXPECT_TRUE(InsufficientDataMessage(slot).has_value());
    PutField(slot.RunnerInfo[1], 29, 2, "01");
    EXPECT_FALSE(InsufficientDataMessage(slot).has_value());
}

}  // namespace
}  // namespace kagiroi
