#include "stakes/PluginCsv.h"

#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "selection/BetTables.h"
#include "selection/TestRace.h"
#include "stakes/TicketTables.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// The plug-in's program file as the system names programs.
#ifdef _WIN32
constexpr const char* kPluginFile = "HibariTohyoPlugIn2.exe";
#else
constexpr const char* kPluginFile = "HibariTohyoPlugIn2";
#endif

constexpr const char* kStartFailed =
    "投票プラグイン２の呼び出しでエラーが発生しました。\r\n"
    "投票プラグイン２が正しくインストールされているか確認してください。";

using test::TableOf;

// A plug-in folder with its kaime subfolder, the 11th race at 06 on 2009-03-15, and the ports.
struct Voting {
    test::TempFolder plugin;
    test::TestRace race{10, 11};
    test::FakeUi ui;
    test::FakeShell shell;
    VotingRequest request;

    Voting() {
        MakeDirectory(plugin / "kaime");
        request.dayText = "2009年03月15日";
        request.race = &race.Slot();
        request.raceListText = "中山11R";
        request.pluginFolder = plugin.Path();
    }
    VoteOutcome Send(const char* code, const TextGrid& table) {
        return SendToVotingPlugin(code, table, request, ui, shell);
    }
    std::string CsvPath() const { return plugin / "kaime/090315.csv"; }
};

TEST(PluginCsv, TheExampleLineByteForByte) {
    test::TestRace race(10, 11);
    EXPECT_EQ("20090315,06,11,SANTAN,NORMAL,300,03-01-07,\r\n",
              PluginCsvLine(race.Slot().RaceInfo, BetType::Trifecta, "   300", " 3- 1- 7"));
    EXPECT_EQ("20090315,06,11,SANFUKU,NORMAL,100,01-03-07,\r\n",
              PluginCsvLine(race.Slot().RaceInfo, BetType::Trio, "   100", " 1- 3- 7"));
}

TEST(PluginCsv, TypeCodesAndCombinationForms) {
    const std::vector<std::pair<BetType, std::string>> codes = {{BetType::Win, "TAN"},
                                                                {BetType::Place, "FUKU"},
                                                                {BetType::BracketQuinella, "WAKU"},
                                                                {BetType::Quinella, "UMAFUKU"},
                                                                {BetType::Wide, "WIDE"},
                                                                {BetType::Exacta, "UMATAN"},
                                                                {BetType::Trio, "SANFUKU"},
                                                                {BetType::Trifecta, "SANTAN"}};
    for (const auto& [type, code] : codes) {
        EXPECT_EQ(code, PluginTypeCode(type));
        EXPECT_EQ(type, BetTypeOfPluginCode(code));
    }
    EXPECT_FALSE(BetTypeOfPluginCode("SANREN").has_value());
    EXPECT_EQ("05", PluginCombination(BetType::Win, " 5"));
    EXPECT_EQ("12", PluginCombination(BetType::Place, "12"));
    EXPECT_EQ("1-2", PluginCombination(BetType::BracketQuinella, " 1- 2"));
    EXPECT_EQ("03-07", PluginCombination(BetType::Quinella, " 3- 7"));
    EXPECT_EQ("07-03", PluginCombination(BetType::Exacta, " 7- 3"));
    EXPECT_EQ("01-03-07", PluginCombination(BetType::Trio, " 1- 3- 7"));
    EXPECT_EQ("18-01-10", PluginCombination(BetType::Trifecta, "18- 1-10"));
}

TEST(PluginCsv, WritesTheUnstruckTicketsAndStartsThePlugIn) {
    Voting v;
    TextGrid table = TableOf(BetType::Trifecta, {{"", " 3- 1- 7", "   125.4", "  1300"},
                                                 {"消", " 3- 7- 1", "   230.0", "   200"},
                                                 {"", " 7- 1- 3", "   410.9", "   100"},
                                                 {"", " 7- 3- 1", "   520.0", ""}});
    EXPECT_EQ(VoteOutcome::Started, v.Send("SANTAN", table));
    EXPECT_EQ((std::vector<std::string>{"[中山11R:３連単]に投票します。実行してよろしいですか？\r\n"
                                        "（2点　合計 1,400円）"}),
              v.ui.Questions());
    auto csv = ReadWholeFile(v.CsvPath());
    ASSERT_TRUE(csv.has_value());
    EXPECT_EQ(
        "20090315,06,11,SANTAN,NORMAL,1300,03-01-07,\r\n"
        "20090315,06,11,SANTAN,NORMAL,100,07-01-03,\r\n",
        *csv);
    ASSERT_EQ(1u, v.shell.started.size());
    EXPECT_EQ(v.plugin / kPluginFile, v.shell.started[0].program);
    EXPECT_EQ((std::vector<std::string>{v.CsvPath()}), v.shell.started[0].parameters);
    EXPECT_EQ(v.plugin.Path(), v.shell.started[0].workingFolder);
    EXPECT_EQ(0, v.ui.BeepCount());
    EXPECT_TRUE(v.ui.Messages().empty());
}

