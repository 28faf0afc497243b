#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

// The first race of the settled Sunday, 中山 1R, as the demo's fixed clock makes it: axis 5 and
// seven partners give 21 trio and 3 x 7 x 6 = 126 trifecta tickets.
const char* const kRace1Header =
    "中山1R\n"
    "2024年01月07日(日)中山01回02日01R   09.50発走  曇　芝:良　ダ:良\n"
    "　　　　　　　　　　　　　　　　　　　　　　　　　　　　　　\n"
    "18頭[入線:18頭] 1600ﾒｰﾄﾙ ﾀﾞｰﾄ 右回り() 　　  サラ系３歳　　　 (混合)[指定]　　　　　　\n"
    "馬齢 3歳未勝利\n"
    "【本 賞 金】1着:   55000/2着:   22000/3着:   13750/4着:    8250/5着:    5500\n"
    "【付加賞金】1着:        /2着:        /3着:        　　　　　　　　(単位：百円)\n";
// Proportional stakes of 3000 yen: the 14.0 favourite takes 700, a payout of 9800 against the
// 4100 staked in all.
const char* const kRace1Totals =
    "券種\t買い点数\t投票金額\t予想回収率\t期待回収率\t回収金額\t合成ｵｯｽﾞ\tﾄﾘｶﾞﾐ\t的中確率\t"
    "期待値1以上\n"
    "３連複\t 21\t  4100\t  514.1\t   77.7\t\t    3.1\t  0点\t 25.0%\t  0点\n"
    "３連単\t126\t 12900\t  810.4\t   72.1\t\t    2.9\t 10点\t 25.0%\t  0点\n";
const char* const kTicketHeader =
    "消\tNo.\t買い目\tオッズ\t人気\t連人気\t購入額\t回収額\t回収率\t"
    "出現率1\t出現率2\t出現率3\t結果配当\t結果回収\t結果人気";

class CliRaceTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    std::string Table(const std::string& race, const std::string& table) {
        CliRun run = Run({"race", kPastDay, race, "--table", table});
        EXPECT_EQ(0, run.status) << race << " " << table << ": " << run.err;
        return run.out;
    }
};

// The printed rows against expected Shift_JIS text.
void ExpectPrinted(const std::string& sjisExpected, const std::string& printed,
                   const std::string& what) {
    ExpectSameRows(OutputRows(SjisToUtf8(sjisExpected)), OutputRows(printed), what);
}

// The first cells of the rows of a ticket table whose strike cell says 消.
std::vector<std::string> StruckTickets(const Rows& rows) {
    std::vector<std::string> struck;
    for (size_t r = 1; r < rows.size(); ++r)
        if (rows[r].size() > 6 && rows[r][0] == SjisToUtf8("消")) {
            struck.push_back(rows[r][1]);
            EXPECT_EQ("", rows[r][6]) << "a struck ticket has no stake";
        }
    return struck;
}

