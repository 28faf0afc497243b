// Every vote that leaves the program is recorded as it was sent, and the record settles against
// the stored results.
#include "cli/CliFixture.h"
#include "daystore/DayFiles.h"
#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

// Columns of the journal's vote rows.
// 中山 2R of the settled Sunday: its trio net hits.
constexpr const char* kRaceNumber = "2";
constexpr size_t kRace = 1, kRoute = 3, kTickets = 4, kStake = 5, kHits = 6, kReturn = 7;

class CliVoteRecordTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    std::string RecordPath() const { return home / "tohyokiroku.csv"; }
    // The vote rows the journal lists, header first.
    Rows JournalVotes() const {
        CliRun run = Run({"journal"});
        EXPECT_EQ(0, run.status) << run.err;
        std::vector<Rows> blocks = OutputBlocks(run.out);
        return blocks.empty() ? Rows{} : blocks.front();
    }
    // The trio totals the race command prints: count, stake, rate, expected return, return, ...
    static constexpr size_t kReturnTotal = 5;
    std::vector<std::string> TrioTotals(std::vector<std::string> args) const {
        args.insert(args.begin(), {"race", kPastDay, kRaceNumber});
        args.insert(args.end(), {"--table", "totals"});
        CliRun run = Run(args);
        EXPECT_EQ(0, run.status) << run.err;
        for (const auto& row : OutputRows(run.out))
            if (!row.empty() && row[0] == SjisToUtf8("３連複")) return row;
        ADD_FAILURE() << run.out;
        return {};
    }
    // The day's payout file, through the program's own file layer (its names are Shift_JIS,
    // which only that layer hands to every system rightly).
    std::string PayoutFile() const {
        return PathsForDay(home.Path(), *DayTextFromDate("20240107")).payoutFile;
    }
    void HoldPayouts() {
        held = ReadWholeFile(PayoutFile()).value_or("");
        ASSERT_FALSE(held.empty());
        ASSERT_TRUE(RemoveFile(PayoutFile()));
    }
    void RestorePayouts() { ASSERT_TRUE(WriteFileAtomic(PayoutFile(), held)); }
    std::string held;

    TempFolder plugin;
};

TEST_F(CliVoteRecordTest, AVoteFileIsRecordedAndSettlesOnceTheResultsAreStored) {
    ASSERT_EQ(1, Run({"votefile", kPastDay, kRaceNumber, "--type", "trio"}).status);
    EXPECT_FALSE(FileExists(RecordPath())) << "a declined vote left nothing to record";

    // The results held back, as before the race was run.
    HoldPayouts();
    ASSERT_EQ(0, Run({"votefile", kPastDay, kRaceNumber, "--type", "trio", "--yes"}).status);
    Rows votes = JournalVotes();
    ASSERT_EQ(2u, votes.size()) << "header and the vote";
    EXPECT_EQ(0u, votes[1][0].rfind("2024/01/10 11:0", 0)) << votes[1][0];
    EXPECT_EQ(SjisToUtf8("2024/01/07中山 2R"), votes[1][kRace]);
    EXPECT_EQ(SjisToUtf8("投票ファイル"), votes[1][kRoute]);
    EXPECT_EQ("21", votes[1][kTickets]);
    EXPECT_EQ("4200", votes[1][kStake]);
    EXPECT_EQ(SjisToUtf8("未確定"), votes[1][kHits]);

    RestorePayouts();
    std::vector<std::string> totals = TrioTotals({});
    ASSERT_GT(totals.size(), kReturnTotal);
    ASSERT_NE("", Trim(totals[kReturnTotal])) << "the net sent hits";
    votes = JournalVotes();
    ASSERT_EQ(2u, votes.size());
    EXPECT_NE(SjisToUtf8("未確定"), votes[1][kHits]);
    EXPECT_EQ(std::to_string(std::stoll(totals[kReturnTotal])), votes[1][kReturn])
        << "the return of the net that was sent";
}

