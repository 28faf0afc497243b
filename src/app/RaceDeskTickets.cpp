#include "app/RaceDesk.h"

#include "app/FetchSchedule.h"
#include "odds/TimeSeriesOdds.h"
#include "platform/FileSystem.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "records/VoteJournal.h"
#include "stakes/ClipboardExport.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

void RaceDesk::TicketTableClick(BetType type, int col, int row) {
    if (!c_.RaceOnScreen()) return;
    bool ticket = col == 0 && row >= 1 && row < c_.session.Bets().Table(type).RowCount() &&
                  !IsBlank(c_.session.Bets().Table(type).Cell(1, row));
    c_.session.Strike(type, col, row);
    if (ticket) KeepEdits();
}

void RaceDesk::TicketHeaderPress(BetType type, int col, int row) {
    c_.session.PressTicketHeader(type, col, row, c_.betting.ActiveTicketTab);
    if (row == 0 && col >= 1 && col < kTicketTableColumns) KeepEdits();
}

CursorShape RaceDesk::TicketTableCursor(BetType type, int col, int row) const {
    return kagiroi::TicketTableCursor(c_.session.Bets().Table(type), col, row);
}

CellStyle RaceDesk::TicketTableStyle(BetType type, int col, int row) const {
    return c_.session.TicketStyle(type, col, row);
}

std::string RaceDesk::TicketTableTip(BetType type, int, int row) const {
    return c_.session.TicketTip(type, row);
}

void RaceDesk::PageControl2Change(TicketTab tab) {
    c_.betting.ActiveTicketTab = tab;
}

void RaceDesk::SortBtnClick() {
    c_.session.SortIndexTableByTickets();
}

void RaceDesk::RadioGroup1Click(int index) {
    c_.betting.RadioGroup1 = static_cast<int>(AllocationModeFromIndex(index));
    WriteIntSetting(c_.settings, setting::kAllocationMode, c_.betting.RadioGroup1);
    c_.session.SetMode(c_.betting.RadioGroup1);
    // Every race's stakes follow the mode: their hits are worked out again.
    RaceDataChanged(-1);
    NoteShownHit();
}

void RaceDesk::SaNumEditExC1Change(const std::string& text) {
    c_.betting.SaNumEditExC1 = text;
    AmountChanged();
}

void RaceDesk::AmountChanged() {
    int amount = AmountFromBox(c_.betting.SaNumEditExC1);
    if (c_.RaceOnScreen()) StoreRaceAmount(c_.Selected(), amount);
    c_.session.SetAmount(amount);
    NoteShownHit();
}

TicketSource RaceDesk::CurrentTicketSource() const {
    TicketSource source;
    source.dayText = c_.dayList.DateText;
    if (c_.RaceOnScreen()) {
        source.race = &c_.Selected();
        if (c_.SelectedRace() < static_cast<int>(c_.dayList.RaceList.size()))
            source.raceListText = c_.dayList.RaceList[static_cast<size_t>(c_.SelectedRace())];
        source.cautions.postTime = PassedPostTime(c_.Selected().RaceInfo, c_.ports.clock.Now());
    }
    source.cautions.amount = AmountFromBox(c_.betting.SaNumEditExC1);
    return source;
}

void RaceDesk::RecordVote(BetType type, VoteRoute route) {
    std::optional<Vote> vote = VoteOfTable(c_.session.Bets().Table(type), type,
                                           CurrentTicketSource(), route, c_.ports.clock.Now());
    if (!vote) return;  // only struck tickets: nothing left the program
    std::string path = VoteJournalPath(c_.programFolder);
    FileError error;
    // The vote has gone already: a record that cannot be kept is told, not undone.
    if (!AppendVote(path, *vote, &error))
        c_.ReportFileFailure(DescribeFailure(path + " に投票を記録できませんでした", error));
}

VoteOutcome RaceDesk::TohyoCSVBtnClick() {
    BetType type =
        c_.betting.ActiveTicketTab == TicketTab::Trio ? BetType::Trio : BetType::Trifecta;
    VotingRequest request{CurrentTicketSource(), ReadPluginFolder(c_.settings, c_.programFolder)};
    VoteOutcome outcome = SendToVotingPlugin(PluginTypeCode(type), c_.session.Bets().Table(type),
                                             request, c_.ports.ui, c_.ports.shell);
    if (outcome == VoteOutcome::Started) RecordVote(type, VoteRoute::Plugin);
    return outcome;
}

VoteFileOutcome RaceDesk::TohyoFileBtnClick() {
    return VoteFileMenuClick(BetTypeOfTab(c_.betting.ActiveTicketTab));
}

VoteFileOutcome RaceDesk::VoteFileMenuClick(BetType type) {
    VoteFileRequest request{CurrentTicketSource(),
                            ReadVoteFileFolder(c_.settings, c_.programFolder)};
    VoteFileOutcome outcome =
        WriteVoteFile(type, c_.session.Bets().Table(type), request, c_.ports.ui);
    if (outcome == VoteFileOutcome::Written) RecordVote(type, VoteRoute::PatbetFile);
    return outcome;
}

std::string RaceDesk::VoteFilePath() const {
    if (!c_.RaceOnScreen()) return {};
    std::optional<std::string> name = VoteFileName(c_.Selected().RaceInfo);
    return name ? JoinPath(ReadVoteFileFolder(c_.settings, c_.programFolder), *name)
                : std::string();
}

void RaceDesk::KaimeFolderClick() {
    ChooseVoteFileFolder(c_.settings, c_.ports.ui, c_.programFolder);
}

void RaceDesk::PluginFolderClick() {
    ChoosePluginFolder(c_.settings, c_.ports.ui, c_.programFolder);
}

void RaceDesk::N12Click() {
    TimeSeriesOdds& odds = *c_.timeSeries;
    if (auto folder = c_.ports.ui.ChooseFolder(odds.ChooserCaption(), odds.ChooserStart()))
        odds.Choose(*folder);
}

void RaceDesk::CopyIndexTableClick() {
    const RaceCardView& card = c_.session.Card();
    CopyIndexTable(card.StringGrid26,
                   {card.Header.Label1, card.Header.Label2, card.Header.Label3, card.Header.Label4},
                   c_.ports.clipboard);
}

}  // namespace kagiroi
