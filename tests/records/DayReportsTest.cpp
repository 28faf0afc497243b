#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "racing/KeibaFunc.h"
#include "records/DayReports.h"
#include "records/StatisticsExport.h"
#include "selection/BetColumns.h"
#include "support/RecordBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <memory>

namespace kagiroi {
namespace {

std::vector<test::SjisText> Texts(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.end()};
}

// One race as a replay hands it over, its tables and totals set by the test.
struct RaceOnScreen {
    explicit RaceOnScreen(const std::string& course = "06", int race = 11) {
        slot.RaceInfo = test::RecordBuilder("RA", kRaLength)
                            .Key("20240106", course, 1, 1, race)
                            .Put(593, "中山金杯　　")
                            .Put(615, "A")
                            .Put(617, "13")
                            .Put(635, "999")
                            .PutNumber(698, 2000, 4)
                            .Put(706, "17")
                            .PutNumber(882, 3, 2);
        for (BetType type : kAllBetTypes)
            SetUpBetTable(bets.Table(type), type);
    }
    void Totals(BetType type, const char* count, const char* stake, const char* payback) {
        bets.Totals(type).count.text = count;
        bets.Totals(type).stake.text = stake;
        bets.Totals(type).payback.text = payback;
    }
    // Ticket rows, and the same combinations paid as given.
    void Hits(BetType type, const std::vector<std::pair<std::string, long long>>& paid) {
        TextGrid& table = bets.Table(type);
        table.SetRowCount(static_cast<int>(paid.size()) + 1);
        for (size_t k = 0; k < paid.size(); ++k) {
            table.SetCell(ColumnsOf(type).combination, static_cast<int>(k) + 1, paid[k].first);
            results[static_cast<size_t>(type)].rows.push_back(
                {paid[k].first, " 1", Format("%8lld", paid[k].second)});
        }
    }
    ReplayedRace View() const { return {0, 0, slot, header, favourites, results, bets}; }

