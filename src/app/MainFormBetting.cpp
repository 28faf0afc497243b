#include "analysis/RunnerIndices.h"
#include "app/TMainForm.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "stakes/ClipboardExport.h"
#include "stakes/PluginCsv.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

void TMainForm::TicketTableClick(BetType type, int col, int row) {
    if (!RaceOnScreen() || !ClickTicketRow(Bets.Table(type), col, row)) return;
    RecomputeTicketTable(Bets, type, CurrentStakeInputs(), Selected().HrCopy,
                         RegisteredRunners(Selected()), Rates);
}

void TMainForm::TicketHeaderPress(BetType type, int col, int row) {
    PressTicketHeader(Bets, type, col, row, ActiveTicketTab);
}

CursorShape TMainForm::TicketTableCursor(BetType type, int col, int row) const {
    return kagiroi::TicketTableCursor(Bets.Table(type), col, row);
}

CellStyle TMainForm::TicketTableStyle(BetType type, int col, int row) const {
    std::string hr = RaceOnScreen() ? Selected().HrCopy : std::string();
    return TicketCellStyle(Bets.Table(type), col, row, WinningCombinations(type, hr));
}

void TMainForm::SortBtnClick() {
    SortIndexTableByShared(StringGrid26, IndexDirections, Bets.sortColumn);
}

void TMainForm::ReallocateStakes() {
    std::string hr = RaceOnScreen() ? Selected().HrCopy : std::string();
    ReallocateAfterStakeChange(Bets, CurrentStakeInputs(), hr);
}

void TMainForm::RadioGroup1Click(int index) {
    RadioGroup1 = index == 0 ? 0 : 1;
    settings_.WriteInteger("KaimeSet", "HaibunSet", RadioGroup1);
    ReallocateStakes();
}

void TMainForm::SaNumEditExC1Change(const std::string& text) {
    SaNumEditExC1 = text;
    if (RaceOnScreen()) StoreRaceAmount(Selected(), AmountFromBox(text));
    ReallocateStakes();
}

VoteOutcome TMainForm::TohyoCSVBtnClick() {
    bool trio = ActiveTicketTab == TicketTab::Trio;
    VotingRequest request;
    request.dayText = DateText;
    if (RaceListIndex >= 0 && RaceOnScreen()) {
        request.race = &Selected();
        if (RaceListIndex < static_cast<int>(RaceList.size()))
            request.raceListText = RaceList[static_cast<size_t>(RaceListIndex)];
    }
    request.pluginFolder = ReadPluginFolder(settings_, programFolder_);
    return SendToVotingPlugin(trio ? "SANFUKU" : "SANTAN",
                              Bets.Table(trio ? BetType::Trio : BetType::Trifecta), request,
                              ports_.ui, ports_.shell);
}

void TMainForm::PluginFolderClick() {
    ChoosePluginFolder(settings_, ports_.ui, programFolder_);
}

void TMainForm::CopyIndexTableClick() {
    CopyIndexTable(StringGrid26, {Header.Label1, Header.Label2, Header.Label3, Header.Label4},
                   ports_.clipboard);
}

void TMainForm::RaceMoyoSaveClick() {
    raceMoyo_.BitBtn1Click(settings_);
}

}  // namespace kagiroi
