#include "stakes/VoteFile.h"

#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "stakes/TicketTables.h"
#include "support/FakePorts.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <functional>

namespace kagiroi {
namespace {

using test::TableOf;

// The 11th race of 中山 on 2009-03-15, the 6th day of the 2nd meeting, with its vote folder.
struct VoteFileRun {
    test::TempFolder folder;
    RaceSlot race;
    test::FakeUi ui;
    VoteFileRequest request;

    explicit VoteFileRun(int raceNumber = 11) {
        race.RaceInfo =
            test::RecordBuilder("RA", kRaLength).Key("20090315", "06", 2, 6, raceNumber);
        request.dayText = "2009年03月15日";
        request.race = &race;
        request.raceListText = "中山11R";
        request.folder = folder.Path();
    }
    VoteFileOutcome Write(BetType type, const TextGrid& table) {
        return WriteVoteFile(type, table, request, ui);
    }
    std::string FilePath() const { return folder / "090315.BET"; }
};

TEST(VoteFile, TheExampleFileByteForByteAStruckTicketLeftOutAndTheOldFileReplaced) {
    VoteFileRun run;
    ASSERT_TRUE(WriteFileAtomic(run.FilePath(), " 2R ３連複 01-02-03    500\r\n"));
    TextGrid table = TableOf(BetType::Trifecta, {{"", " 3- 1- 7", "   125.4", "   300"},
                                                 {"消", " 3- 7- 5", "   230.0", "   400"},
                                                 {"", " 3- 7- 1", "   410.9", "   200"},
                                                 {"", " 7- 3- 1", "   520.0", ""}});
    EXPECT_EQ(VoteFileOutcome::Written, run.Write(BetType::Trifecta, table));
    EXPECT_EQ(std::optional<std::string>("中山 09年  3月 15日  2回  6日 \r\n"
                                         "11R ３連単 03-01-07    300\r\n"
                                         "11R ３連単 03-07-01    200\r\n"),
              ReadWholeFile(run.FilePath()));
    EXPECT_EQ(
        std::vector<std::string>{"[中山11R:３連単]に投票します。投票ファイルを出力しますか？"},
        run.ui.Questions());
    EXPECT_EQ(0, run.ui.BeepCount());
}

TEST(VoteFile, LineFormsOfEveryTypeAndTheTypeNames) {
    std::string first = test::RecordBuilder("RA", kRaLength).Key("20090315", "06", 0, 6, 1);
    EXPECT_EQ("中山 09年  3月 15日   回  6日 \r\n", VoteFileHeader(first));
    const std::vector<std::tuple<BetType, const char*, const char*>> lines = {
        {BetType::Win, " 5", " 1R 単勝  5    100\r\n"},
        {BetType::Place, "12", " 1R 複勝 12    100\r\n"},
        {BetType::BracketQuinella, " 1- 5", " 1R 枠連 01-05    100\r\n"},
        {BetType::Wide, " 3- 7", " 1R ワイド 03-07    100\r\n"},
        {BetType::Exacta, " 7- 3", " 1R 馬単 07-03    100\r\n"},
        {BetType::Trio, " 1- 3- 7", " 1R ３連複 01-03-07    100\r\n"}};
    for (const auto& [type, combination, line] : lines)
        EXPECT_TEXT_EQ(line, VoteFileTicketLine(first, type, combination, "   100"));
    for (auto [name, type] : {std::pair{"三連複", BetType::Trio},
                              {"３連単", BetType::Trifecta},
                              {"ワイド", BetType::Wide},
                              {"exacta", BetType::Exacta}})
        EXPECT_EQ(std::optional(type), BetTypeOfVoteName(name)) << name;
    EXPECT_FALSE(BetTypeOfVoteName("3連単").has_value());
}

TEST(VoteFile, TheThreeRefusalsLeaveNoFile) {
    TextGrid unstaked = TableOf(BetType::Trio, {{"", " 1- 3- 7", "   45.6", ""}});
    const std::vector<std::pair<std::function<void(VoteFileRun&)>, const char*>> cases = {
        {[](VoteFileRun& r) { r.request.dayText = " "; }, "開催日ﾃﾞｰﾀを読み込んでください。"},
        {[](VoteFileRun& r) { r.request.race = nullptr; }, "レースデータを読み込んでください。"},
        {[](VoteFileRun&) {}, "買い目が作成されていません。"}};
    for (const auto& [spoil, message] : cases) {
        VoteFileRun run;
        spoil(run);
        EXPECT_EQ(VoteFileOutcome::NotReady, run.Write(BetType::Trio, unstaked)) << message;
        EXPECT_EQ(1, run.ui.BeepCount()) << message;
        EXPECT_EQ(std::vector<std::string>{message}, run.ui.Messages());
        EXPECT_TRUE(run.ui.Questions().empty()) << message;
        EXPECT_FALSE(FileExists(run.FilePath())) << message;
    }
}

TEST(VoteFile, OnlyStruckTicketsWriteTheHeaderNoWritesNothingAMissingFolderIsTold) {
    TextGrid struck = TableOf(BetType::Trio, {{"消", " 1- 3- 7", "   45.6", "   300"}});
    VoteFileRun run(1);
    EXPECT_EQ(VoteFileOutcome::Written, run.Write(BetType::Trio, struck));
    EXPECT_EQ(std::optional<std::string>("中山 09年  3月 15日  2回  6日 \r\n"),
              ReadWholeFile(run.FilePath()));

    VoteFileRun declined;
    declined.ui.AnswerNext(false);
    EXPECT_EQ(VoteFileOutcome::Declined, declined.Write(BetType::Trio, struck));
    EXPECT_FALSE(FileExists(declined.FilePath()));

    VoteFileRun missing;
    missing.request.folder = missing.folder / "gone";
    EXPECT_EQ(VoteFileOutcome::SaveFailed, missing.Write(BetType::Trio, struck));
    ASSERT_EQ(1u, missing.ui.Messages().size());
    EXPECT_NE(std::string::npos, missing.ui.Messages()[0].find(missing.folder / "gone/090315.BET"));
    EXPECT_FALSE(DirectoryExists(missing.folder / "gone"));
}

TEST(VoteFile, TheFolderSettingAndItsCommand) {
    test::TempFolder home;
    SettingsFile settings(home / "kagiroi.ini");
    const std::string program = home.Path();
    // Missing, empty and the program folder itself all mean its kaime subfolder.
    for (const char* stored : {static_cast<const char*>(nullptr), "", "  ", program.c_str()}) {
        if (stored) settings.WriteString("Dir", "kaime", stored);
        EXPECT_EQ(home / "kaime", ReadVoteFileFolder(settings, program)) << (stored ? stored : "-");
    }
    settings.WriteString("Dir", "kaime", (program + "/").c_str());
    EXPECT_EQ(home / "kaime", ReadVoteFileFolder(settings, program));
    settings.WriteString("Dir", "kaime", "votes");
    EXPECT_EQ(home / "votes", ReadVoteFileFolder(settings, program));
    test::FakeUi ui;
    ui.ChooseNextFolder("/srv/patbet");
    EXPECT_TRUE(ChooseVoteFileFolder(settings, ui, program));
    EXPECT_EQ(home / "votes", ui.lastFolderStart);
    EXPECT_EQ("/srv/patbet", ReadVoteFileFolder(settings, program));
    ui.ChooseNextFolder(std::nullopt);
    EXPECT_FALSE(ChooseVoteFileFolder(settings, ui, program));
    EXPECT_EQ("/srv/patbet", ReadVoteFileFolder(settings, program));
}

}  // namespace
}  // namespace kagiroi