    RaceSlot slot;
    RaceHeaderTexts header;
    FavouriteTexts favourites;
    std::array<PayoutGroupTexts, 8> results;
    BetBoard bets;
};

TEST(TallyReport, TypesWithoutTicketsAreLeftOutAndRatesKeepTheirWidths) {
    RaceOnScreen hit, miss;
    hit.Totals(BetType::Trio, " 10", "  3000", "    4500");
    miss.Totals(BetType::Trio, "  5", "  1000", "");
    miss.Totals(BetType::Trifecta, " 20", "  2000", "");
    TallyReport report("2024年01月06日 中山 京都 ");
    report.AddRace(hit.bets);
    report.AddRace(miss.bets);
    std::vector<std::string> expected = {
        " 集計 2024年01月06日 中山 京都 ",
        "３連複： 2R中　 1R的中　　投資額：   4000円　回収額：   4500円　的中率：  50.0　回収率： "
        "112.5",
        "３連単： 1R中　 0R的中　　投資額：   2000円　回収額：      0円　的中率：   0.0　回収率：  "
        " "
        "0.0"};
    EXPECT_EQ(Texts(expected), Texts(report.Lines()));
    EXPECT_TEXT_EQ(
        "12R中　 3R的中　　投資額：  36000円　回収額：  41250円　的中率：  25.0　回収率： 114.6",
        TallyFigures({12, 3, 36000, 41250}));
}

TEST(VerifyReport, ASeparatorPrecedesEveryChangeOfVenueTheFirstRaceToo) {
    RaceOnScreen nakayama1("06", 1), nakayama2("06", 2), kyoto("08", 1);
    nakayama2.Totals(BetType::BracketQuinella, "  2", "   200", "     560");
    VerifyReport report(AllocationMode::Equal, "2024年01月06日");
    for (auto* race : {&nakayama1, &nakayama2, &kyoto})
        report.AddRace(race->View());
    std::vector<std::string> expected = {
        "=======",
        " 枠連　均等：2024年01月06日",
        "------",
        "中山 2R: 3頭:単1ｵｯｽﾞ     :枠1ｵｯｽﾞ     :  2点:投票   200円:回収     560円",
        "------",
        "=======",
        " 1R中　 1R的中　　投資額：    200円　回収額：    560円　的中率： 100.0　回収率： 280.0"};
    EXPECT_EQ(Texts(expected), Texts(report.Lines()));
}

TEST(VerifyReport, TheHeadingNamesTheAllocationMode) {
    const std::pair<AllocationMode, std::string> cases[] = {
        {AllocationMode::Equal, " 枠連　均等：1月6日"},
        {AllocationMode::Proportional, " 枠連　比例：1月6日"},
        {AllocationMode::Kelly, " 枠連　ケリー：1月6日"}};
    for (const auto& [mode, heading] : cases)
        EXPECT_TEXT_EQ(heading, VerifyReport(mode, "1月6日").Lines().at(1));
}

TEST(HitReport, PayoutsAboveTheThresholdAreListedRedFromTenThousand) {
    RaceOnScreen race;
    race.Hits(BetType::Trio, {{" 1- 2- 3", 5000}, {" 1- 2- 4", 5010}});
    race.Hits(BetType::Trifecta, {{" 3- 1- 7", 9990}, {" 3- 1- 8", 10000}});
    HitReport report(5000, {"earlier"});
    report.AddRace(race.View());
    const std::string name = "　中山金杯　　</font>";
    std::vector<std::string> expected = {
        HitHtmlText(HitHtml::Header),
        HitHtmlText(HitHtml::LowImage) + HitHtmlText(HitHtml::LowFont) +
            "中山11R[３連複]: 1- 2- 4/配当    5010円" + name,
        HitHtmlText(HitHtml::LowImage) + HitHtmlText(HitHtml::LowFont) +
            "中山11R[３連単]: 3- 1- 7/配当    9990円" + name,
        HitHtmlText(HitHtml::HighImage) + HitHtmlText(HitHtml::HighFont) +
            "中山11R[３連単]: 3- 1- 8/配当   10000円" + name};
    EXPECT_EQ(Texts(expected), Texts(report.Lines()));
    EXPECT_TRUE(report.WorthSaving());
    std::vector<std::string> running = {"earlier", "202401060611R[３連複]: 1- 2- 4/配当    5010円",
                                        "202401060611R[３連単]: 3- 1- 7/配当    9990円",
                                        "202401060611R[３連単]: 3- 1- 8/配当   10000円"};
    EXPECT_EQ(Texts(running), Texts(report.RunningList()));
    EXPECT_TEXT_EQ("<img src=\"./image/lis1.gif\"><font color=\"red\">",
                   HitHtmlText(HitHtml::HighImage) + HitHtmlText(HitHtml::HighFont));
    EXPECT_TEXT_EQ("<img src=\"./image/lis2.gif\"><font color=\"blue\"></font>",
                   HitHtmlText(HitHtml::LowImage) + HitHtmlText(HitHtml::LowFont) +
                       HitHtmlText(HitHtml::FontEnd));
    EXPECT_TEXT_EQ(
        "<br /><img src=\"./image/balist.gif\"><font color=\"black\">"
        "【ミラド式3連複3連単馬券網ソフト Kagiroi】</font>",
        HitHtmlText(HitHtml::Header));
}

TEST(HitReport, ADayWithASingleHitIsNotWorthSaving) {
    RaceOnScreen race;
    race.Hits(BetType::Trio, {{" 1- 2- 3", 800}});
    HitReport report(0, {});
    report.AddRace(race.View());
    EXPECT_EQ(2u, report.Lines().size());
    EXPECT_FALSE(report.WorthSaving());
}

TEST(StatisticsExport, ARaceLineFieldByField) {
    RaceOnScreen race;
    race.favourites.HensaLabel = " 1.25";
    race.slot.Odds.WinOdds = {0, 2.0, 5.0, 9.0};
    race.slot.Indices.StandardOdds = {0, 2.0, 4.0, 0.0};
    race.Totals(BetType::Trifecta, " 30", "  3000", "    4500");
    std::vector<std::string> expected = {"2024年01月06日",
                                         "中山",
                                         "11R",
                                         " 3",
                                         "芝右",
                                         "2000",
                                         ClassLabel("13", "999"),
                                         "13999",
                                         GradeLabel("A"),
                                         " 1.25",
                                         " 1",
                                         "  3000",
                                         "    4500",
                                         " 150.0",
                                         "",
                                         "",
                                         ""};
    std::vector<std::string> fields;
    std::string line = StatisticsLine(race.View());
    for (size_t start = 0, comma;; start = comma + 1) {
        comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) break;
    }
    EXPECT_EQ(Texts(expected), Texts(fields));
}

}  // namespace
}  // namespace kagiroi