// The record keeps the stakes that were sent: a later net of the same race staked otherwise
// does not change what it shows.
TEST_F(CliVoteRecordTest, APluginVoteKeepsTheStakesItWasSentWith) {
    SettingsFile(home / "kagiroi.ini").WriteString("Dir", "HibariTohyo2", plugin.Path());
    ASSERT_TRUE(MakeDirectory(plugin / "kaime"));
    const std::vector<std::string> stakes = {"--amount", "5000", "--mode", "equal"};
    std::vector<std::string> vote = {"vote",   kPastDay, kRaceNumber,
                                     "--trio", "--yes",  "--no-plugin"};
    vote.insert(vote.end(), stakes.begin(), stakes.end());
    ASSERT_EQ(0, Run(vote).status);
    std::vector<std::string> sent = TrioTotals(stakes), later = TrioTotals({});
    ASSERT_GT(sent.size(), kReturnTotal);
    ASSERT_GT(later.size(), kReturnTotal);
    ASSERT_NE(later[2], sent[2]) << "the later net is staked otherwise";
    ASSERT_NE(later[kReturnTotal], sent[kReturnTotal]) << "and returns otherwise";
    ASSERT_NE("", Trim(sent[kReturnTotal])) << "the net sent hits";

    Rows votes = JournalVotes();
    ASSERT_EQ(2u, votes.size());
    EXPECT_EQ(SjisToUtf8("投票プラグイン"), votes[1][kRoute]);
    EXPECT_EQ(std::to_string(std::stoll(sent[2])), votes[1][kStake]);
    EXPECT_EQ(std::to_string(std::stoll(sent[kReturnTotal])), votes[1][kReturn]);
}

// The vote has left the program: a record that cannot be written fails the run but keeps it.
TEST_F(CliVoteRecordTest, ARecordThatCannotBeWrittenIsToldAndTheVoteStays) {
    ASSERT_TRUE(MakeDirectory(RecordPath()));
    CliRun run = Run({"votefile", kPastDay, kRaceNumber, "--type", "trio", "--yes"});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8("に投票を記録できませんでした")))
        << run.err;
    EXPECT_TRUE(FileExists(home / "kaime/240107.BET"));
}

// After the post time the confirmation names it and asks once more; a No then sends nothing.
TEST_F(CliVoteRecordTest, ALateVoteIsWarnedWithThePostTimeAndAskedAgain) {
    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    f.form.Race().DatListClick(0);
    const RaceSlot& race = f.form.Book()[0];
    int hour = NumberAt(race.RaceInfo, RA::PostHour),
        minute = NumberAt(race.RaceInfo, RA::PostMinute);
    std::string postTime = Format("%02d:%02d", hour, minute);

    f.clock.Set({2024, 1, 7, hour, minute, 0});
    f.ui.AnswerNext(true);
    f.ui.AnswerNext(false);
    EXPECT_EQ(VoteFileOutcome::Declined, f.form.Race().VoteFileMenuClick(BetType::Trio));
    std::vector<std::string> questions = f.ui.Questions();
    ASSERT_EQ(2u, questions.size());
    EXPECT_NE(std::string::npos,
              questions[0].find("※発走時刻 " + postTime + " を過ぎています（発走済み）。"))
        << SjisToUtf8(questions[0]);
    EXPECT_EQ("発走時刻 " + postTime + " を過ぎています。それでも投票しますか？", questions[1]);
    EXPECT_FALSE(FileExists(home / "kaime/240107.BET"));
    EXPECT_FALSE(FileExists(RecordPath()));

    f.ui.Clear();
    f.clock.Advance(-60);  // a minute before the post: one question
    EXPECT_EQ(VoteFileOutcome::Written, f.form.Race().VoteFileMenuClick(BetType::Trio));
    ASSERT_EQ(1u, f.ui.Questions().size());
    EXPECT_EQ(std::string::npos, f.ui.Questions()[0].find("発走"));
    EXPECT_TRUE(FileExists(RecordPath()));
}

}  // namespace
}  // namespace kagiroi::test
