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

class CliRaceTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }

    // The past day's race at list item `item` as the window shows it after the run.
    std::unique_ptr<InProcessForm> WindowOn(int item) {
        auto f = std::make_unique<InProcessForm>(home.Path());
        f->SelectRace(kPastDay, item);
        return f;
    }
    std::string ListNumber(int item) { return Format("%d", item + 1); }
};

TEST_F(CliRaceTest, TheDefaultPrintIsTheSelectedRaceOfTheWindow) {
    CliRun run = Run({"race", kPastDay, "1"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("", run.err);
    auto f = WindowOn(0);
    const TextGrid& trio = f->form.Betting().Bets.Table(BetType::Trio);
    ASSERT_GT(trio.RowCount(), 2) << "the final odds make a net";
    ASSERT_FALSE(IsBlank(trio.Cell(3, 1)));
    ExpectSameRows(f->RacePrint(), OutputRows(run.out), "race print");
}

TEST_F(CliRaceTest, EachTableIsTheWindowsOwn) {
    const int item = 2;
    auto f = WindowOn(item);
    const std::vector<std::pair<std::string, Rows>> tables = {
        {"index", Utf8Rows(f->form.RaceCard().StringGrid26)},
        {"marks", Utf8Rows(f->form.RaceCard().StringGrid7)},
        {"trio", Utf8Rows(f->form.Betting().Bets.Table(BetType::Trio))},
        {"trifecta", Utf8Rows(f->form.Betting().Bets.Table(BetType::Trifecta))},
        {"results", f->ResultsRows()},
        {"header", f->HeaderRows()},
        {"totals", f->TotalsRows()},
    };
    for (const auto& [name, expected] : tables) {
        CliRun run = Run({"race", kPastDay, ListNumber(item), "--table", name});
        ASSERT_EQ(0, run.status) << name << ": " << run.err;
        ExpectSameRows(expected, OutputRows(run.out), name);
    }
    // A settled race: its results and the placings in the index table are there to compare.
    EXPECT_FALSE(IsBlank(f->form.RaceCard().ResultsPage[0].rows[0].result));
    EXPECT_FALSE(IsBlank(f->form.Betting().Bets.Totals(BetType::Trio).stake.text));
}

TEST_F(CliRaceTest, ARaceIsNamedByItsListNumberOrByCourseAndRaceNumber) {
    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    int count = static_cast<int>(f.form.DayList().RaceList.size());
    ASSERT_GT(count, 12) << "two racecourses race on the day";
    for (int item : {0, 13, count - 1}) {
        std::string courseRace = f.CourseRace(item);
        CliRun byNumber = Run({"race", kPastDay, ListNumber(item), "--table", "header"});
        CliRun byCourse = Run({"race", kPastDay, courseRace, "--table", "header"});
        ASSERT_EQ(0, byNumber.status) << byNumber.err;
        ASSERT_EQ(0, byCourse.status) << courseRace << ": " << byCourse.err;
        EXPECT_EQ(byNumber.out, byCourse.out) << courseRace;
        f.form.DatListClick(item);
        ExpectSameRows(f.HeaderRows(), OutputRows(byCourse.out), courseRace);
    }
}

TEST_F(CliRaceTest, StakeOptionsActAsTheWindowsControls) {
    CliRun plain = Run({"race", kPastDay, "1"});
    CliRun run =
        Run({"race", kPastDay, "1", "--amount", "12000", "--mode", "equal", "--strike", "2,5"});
    ASSERT_EQ(0, run.status) << run.err;

    auto f = WindowOn(0);
    f->form.RadioGroup1Click(0);
    f->form.SaNumEditExC1Change("12000");
    for (BetType type : {BetType::Trio, BetType::Trifecta})
        for (int number : {2, 5}) {
            int row = f->TicketRow(type, number);
            ASSERT_GT(row, 0) << BetTypeName(type) << " " << number;
            f->form.TicketTableClick(type, 0, row);
            EXPECT_TEXT_EQ("消", f->form.Betting().Bets.Table(type).Cell(0, row));
            EXPECT_TRUE(IsBlank(f->form.Betting().Bets.Table(type).Cell(6, row)))
                << "no stake when struck";
        }
    ExpectSameRows(f->RacePrint(), OutputRows(run.out), "race with stake options");
    EXPECT_NE(plain.out, run.out) << "the options changed the stakes";
    EXPECT_EQ(0, SettingsFile(home / "kagiroi.ini").ReadInteger("KaimeSet", "HaibunSet", 1))
        << "the allocation choice is kept as the window keeps it";
}

TEST_F(CliRaceTest, EachAllocationModeAndAmountGivesTheWindowsStakes) {
    for (const char* mode : {"proportional", "equal"}) {
        for (const char* amount : {"500", "30000"}) {
            CliRun run =
                Run({"race", kPastDay, "2", "--table", "trio", "--mode", mode, "--amount", amount});
            ASSERT_EQ(0, run.status) << run.err;
            auto f = WindowOn(1);
            f->form.RadioGroup1Click(std::string(mode) == "equal" ? 0 : 1);
            f->form.SaNumEditExC1Change(amount);
            ExpectSameRows(Utf8Rows(f->form.Betting().Bets.Table(BetType::Trio)),
                           OutputRows(run.out), std::string(mode) + " " + amount);
        }
    }
}

TEST_F(CliRaceTest, AStrikeInTheChosenTableOnly) {
    CliRun run = Run({"race", kPastDay, "1", "--table", "trifecta", "--strike", "1,3,30"});
    ASSERT_EQ(0, run.status) << run.err;
    auto f = WindowOn(0);
    for (int number : {1, 3, 30})
        f->form.TicketTableClick(BetType::Trifecta, 0, f->TicketRow(BetType::Trifecta, number));
    ExpectSameRows(Utf8Rows(f->form.Betting().Bets.Table(BetType::Trifecta)), OutputRows(run.out),
                   "trifecta");
    // The trio table has fewer tickets than 30; striking there too would have been refused.
    EXPECT_LT(f->TicketRow(BetType::Trio, 30), 0);
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
    auto f = WindowOn(0);
    std::string expected;
    const TextGrid& marks = f->form.RaceCard().StringGrid7;
    for (int r = 0; r < marks.RowCount(); ++r) {
        for (int c = 0; c < marks.ColCount(); ++c)
            expected += (c ? "\t" : "") + marks.Cell(c, r);
        expected += "\n";
    }
    EXPECT_TEXT_EQ(expected, sjis.out);
    EXPECT_TRUE(IsValidSjis(sjis.out));
    EXPECT_NE(sjis.out, utf8.out) << "the horse names differ in their encodings";
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
    InProcessForm f(home.Path());
    f.SelectRace("2024-01-06", 1);
    ExpectSameRows(f.HeaderRows(), OutputRows(second.out), "race 2");

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