TEST_F(CliRaceTest, TheDefaultPrintIsHeaderMarksTicketTablesAndTotals) {
    CliRun run = Run({"race", kPastDay, "1"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    std::vector<Rows> blocks = OutputBlocks(run.out);
    ASSERT_EQ(5u, blocks.size());
    ExpectSameRows(OutputRows(SjisToUtf8(kRace1Header)), blocks[0], "header");
    ExpectSameRows(OutputRows(SjisToUtf8(kRace1Totals)), blocks[4], "totals");
    EXPECT_EQ(19u, blocks[1].size()) << "18 runners in the marks";
    EXPECT_EQ(22u, blocks[2].size());
    EXPECT_EQ(127u, blocks[3].size());
    const std::vector<std::pair<int, std::string>> marks = {
        {1, " 1\t 1\tルリブレイブ　　　　　　　　　　　　\t\t"},
        {2, " 1\t 2\tカグラジョイ　　　　　　　　　　　　\t\tν"},
        {5, " 3\t 5\tホシボーイ　　　　　　　　　　　　　\tν\t"}};
    for (const auto& [row, line] : marks)
        EXPECT_EQ(Cells(SjisToUtf8(line)), blocks[1][static_cast<size_t>(row)]) << row;
    const std::vector<std::pair<int, std::string>> trio = {
        {0, kTicketHeader},
        {1, "\t 1\t 2- 5- 6\t  156.4\t 47\t 6- 2- 8\t   100\t  15640\t  381.5\t\t\t\t\t\t"},
        {14, "\t14\t 5- 8-13\t   14.0\t  1\t 2- 1- 3\t   700\t   9800\t  239.0\t\t\t\t\t\t"},
        {21, "\t21\t 5-13-14\t  132.6\t 43\t 2- 3- 9\t   100\t  13260\t  323.4\t\t\t\t\t\t"}};
    for (const auto& [row, line] : trio)
        EXPECT_EQ(Cells(SjisToUtf8(line)), blocks[2][static_cast<size_t>(row)]) << row;
    EXPECT_EQ(Cells(SjisToUtf8("\t126\t14-13- 5\t   919.1\t290\t 9- 3- 2\t   100\t  91910\t  "
                               "712.5\t\t\t\t\t\t")),
              blocks[3][126]);
}

TEST_F(CliRaceTest, EachTableAloneIsItsPartOfThePrintOrItsOwn) {
    std::vector<Rows> print = OutputBlocks(Run({"race", kPastDay, "3"}).out);
    ASSERT_EQ(5u, print.size());
    const std::vector<std::pair<std::string, size_t>> parts = {
        {"header", 0}, {"marks", 1}, {"trio", 2}, {"trifecta", 3}, {"totals", 4}};
    for (const auto& [name, block] : parts)
        ExpectSameRows(print[block], OutputRows(Table("3", name)), name);
    ExpectPrinted(
        "券種\t買い点数\t投票金額\t予想回収率\t期待回収率\t回収金額\t合成ｵｯｽﾞ\tﾄﾘｶﾞﾐ\t的中確率\t"
        "期待値1以上\n"
        "３連複\t 21\t  3900\t 2189.9\t   76.5\t\t   21.1\t  0点\t  3.6%\t  0点\n"
        "３連単\t126\t 12600\t 2356.3\t   71.6\t\t   19.7\t  0点\t  3.6%\t  0点\n",
        Table("3", "totals"), "totals of 3R");

    // A settled race: 9 won at 6th favourite, 12 and 10 followed.
    Rows results = OutputRows(Table("3", "results"));
    ASSERT_EQ(37u, results.size());
    const std::vector<std::pair<size_t, std::string>> paid = {
        {0, "券種\t結果\t人気\t配当"},
        {1, "単勝\t 9\t 6\t    1530"},
        {2, "単勝\t\t\t"},
        {5, "複勝\t12\t 7\t     510"},
        {9, "枠連\t 5- 6\t 7\t    1490"},
        {15, "ﾜｲﾄﾞ\t 9-10\t49\t    4720"},
        {28, "三連複\t 9-10-12\t247\t   97950"},
        {31, "三連単\t 9-12-10\t1461\t  545840"}};
    for (const auto& [row, line] : paid)
        EXPECT_EQ(Cells(SjisToUtf8(line)), results[row]) << row;

    Rows index = OutputRows(Table("1", "index"));
    ASSERT_EQ(19u, index.size());
    EXPECT_EQ(19u, index[0].size());
    EXPECT_EQ(Cells(SjisToUtf8(
                  " 1\t 2\tカグラジョイ　　　　　　　　　　　　\t牝 3\t加藤純　\t55.0\t 14.1\t"
                  " 6\t 15.2\t\t  2.8\t 6\t 24.9\t 5\t1.40.58\t10\t13\t 6\t 14.1")),
              index[2]);
}

TEST_F(CliRaceTest, ARaceIsNamedByItsListNumberOrByCourseAndRaceNumber) {
    // 中山 (06) races are items 1-12, 京都 (08) items 13-24.
    const std::vector<std::tuple<std::string, std::string, std::string>> races = {
        {"1", "06-01", "中山1R"}, {"14", "08-02", "京都2R"}, {"24", "08-12", "京都12R"}};
    for (const auto& [item, courseRace, title] : races) {
        std::string byNumber = Table(item, "header");
        EXPECT_EQ(byNumber, Table(courseRace, "header")) << courseRace;
        EXPECT_EQ(SjisToUtf8(title), OutputLines(byNumber).at(0)) << item;
    }
    EXPECT_EQ(1, Run({"race", kPastDay, "09-02"}).status) << "小倉 does not race that day";
}

TEST_F(CliRaceTest, StakeOptionsActAsTheWindowsControls) {
    CliRun run =
        Run({"race", kPastDay, "1", "--amount", "12000", "--mode", "equal", "--strike", "2,5"});
    ASSERT_EQ(0, run.status) << run.err;
    std::vector<Rows> blocks = OutputBlocks(run.out);
    ASSERT_EQ(5u, blocks.size());
    // 12000 yen over 19 tickets: 631.6 per ticket rounds up to 700; over 124 up to 100.
    ExpectSameRows(OutputRows(SjisToUtf8(
                       "券種\t買い点数\t投票金額\t予想回収率\t期待回収率\t回収金額\t合成ｵｯｽﾞ\tﾄﾘｶﾞﾐ"
                       "\t的中確率\t"
                       "期待値1以上\n"
                       "３連複\t 19\t 13300\t 1025.5\t   76.9\t\t    3.8\t  1点\t 20.8%\t  0点\n"
                       "３連単\t124\t 12400\t  851.0\t   72.0\t\t    3.0\t 12点\t 24.4%\t  0点\n")),
                   blocks[4], "totals");
    EXPECT_EQ(Cells(SjisToUtf8("\t 1\t 2- 5- 6\t  156.4\t 47\t 6- 2- 8\t   700\t 109480\t  823.2"
                               "\t 18.7\t 45.8\t 12.9\t\t\t")),
              blocks[2][1]);
    for (size_t table : {2u, 3u})
        EXPECT_EQ((std::vector<std::string>{" 2", " 5"}), StruckTickets(blocks[table])) << table;
    EXPECT_EQ(0, SettingsFile(home / "kagiroi.ini").ReadInteger("KaimeSet", "HaibunSet", 1))
        << "the allocation choice is kept as the window keeps it";
}

TEST_F(CliRaceTest, EachAllocationModeAndAmountGivesItsStakes) {
    // Equal: 500 / 21 tickets rounds up to the minimum 100, 30000 / 21 = 1428.6 up to 1500.
    const struct {
        const char* mode;
        const char* amount;
        const char* trioTotals;
    } cases[] = {
        {"equal", "500",
         "３連複\t 21\t  2100\t  353.0\t   76.9\t    1290\t    1.5\t  6点\t 51.1%\t  0点"},
        {"equal", "30000",
         "３連複\t 21\t 31500\t  353.0\t   76.9\t   19350\t    1.5\t  6点\t 51.1%\t  0点"},
        {"proportional", "500",
         "３連複\t 21\t  2100\t  353.0\t   76.9\t    1290\t    1.5\t  6点\t 51.1%\t  0点"},
        {"proportional", "30000",
         "３連複\t 21\t 31000\t  158.3\t   77.4\t   46440\t    1.5\t  0点\t 51.1%\t  0点"}};
    for (const auto& c : cases) {
        CliRun run = Run(
            {"race", kPastDay, "2", "--table", "totals", "--mode", c.mode, "--amount", c.amount});
        ASSERT_EQ(0, run.status) << run.err;
        EXPECT_EQ(Cells(SjisToUtf8(c.trioTotals)), OutputRows(run.out).at(1))
            << c.mode << " " << c.amount;
    }
}

TEST_F(CliRaceTest, EveryTicketsValueIsItsChanceTimesItsOdds) {
    Rows ev = OutputRows(Table("1", "ev"));
    ASSERT_EQ(1u + 21 + 126, ev.size());
    EXPECT_EQ(Cells(SjisToUtf8("券種\t買い目\tオッズ\t的中率\t期待値\tﾌｪｱｵｯｽﾞ")), ev[0]);
    double trioChance = 0;
    for (size_t r = 1; r < ev.size(); ++r) {
        ASSERT_EQ(6u, ev[r].size()) << r;
        double odds = ToDouble(ev[r][2]), chance = ToDouble(ev[r][3]);
        EXPECT_GT(chance, 0) << r;
        EXPECT_NEAR(chance / 100 * odds, ToDouble(ev[r][4]), 0.005 + odds * 0.000005) << r;
        // 的中率 is rounded to 0.001 %: the fair odds, from the unrounded chance, agree to that.
        EXPECT_NEAR(100 / chance, ToDouble(ev[r][5]), 0.05 + 0.0005 / chance * 100 / chance) << r;
        if (ev[r][0] == SjisToUtf8("３連複")) trioChance += chance;
    }
    // The trio net's chance to hit is its tickets' chances together, as the totals show it.
    EXPECT_NEAR(25.0, trioChance, 0.06);
}

// At the market's own chances (the default powers) no ticket has an edge; with the demo's own
// powers 4R's trifecta net holds a few.
TEST_F(CliRaceTest, KellyStakesAreWholeUnitsWithinTheBankrollsQuarter) {
    CliRun market = Run({"race", kPastDay, "4", "--table", "totals", "--mode", "kelly"});
    ASSERT_EQ(0, market.status) << market.err;
    EXPECT_NE(std::string::npos,
              market.err.find(SjisToUtf8("３連単：期待値が1を超える買い目がないため")))
        << market.err;
    ASSERT_EQ(
        0,
        Run({"settings", "model", "--alpha", "1.25", "--lambda", "0.85", "--tau", "0.7"}).status);
    ASSERT_EQ(0, Run({"settings", "investment", "--bankroll", "999999"}).status);
    CliRun run = Run({"race", kPastDay, "4", "--table", "trifecta", "--mode", "kelly"});
    ASSERT_EQ(0, run.status) << run.err;
    Rows rows = OutputRows(run.out);
    int64_t total = 0, staked = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        if (IsBlank(rows[r][6])) continue;
        int64_t stake = ToInt64(rows[r][6]);
        EXPECT_TRUE(stake >= 100 && stake % 100 == 0) << rows[r][2] << ": " << stake;
        total += stake;
        ++staked;
    }
    EXPECT_GT(staked, 0);
    EXPECT_LE(total, 999999 / 4);
    // A smaller bankroll leaves every edge below 100 yen: no stake, and the run says why.
    ASSERT_EQ(0, Run({"settings", "investment", "--bankroll", "3000"}).status);
    CliRun small = Run({"race", kPastDay, "4", "--table", "totals", "--mode", "kelly"});
    ASSERT_EQ(0, small.status) << small.err;
    EXPECT_NE(std::string::npos, small.err.find(SjisToUtf8("３連単：ケリーの購入額が100円に届く")))
        << small.err;
}

TEST_F(CliRaceTest, AStrikeInTheChosenTableOnly) {
    CliRun run = Run({"race", kPastDay, "1", "--table", "trifecta", "--strike", "1,3,30"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ((std::vector<std::string>{" 1", " 3", "30"}), StruckTickets(OutputRows(run.out)));
    EXPECT_EQ(127u, OutputLines(run.out).size());
    CliRun totals = Run({"race", kPastDay, "1", "--table", "totals", "--strike", "1,3,30"});
    EXPECT_EQ(1, totals.status) << "the trio table has only 21 tickets";
}

TEST_F(CliRaceTest, AStrikeOfATicketTheTableLacksIsRefused) {
    CliRun run = Run({"race", kPastDay, "1", "--table", "trio", "--strike", "999"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8("３連複 has no ticket 999")));
    // An empty net keeps one blank row: it is no ticket 0 to strike.
    CliRun empty = Run({"race", kToday, "12", "--table", "trio", "--strike", "0"});
    EXPECT_EQ(1, empty.status);
    EXPECT_NE(std::string::npos, empty.err.find(SjisToUtf8("３連複 has no ticket 0")));
    EXPECT_EQ(1, Run({"race", kPastDay, "1", "--table", "trio", "--strike", "0"}).status);

    for (std::string list : {"1,x", "", "1,,2", "-1"}) {
        CliRun bad = Run({"race", kPastDay, "1", "--strike", list});
        EXPECT_EQ(2, bad.status) << "--strike " << list;
        EXPECT_EQ("", bad.out) << "--strike " << list;
    }
}

TEST_F(CliRaceTest, SjisOutputIsTheGridsOwnBytes) {
    CliRun sjis = Run({"race", kPastDay, "1", "--table", "marks", "--sjis"});
    CliRun utf8 = Run({"race", kPastDay, "1", "--table", "marks"});
    ASSERT_EQ(0, sjis.status) << sjis.err;
    EXPECT_TEXT_EQ("枠\t馬\t馬名\t軸\t相手\n 1\t 1\tルリブレイブ　　　　　　　　　　　　\t\t\n",
                   sjis.out.substr(0, sjis.out.find('\n', sjis.out.find('\n') + 1) + 1));
    EXPECT_TRUE(IsValidSjis(sjis.out));
    EXPECT_EQ(SjisToUtf8(sjis.out), utf8.out);
}

using CliDayLoadTest = CliTest;

TEST_F(CliDayLoadTest, AFirstRaceWithoutDataLeavesTheOtherRacesOfTheDay) {
    std::vector<RaceSpec> day = MakeDay("20240106", {"06"});
    day[0].runners = 0;  // the card of race 1 came without its runners
    WriteRaces(home.Path(), day);

    CliRun second = Run({"race", "2024-01-06", "2", "--table", "header"});
    EXPECT_EQ(0, second.status) << second.err;
    EXPECT_NE(std::string::npos, second.err.find(SjisToUtf8("1レースはデータが不十分です。")))
        << "the load's click on race 1 shows what the window shows";
    std::vector<std::string> header = OutputLines(second.out);
    ASSERT_EQ(7u, header.size()) << second.out;
    EXPECT_EQ(SjisToUtf8("中山2R"), header[0]);
    EXPECT_NE(std::string::npos, header[1].find("2024")) << header[1];

    CliRun first = Run({"race", "2024-01-06", "1", "--table", "header"});
    EXPECT_EQ(1, first.status) << "race 1 itself cannot be shown";
    EXPECT_EQ("", first.out);
}

TEST_F(CliDayLoadTest, ADayWhoseRaceFileHoldsNoRaceIsRefused) {
    ASSERT_TRUE(MakeDirectory(home / "Data"));
    ASSERT_TRUE(WriteFileAtomic(home / "Data/2024年01月06日.jvRA", ""));
    ASSERT_EQ("2024-01-06\n", Run({"days"}).out);
    CliRun run = Run({"race", "2024-01-06", "1"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_NE(std::string::npos, run.err.find("the day 2024-01-06 has no races")) << run.err;
}

}  // namespace
}  // namespace kagiroi::test
