#include "stakes/VoteFile.h"

#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SameFolder.h"
#include "platform/SettingsFile.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "selection/BetColumns.h"
#include "stakes/StakedTickets.h"

#include <array>

namespace kagiroi {

namespace {

struct VoteName {
    BetType type;
    const char* menuName;
    const char* word;
};
const std::array<VoteName, 8> kVoteNames = {{{BetType::Win, "単勝", "win"},
                                             {BetType::Place, "複勝", "place"},
                                             {BetType::BracketQuinella, "枠連", "bracket"},
                                             {BetType::Quinella, "馬連", "quinella"},
                                             {BetType::Wide, "ワイド", "wide"},
                                             {BetType::Exacta, "馬単", "exacta"},
                                             {BetType::Trio, "三連複", "trio"},
                                             {BetType::Trifecta, "三連単", "trifecta"}}};

std::string TwoDigitField(const std::string& raceInfo, FieldPos field) {
    return FormatIntField(FieldAt(raceInfo, field));
}

// The first `count` horse numbers of a combination text (" 3- 1- 7") as "03-01-07".
std::string ZeroPaddedNumbers(std::string_view combinationText, int count) {
    std::string joined;
    for (int k = 0; k < count; ++k) {
        if (k > 0) joined += '-';
        joined += Format("%02d", ToInt(Field(combinationText, 3 * k + 1, 2)));
    }
    return joined;
}

std::string VoteCombination(BetType type, std::string_view combinationText) {
    int horses = HorsesPerTicket(type);
    if (horses == 1) return std::string(combinationText);
    return ZeroPaddedNumbers(combinationText, horses);
}

}  // namespace

std::optional<BetType> BetTypeOfVoteName(std::string_view name) {
    for (const VoteName& n : kVoteNames)
        if (name == BetTypeName(n.type) || name == n.menuName || name == n.word) return n.type;
    return std::nullopt;
}

std::string VoteMenuName(BetType type) {
    return kVoteNames[static_cast<size_t>(type)].menuName;
}

std::string VoteFileHeader(const std::string& raceInfo) {
    return RacecourseName(FieldAt(raceInfo, RaceHead::Course)) + " " +
           FieldAt(raceInfo, RaceHead::ShortYear) + "年 " +
           TwoDigitField(raceInfo, RaceHead::Month) + "月 " +
           TwoDigitField(raceInfo, RaceHead::Day) + "日 " +
           TwoDigitField(raceInfo, RaceHead::Meeting) + "回 " +
           TwoDigitField(raceInfo, RaceHead::DayNumber) + "日 \r\n";
}

std::string VoteFileTicketLine(const std::string& raceInfo, BetType type,
                               std::string_view combinationText, std::string_view stakeCell) {
    return TwoDigitField(raceInfo, RaceHead::RaceNumber) + "R " + BetTypeName(type) + " " +
           VoteCombination(type, combinationText) + " " + std::string(stakeCell) + "\r\n";
}

std::optional<std::string> VoteFileName(const std::string& raceInfo) {
    if (!RaceDateIsDigits(raceInfo)) return std::nullopt;
    return FieldAt(raceInfo, RaceHead::ShortYear) + FieldAt(raceInfo, RaceHead::MonthDay) + ".BET";
}

std::string ReadVoteFileFolder(const SettingsFile& settings, const std::string& programFolder) {
    std::string folder = Trim(ReadTextSetting(settings, setting::kVoteFileFolder, programFolder));
    // An empty value would put the file at the root of the disk: it means the default.
    if (folder.empty() || SameFolder(folder, programFolder))
        return JoinPath(programFolder, kVoteFolderName);
    if (!IsAbsolutePath(folder)) return JoinPath(programFolder, folder);
    return folder;
}

bool ChooseVoteFileFolder(SettingsFile& settings, Ui& ui, const std::string& programFolder) {
    std::optional<std::string> chosen =
        ui.ChooseFolder("買い目ﾌｫﾙﾀﾞの指定", ReadVoteFileFolder(settings, programFolder));
    if (!chosen) return false;
    WriteTextSetting(settings, setting::kVoteFileFolder, *chosen);
    return true;
}

VoteFileOutcome WriteVoteFile(BetType type, const TextGrid& table, const VoteFileRequest& request,
                              Ui& ui) {
    if (!TicketsReadyToSend(table, type, request, ui)) return VoteFileOutcome::NotReady;
    const std::string& raceInfo = request.race->RaceInfo;
    const BetColumns& c = ColumnsOf(type);
    std::string text = VoteFileHeader(raceInfo);
    int64_t total = 0;
    for (int r = 1; r < table.RowCount(); ++r) {
        if (!IsSentTicket(table, c, r)) continue;
        text += VoteFileTicketLine(raceInfo, type, table.Cell(c.combination, r),
                                   table.Cell(c.stake, r));
        total += ToInt64(table.Cell(c.stake, r));
    }

    if (!ConfirmVote(ui,
                     "[" + request.raceListText + ":" + BetTypeName(type) +
                         "]に投票します。投票ファイルを出力しますか？",
                     total, request.cautions))
        return VoteFileOutcome::Declined;

    std::string path = JoinPath(request.folder, *VoteFileName(raceInfo));
    FileError error;
    if (!WriteFileAtomic(path, text, &error)) {
        RefuseWithMessage(
            ui, "投票ファイル " + path + " を保存できませんでした。\r\n" + UserErrorText(error));
        return VoteFileOutcome::SaveFailed;
    }
    return VoteFileOutcome::Written;
}

}  // namespace kagiroi