TEST(PluginCsv, TheConfirmationNamesTheTicketsThatPayBackLessThanTheStake) {
    Voting v;
    TextGrid table = TableOf(BetType::Trifecta, {{"", " 3- 1- 7", "   125.4", "  1300"},
                                                 {"", " 1- 3- 7", "    10.0", "   100"}});
    table.SetCell(7, 1, " 163020");
    table.SetCell(7, 2, "   1000");  // a hit of 1000 against the 1400 staked
    v.ui.AnswerNext(false);
    EXPECT_EQ(VoteOutcome::Declined, v.Send("SANTAN", table));
    EXPECT_EQ((std::vector<std::string>{"[中山11R:３連単]に投票します。実行してよろしいですか？\r\n"
                                        "（2点　合計 1,400円　ﾄﾘｶﾞﾐ 1点）"}),
              v.ui.Questions());
}

// Stakes over the amount typed and a race already off are warned of; a late vote asks twice.
TEST(PluginCsv, TheConfirmationWarnsOfStakesOverTheAmountAndOfALateVote) {
    Voting v;
    TextGrid table = TableOf(BetType::Trifecta, {{"", " 3- 1- 7", "   125.4", "  1300"},
                                                 {"", " 7- 1- 3", "   410.9", "   100"}});
    const std::string question =
        "[中山11R:３連単]に投票します。実行してよろしいですか？\r\n（2点　合計 1,400円）";
    v.request.cautions = {1000, "15:35"};
    v.ui.AnswerNext(true);
    v.ui.AnswerNext(false);
    EXPECT_EQ(VoteOutcome::Declined, v.Send("SANTAN", table));
    EXPECT_EQ((std::vector<std::string>{
                  question + "\r\n※投票金額の合計 1,400円は入力投票金額 1,000円を超えています。"
                             "\r\n※発走時刻 15:35 を過ぎています（発走済み）。",
                  "発走時刻 15:35 を過ぎています。それでも投票しますか？"}),
              v.ui.Questions());
    EXPECT_FALSE(FileExists(v.CsvPath())) << "the second No sends nothing";

    v.ui.Clear();
    v.request.cautions = {1400, ""};
    EXPECT_EQ(VoteOutcome::Started, v.Send("SANTAN", table));
    EXPECT_EQ(std::vector<std::string>{question}, v.ui.Questions());
}

TEST(PluginCsv, EachCheckStopsWithItsMessageInOrder) {
    TextGrid tickets = TableOf(BetType::Trio, {{"", " 1- 3- 7", "   45.6", "   300"}});
    TextGrid none = TableOf(BetType::Trio, {{"", " 1- 3- 7", "   45.6", ""}});
    struct Case {
        const char* name;
        std::function<void(Voting&)> spoil;
        const TextGrid* table;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no day", [](Voting& v) { v.request.dayText = "  ", v.request.race = nullptr; }, &none,
         "開催日ﾃﾞｰﾀを読み込んでください。"},
        {"no race", [](Voting& v) { v.request.race = nullptr; }, &none,
         "レースデータを読み込んでください。"},
        {"no tickets", [](Voting& v) { v.request.pluginFolder = ""; }, &none,
         "買い目が作成されていません。"},
        {"no plug-in", [](Voting& v) { v.request.pluginFolder = "   "; }, &tickets,
         "「Hibari投票プラグイン２」が正常にインストールされていません。再インストールしてください"
         "。"},
    };
    for (const Case& c : cases) {
        Voting v;
        c.spoil(v);
        EXPECT_EQ(VoteOutcome::NotReady, v.Send("SANFUKU", *c.table)) << c.name;
        ASSERT_EQ(2u, v.ui.events.size()) << c.name;
        EXPECT_EQ("beep", v.ui.events[0].kind);
        EXPECT_EQ("message", v.ui.events[1].kind);
        EXPECT_TEXT_EQ(c.message, v.ui.events[1].text);
        EXPECT_FALSE(FileExists(v.CsvPath())) << c.name;
        EXPECT_TRUE(v.shell.started.empty()) << c.name;
    }
}

TEST(PluginCsv, AnEmptyTableIsNotSent) {
    Voting v;
    TextGrid empty;
    SetUpBetTable(empty, BetType::Trio);
    EXPECT_EQ(VoteOutcome::NotReady, v.Send("SANFUKU", empty));
    EXPECT_TEXT_EQ("買い目が作成されていません。", v.ui.Messages().at(0));
}

