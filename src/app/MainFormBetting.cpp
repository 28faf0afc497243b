#include "analysis/RunnerIndices.h"
#include "app/TMainForm.h"
#include "platform/FileSystem.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "stakes/ClipboardExport.h"
#include "stakes/PluginCsv.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

void TMainForm::TicketTableClick(BetType type, int col, int row) {
    if (!RaceOnScreen() || !ClickTicketRow(betting_.Bets.Table(type), col, row)) return;
    RecomputeTicketTable(betting_.Bets, type, CurrentStakeInputs(), Selected().HrCopy,
                         RegisteredRunners(Selected()), rates_);
}

void TMainForm::TicketHeaderPress(BetType type, int col, int row) {
    PressTicketHeader(betting_.Bets, type, col, row, betting_.ActiveTicketTab);
}

CursorShape TMainForm::TicketTableCursor(BetType type, int col, int row) const {
    return kagiroi::TicketTableCursor(betting_.Bets.Table(type), col, row);
}

CellStyle TMainForm::TicketTableStyle(BetType type, int col, int row) const {
    std::string hr = RaceOnScreen() ? Selected().HrCopy : std::string();
    return TicketCellStyle(betting_.Bets.Table(type), col, row, WinningCombinations(type, hr),
                           ToInt64(betting_.Bets.Totals(type).stake.text));
}

std::string TMainForm::TicketTableTip(BetType type, int, int row) const {
    return TicketValueTip(type, betting_.Bets.Table(type), row, SelectedWinChances());
}

void TMainForm::PageControl2Change(TicketTab tab) {
    betting_.ActiveTicketTab = tab;
}

void TMainForm::SortBtnClick() {
    SortIndexTableByShared(raceCard_.StringGrid26, indexDirections_, betting_.Bets.sortColumn);
}

void TMainForm::ReallocateStakes() {
    std::string hr = RaceOnScreen() ? Selected().HrCopy : std::string();
    ReallocateAfterStakeChange(betting_.Bets, CurrentStakeInputs(), hr);
}

void TMainForm::RadioGroup1Click(int index) {
    betting_.RadioGroup1 = static_cast<int>(AllocationModeFromIndex(index));
    WriteIntSetting(settings_, setting::kAllocationMode, betting_.RadioGroup1);
    ReallocateStakes();
}

void TMainForm::SaNumEditExC1Change(const std::string& text) {
    betting_.SaNumEditExC1 = text;
    AmountChanged();
}

void TMainForm::AmountChanged() {
    if (RaceOnScreen()) StoreRaceAmount(Selected(), AmountFromBox(betting_.SaNumEditExC1));
    ReallocateStakes();
}

TicketSource TMainForm::CurrentTicketSource() const {
    TicketSource source;
    source.dayText = dayList_.DateText;
    if (RaceOnScreen()) {
        source.race = &Selected();
        if (SelectedRace() < static_cast<int>(dayList_.RaceList.size()))
            source.raceListText = dayList_.RaceList[static_cast<size_t>(SelectedRace())];
    }
    return source;
}

VoteOutcome TMainForm::TohyoCSVBtnClick() {
    bool trio = betting_.ActiveTicketTab == TicketTab::Trio;
    VotingRequest request{CurrentTicketSource(), ReadPluginFolder(settings_, programFolder_)};
    return SendToVotingPlugin(trio ? "SANFUKU" : "SANTAN",
                              betting_.Bets.Table(trio ? BetType::Trio : BetType::Trifecta),
                              request, ports_.ui, ports_.shell);
}

VoteFileOutcome TMainForm::TohyoFileBtnClick() {
    return VoteFileMenuClick(BetTypeOfTab(betting_.ActiveTicketTab));
}

VoteFileOutcome TMainForm::VoteFileMenuClick(BetType type) {
    VoteFileRequest request{CurrentTicketSource(), ReadVoteFileFolder(settings_, programFolder_)};
    return WriteVoteFile(type, betting_.Bets.Table(type), request, ports_.ui);
}

std::string TMainForm::VoteFilePath() const {
    if (!RaceOnScreen()) return {};
    std::optional<std::string> name = VoteFileName(Selected().RaceInfo);
    return name ? JoinPath(ReadVoteFileFolder(settings_, programFolder_), *name) : std::string();
}

void TMainForm::KaimeFolderClick() {
    ChooseVoteFileFolder(settings_, ports_.ui, programFolder_);
}

void TMainForm::PluginFolderClick() {
    ChoosePluginFolder(settings_, ports_.ui, programFolder_);
}

void TMainForm::CopyIndexTableClick() {
    CopyIndexTable(raceCard_.StringGrid26,
                   {raceCard_.Header.Label1, raceCard_.Header.Label2, raceCard_.Header.Label3,
                    raceCard_.Header.Label4},
                   ports_.clipboard);
}

void TMainForm::RaceMoyoSaveClick() {
    raceMoyo_.BitBtn1Click(settings_);
}

}  // namespace kagiroi
