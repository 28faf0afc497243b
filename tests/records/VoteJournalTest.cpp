#include "records/VoteJournal.h"

#include "platform/FileSystem.h"
#include "selection/BetTables.h"
#include "selection/TestRace.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

constexpr int kStake = 6;

// A trio table of three staked tickets, the second struck out.
TextGrid TrioTable() {
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetRowCount(4);
    const char* combinations[] = {" 2- 5- 9", " 1- 2- 3", " 2- 5-10"};
    for (int r = 1; r <= 3; ++r) {
        table.SetCell(1, r, std::to_string(r));
        table.SetCell(2, r, combinations[r - 1]);
        table.SetCell(3, r, "   12.5");
        table.SetCell(kStake, r, r == 3 ? "   200" : "   500");
    }
    table.SetCell(0, 2, "消");
    return table;
}

Vote TrioVote(test::TestRace& race, const DateTime& at) {
    TicketSource source{"", &race.Slot(), "", {}};
    return *VoteOfTable(TrioTable(), BetType::Trio, source, VoteRoute::Plugin, at);
}

TEST(VoteJournal, AVoteKeepsWhatWasSentAndReadsBackWithItsHits) {
    test::TempFolder home;
    test::TestRace race(10);
    Vote vote = TrioVote(race, {2009, 3, 15, 15, 20, 5});
    ASSERT_EQ(2u, vote.tickets.size());  // the struck ticket stays home
    std::string path = VoteJournalPath(home.Path());
    ASSERT_TRUE(AppendVote(path, vote, nullptr));
    vote.route = VoteRoute::Clipboard;
    ASSERT_TRUE(AppendVote(path, vote, nullptr));

    JournalRead read = ReadVoteJournal(path);
    ASSERT_EQ(2u, read.votes.size());
    const Vote& first = read.votes[0];
    EXPECT_EQ("2009/03/15 15:20:05", first.sentAt);
    EXPECT_EQ("2009031506020811", first.raceKey);
    EXPECT_EQ(" 2- 5-10", first.tickets[1].combination);
    EXPECT_EQ(200, first.tickets[1].stake);
    EXPECT_EQ("12.5", first.tickets[1].odds);
    EXPECT_EQ(VoteRoute::Clipboard, read.votes[1].route);

    EXPECT_FALSE(ReturnOfVote(first, race.Slot().HrCopy).settled);
    race.PaidTrio(0, 2, 5, 9, 1230, 4);
    VoteReturn ret = ReturnOfVote(first, race.Slot().HrCopy);
    EXPECT_TRUE(ret.settled);
    EXPECT_EQ(1, ret.hits);
    EXPECT_EQ(700, ret.stake);
    EXPECT_EQ(6150, ret.payback);  // 1230 × 500 / 100
}

TEST(VoteJournal, DamagedLinesAreToldAndKeptAndAnUnreadableRecordIsNotReplaced) {
    test::TempFolder home;
    test::TestRace race(10);
    std::string path = VoteJournalPath(home.Path());
    const std::string damaged = "\"2009/03/15 10:00:00\",\"x\",\"broken\"";
    ASSERT_TRUE(WriteFileAtomic(path, damaged, nullptr));
    ASSERT_TRUE(AppendVote(path, TrioVote(race, {2009, 3, 15, 9, 0, 0}), nullptr));
    std::string text = ReadWholeFile(path).value_or("");
    EXPECT_EQ(0u, text.find(damaged + "\r\n"));
    JournalRead read = ReadVoteJournal(path);
    EXPECT_EQ(1u, read.votes.size());
    ASSERT_EQ(1u, read.problems.size());
    EXPECT_NE(std::string::npos, read.problems[0].find("1 行目"));

    // A folder where the record should be reads as a failure, not as an empty record.
    std::string blocked = home / "blocked";
    ASSERT_TRUE(MakeDirectory(blocked, nullptr));
    FileError error;
    EXPECT_FALSE(AppendVote(blocked, TrioVote(race, {2009, 3, 15, 9, 0, 0}), &error));
    EXPECT_TRUE(ReadVoteJournal(blocked).readError.has_value());
}

TEST(VoteJournal, TheSummaryRunsByDayAndMonthAndLeavesUnsettledVotesOut) {
    test::TestRace march(10, 11), april(10, 12);
    march.PaidTrio(0, 2, 5, 9, 1230, 4);
    Vote paid = TrioVote(march, {2009, 3, 15, 15, 0, 0});
    Vote open = TrioVote(april, {2009, 3, 15, 15, 5, 0});
    open.raceKey.replace(4, 4, "0412");  // a race of April not yet run
    auto payouts = [&](const std::string& key) {
        return key == paid.raceKey ? march.Slot().HrCopy : std::string();
    };
    JournalSummary summary = SummariseJournal({open, paid}, "", "", payouts);
    std::vector<std::vector<std::string>> expected = {
        {"期間", "投票", "点数", "的中", "投資額", "回収額", "収支", "累計収支", "未確定"},
        {"2009/03/15", "1", "2", "1", "700", "6150", "5450", "5450", "0"},
        {"2009/04/12", "1", "2", "0", "0", "0", "0", "5450", "1"},
        {"2009/03", "1", "2", "1", "700", "6150", "5450", "5450", "0"},
        {"2009/04", "1", "2", "0", "0", "0", "0", "5450", "1"},
        {"合計", "2", "4", "1", "700", "6150", "5450", "5450", "1"}};
    EXPECT_EQ(expected, JournalTable(summary));
    EXPECT_EQ(1u, SummariseJournal({open, paid}, "20090401", "", payouts).days.size());

    auto votes = JournalVoteRows({open, paid}, "", "", payouts);
    ASSERT_EQ(3u, votes.size());
    EXPECT_EQ((std::vector<std::string>{"2009/03/15 15:00:00", "2009/03/15中山11R", "３連複",
                                        "投票プラグイン", "2", "700", "1", "6150"}),
              votes[1]);
    EXPECT_EQ("未確定", votes[2][6]);
}

}  // namespace
}  // namespace kagiroi
