#include "stakes/PluginCsv.h"

#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"
#include "selection/BetTables.h"
#include "selection/UnderStake.h"

#include <array>
#include <vector>

namespace kagiroi {

namespace {

const std::array<std::string, 8> kTypeCodes = {"TAN",  "FUKU",   "WAKU",    "UMAFUKU",
                                               "WIDE", "UMATAN", "SANFUKU", "SANTAN"};

#ifdef _WIN32
constexpr const char* kPluginProgram = "HibariTohyoPlugIn2.exe";
#else
constexpr const char* kPluginProgram = "HibariTohyoPlugIn2";
#endif

const char* kNotInstalledMessage =
    "「Hibari投票プラグイン２」が正常にインストールされていません。再インストールしてください。";
const char* kStartFailedMessage =
    "投票プラグイン２の呼び出しでエラーが発生しました。\r\n"
    "投票プラグイン２が正しくインストールされているか確認してください。";

VoteOutcome Refuse(Ui& ui, const std::string& message, VoteOutcome outcome) {
    RefuseWithMessage(ui, message);
    return outcome;
}

}  // namespace

const std::string& PluginTypeCode(BetType type) {
    return kTypeCodes[static_cast<size_t>(type)];
}

std::optional<BetType> BetTypeOfPluginCode(std::string_view code) {
    for (BetType type : kAllBetTypes)
        if (PluginTypeCode(type) == code) return type;
    return std::nullopt;
}

std::string PluginCombination(BetType type, std::string_view combinationText) {
    auto number = [&](int k) { return ToInt(Field(combinationText, 3 * k + 1, 2)); };
    switch (type) {
        case BetType::Win:
        case BetType::Place:
            return Format("%02d", number(0));
        case BetType::BracketQuinella:
            return Format("%d-%d", number(0), number(1));
        case BetType::Trio:
        case BetType::Trifecta:
            return Format("%02d-%02d-%02d", number(0), number(1), number(2));
        default:
            return Format("%02d-%02d", number(0), number(1));
    }
}

std::string PluginCsvLine(const std::string& raceInfo, BetType type, std::string_view stake,
                          std::string_view combinationText) {
    return FieldAt(raceInfo, RaceHead::Date) + "," + FieldAt(raceInfo, RaceHead::Course) + "," +
           FieldAt(raceInfo, RaceHead::RaceNumber) + "," + PluginTypeCode(type) + ",NORMAL," +
           Trim(stake) + "," + PluginCombination(type, combinationText) + ",\r\n";
}

std::optional<std::string> PluginCsvPath(const std::string& pluginFolder,
                                         const std::string& raceInfo) {
    if (!RaceDateIsDigits(raceInfo)) return std::nullopt;
    std::string name =
        FieldAt(raceInfo, RaceHead::ShortYear) + FieldAt(raceInfo, RaceHead::MonthDay) + ".csv";
    return JoinPath(JoinPath(pluginFolder, "kaime"), name);
}

std::string PluginProgramPath(const std::string& pluginFolder) {
    return JoinPath(pluginFolder, kPluginProgram);
}

std::string ReadPluginFolder(const SettingsFile& settings, const std::string& programFolder) {
    std::string folder = Trim(ReadTextSetting(settings, setting::kPluginFolder));
    if (folder.empty() || IsAbsolutePath(folder)) return folder;
    return JoinPath(programFolder, folder);
}

bool ChoosePluginFolder(SettingsFile& settings, Ui& ui, const std::string& programFolder) {
    std::string stored = ReadPluginFolder(settings, programFolder);
    std::optional<std::string> chosen = ui.ChooseFolder("Hibari投票プラグイン２フォルダの指定",
                                                        stored.empty() ? programFolder : stored);
    if (!chosen) return false;
    WriteTextSetting(settings, setting::kPluginFolder, *chosen);
    return true;
}

VoteOutcome SendToVotingPlugin(std::string_view typeCode, const TextGrid& table,
                               const VotingRequest& request, Ui& ui, Shell& shell) {
    std::optional<BetType> type = BetTypeOfPluginCode(typeCode);
    if (!type) return VoteOutcome::NotReady;
    const BetColumns& c = ColumnsOf(*type);
    if (!TicketsReadyToSend(table, *type, request, ui)) return VoteOutcome::NotReady;
    std::string folder = Trim(request.pluginFolder);
    if (folder.empty()) return Refuse(ui, kNotInstalledMessage, VoteOutcome::NotReady);

    const std::string& raceInfo = request.race->RaceInfo;
    std::string csv;
    std::vector<int> sent;
    int64_t total = 0;
    for (int r = 1; r < table.RowCount(); ++r) {
        if (!IsSentTicket(table, c, r)) continue;
        csv += PluginCsvLine(raceInfo, *type, table.Cell(c.stake, r), table.Cell(c.combination, r));
        sent.push_back(r);
        total += ToInt64(table.Cell(c.stake, r));
    }
    int underStake = 0;
    for (int r : sent)
        underStake += PaysBackLessThanStake(table, *type, r, total);

    // The count and the sum are shown so a total far from the amount box is seen before sending,
    // and the tickets whose hit would still lose money.
    std::string figures =
        Format("%d", static_cast<int>(sent.size())) + "点　合計 " + GroupedDigits(total) + "円";
    if (underStake > 0) figures += "　ﾄﾘｶﾞﾐ " + Format("%d", underStake) + "点";
    if (!ConfirmVote(ui,
                     "[" + request.raceListText + ":" + BetTypeName(*type) +
                         "]に投票します。実行してよろしいですか？\r\n（" + figures + "）",
                     total, request.cautions))
        return VoteOutcome::Declined;

    std::string path = *PluginCsvPath(folder, raceInfo);
    FileError saveError;
    if (!WriteFileAtomic(path, csv, &saveError))
        return Refuse(
            ui,
            "買い目ファイル " + path + " を保存できませんでした。\r\n" + UserErrorText(saveError),
            VoteOutcome::SaveFailed);

    std::string error;
    if (!DirectoryExists(folder) ||
        !shell.StartProgram(PluginProgramPath(folder), {path}, folder, &error))
        return Refuse(ui, kStartFailedMessage, VoteOutcome::StartFailed);
    return VoteOutcome::Started;
}

}  // namespace kagiroi
