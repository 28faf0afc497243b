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
    if (RaceOnScreen()) session_.Strike(type, col, row);
}

void TMainForm::TicketHeaderPress(BetType type, int col, int row) {
    session_.PressTicketHeader(type, col, row, betting_.ActiveTicketTab);
}

CursorShape TMainForm::TicketTableCursor(BetType type, int col, int row) const {
    return kagiroi::TicketTableCursor(Bets().Table(type), col, row);
}

CellStyle TMainForm::TicketTableStyle(BetType type, int col, int row) const {
    return session_.TicketStyle(type, col, row);
}

std::string TMainForm::TicketTableTip(BetType type, int, int row) const {
    return session_.TicketTip(type, row);
}

void TMainForm::PageControl2Change(TicketTab tab) {
    betting_.ActiveTicketTab = tab;
}

void TMainForm::SortBtnClick() {
    session_.SortIndexTableByTickets();
}

void TMainForm::RadioGroup1Click(int index) {
    betting_.RadioGroup1 = static_cast<int>(AllocationModeFromIndex(index));
    WriteIntSetting(settings_, setting::kAllocationMode, betting_.RadioGroup1);
    session_.SetMode(betting_.RadioGroup1);
}

void TMainForm::SaNumEditExC1Change(const std::string& text) {
    betting_.SaNumEditExC1 = text;
    AmountChanged();
}

void TMainForm::AmountChanged() {
    int amount = AmountFromBox(betting_.SaNumEditExC1);
    if (RaceOnScreen()) StoreRaceAmount(Selected(), amount);
    session_.SetAmount(amount);
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
                              Bets().Table(trio ? BetType::Trio : BetType::Trifecta), request,
                              ports_.ui, ports_.shell);
}

VoteFileOutcome TMainForm::TohyoFileBtnClick() {
    return VoteFileMenuClick(BetTypeOfTab(betting_.ActiveTicketTab));
}

VoteFileOutcome TMainForm::VoteFileMenuClick(BetType type) {
    VoteFileRequest request{CurrentTicketSource(), ReadVoteFileFolder(settings_, programFolder_)};
    return WriteVoteFile(type, Bets().Table(type), request, ports_.ui);
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
    const RaceCardView& card = RaceCard();
    CopyIndexTable(card.StringGrid26,
                   {card.Header.Label1, card.Header.Label2, card.Header.Label3, card.Header.Label4},
                   ports_.clipboard);
}

void TMainForm::RaceMoyoSaveClick() {
    raceMoyo_.BitBtn1Click(settings_);
}

}  // namespace kagiroi