TEST(PluginCsv, StruckTicketsOnlyWriteAnEmptyFileAndStillStartThePlugIn) {
    Voting v;
    ASSERT_TRUE(WriteFileAtomic(v.CsvPath(), "an older file\r\n"));
    TextGrid table = TableOf(BetType::Trio, {{"消", " 1- 3- 7", "   45.6", "   300"},
                                             {"消", " 1- 3- 9", "   61.0", "   200"}});
    EXPECT_EQ(VoteOutcome::Started, v.Send("SANFUKU", table));
    EXPECT_EQ("", *ReadWholeFile(v.CsvPath()));  // replaced
    EXPECT_EQ(1u, v.shell.started.size());
}

TEST(PluginCsv, DecliningTheQuestionWritesNothing) {
    Voting v;
    v.ui.AnswerNext(false);
    TextGrid table = TableOf(BetType::Trio, {{"", " 1- 3- 7", "   45.6", "   300"}});
    EXPECT_EQ(VoteOutcome::Declined, v.Send("SANFUKU", table));
    EXPECT_FALSE(FileExists(v.CsvPath()));
    EXPECT_TRUE(v.shell.started.empty());
    EXPECT_EQ(0, v.ui.BeepCount());
}

TEST(PluginCsv, AMissingKaimeFolderFailsTheSaveAndTheSendStops) {
    Voting v;
    test::TempFolder bare;  // a plug-in folder without kaime
    v.request.pluginFolder = bare.Path();
    TextGrid table = TableOf(BetType::Trio, {{"", " 1- 3- 7", "   45.6", "   300"}});
    EXPECT_EQ(VoteOutcome::SaveFailed, v.Send("SANFUKU", table));
    ASSERT_EQ(1u, v.ui.Messages().size());
    EXPECT_NE(std::string::npos, v.ui.Messages()[0].find(bare / "kaime/090315.csv"));
    EXPECT_EQ(1, v.ui.BeepCount());
    EXPECT_TRUE(v.shell.started.empty());
}

TEST(PluginCsv, AFailedStartIsReported) {
    Voting v;
    v.shell.startSucceeds = false;
    TextGrid table = TableOf(BetType::Trio, {{"", " 1- 3- 7", "   45.6", "   100"}});
    EXPECT_EQ(VoteOutcome::StartFailed, v.Send("SANFUKU", table));
    EXPECT_TRUE(FileExists(v.CsvPath()));
    ASSERT_EQ(1u, v.ui.Messages().size());
    EXPECT_TEXT_EQ(kStartFailed, v.ui.Messages()[0]);
    EXPECT_EQ(1, v.ui.BeepCount());
}

TEST(PluginCsv, ThePlugInFolderComesFromTheSettings) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    EXPECT_EQ("", ReadPluginFolder(settings, "/prog"));
    settings.WriteString("Dir", "HibariTohyo2", "/opt/hibari2");
    EXPECT_EQ("/opt/hibari2", ReadPluginFolder(settings, "/prog"));
    // A relative folder is the program folder's, whatever the current folder is.
    for (auto [stored, read] : {std::pair{"hibari2", "/prog/hibari2"},
                                {" plug/hibari2 ", "/prog/plug/hibari2"},
                                {"C:\\Hibari2", "C:\\Hibari2"}}) {
        settings.WriteString("Dir", "HibariTohyo2", stored);
        EXPECT_EQ(read, ReadPluginFolder(settings, "/prog"));
    }
    EXPECT_EQ(std::string("/opt/hibari2/") + kPluginFile, PluginProgramPath("/opt/hibari2"));
    test::TestRace race(10);
    EXPECT_EQ("/opt/hibari2/kaime/090315.csv", PluginCsvPath("/opt/hibari2", race.Slot().RaceInfo));
    std::string badDate = race.Slot().RaceInfo;
    badDate.replace(11, 4, "20x9");
    EXPECT_FALSE(PluginCsvPath("/opt/hibari2", badDate).has_value());
}

TEST(PluginCsv, TheFolderCommandStartsAtTheStoredFolderAndStoresTheChoice) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    test::FakeUi ui;
    EXPECT_FALSE(ChoosePluginFolder(settings, ui, "/prog"));  // cancelled
    EXPECT_EQ("/prog", ui.lastFolderStart);
    EXPECT_TEXT_EQ("Hibari投票プラグイン２フォルダの指定", ui.events.at(0).text);
    EXPECT_EQ("", ReadPluginFolder(settings, "/prog"));
    ui.ChooseNextFolder("/opt/hibari2");
    EXPECT_TRUE(ChoosePluginFolder(settings, ui, "/prog"));
    EXPECT_EQ("/opt/hibari2", ReadPluginFolder(settings, "/prog"));
    ui.ChooseNextFolder(std::nullopt);
    ChoosePluginFolder(settings, ui, "/prog");
    EXPECT_EQ("/opt/hibari2", ui.lastFolderStart);
}

}  // namespace
}  // namespace kagiroi
