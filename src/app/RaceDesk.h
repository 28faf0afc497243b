#pragma once

#include "app/MainFormContext.h"
#include "app/RaceListStatus.h"
#include "model/OrderChances.h"
#include "odds/OddsMovement.h"
#include "records/VoteJournal.h"
#include "selection/RacePatternSettings.h"
#include "stakes/PluginCsv.h"
#include "stakes/VoteFile.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The selected race's desk: its choice from the race list, the marks, the nets and their
// grids, the amount and mode, the vote commands and files, and the race-pattern dialog. The
// tables are the context's race session.
class RaceDesk {
  public:
    explicit RaceDesk(MainFormContext& context) : c_(context) {}

    // A click on race list item `item`.
    void DatListClick(int item);
    // The selected race opened again, as after new data for it.
    void ShowSelectedRaceAgain();

    void UTSFBtnClick();  // automatic marks
    // 自動印に戻す: the race's kept edits go and it is marked automatically again.
    void AutoMarkAgainClick();
    // The day is loaded (again) or gone: every race's kept edits go with it.
    void ForgetEdits();
    // New data for a race (every race for -1): whether its net hit is worked out again.
    void RaceDataChanged(int slot);
    // The race list's lines with their styles.
    std::vector<RaceListRow> RaceListRows();
    // What the place of the net says while the race on screen has no odds; empty otherwise.
    std::string OddsPendingText() const;
    void KaimeMakeBtnClick();  // extraction of the net, stakes and hits
    void SpinEdit1Change(int value);
    void SpinEdit2Change(int value);
    void StringGrid26MouseDown(int col, int row);
    CursorShape StringGrid26Cursor(int col, int row) const;
    CellStyle StringGrid26Style(int col, int row) const;
    void StringGrid7MouseDown(int col, int row);
    CursorShape StringGrid7Cursor(int col, int row) const;
    CellStyle StringGrid7Style(int col, int row) const;
    // A click on a ticket row, and a press on a ticket table's header.
    void TicketTableClick(BetType type, int col, int row);
    void TicketHeaderPress(BetType type, int col, int row);
    void PageControl2Change(TicketTab tab);  // the ticket tab shown
    CursorShape TicketTableCursor(BetType type, int col, int row) const;
    CellStyle TicketTableStyle(BetType type, int col, int row) const;
    std::string TicketTableTip(BetType type, int col, int row) const;
    void SortBtnClick();
    void RadioGroup1Click(int index);                   // 資金配分
    void SaNumEditExC1Change(const std::string& text);  // 入力投票金額
    // A change of the amount box or of a progression box: the race's amount is stored and the
    // tables allocated again.
    void AmountChanged();

    VoteOutcome TohyoCSVBtnClick();  // Hibari2投票
    void PluginFolderClick();        // Hibari投票プラグイン２フォルダ指定
    // 投票ﾌｧｲﾙ: the vote file of the table on the ticket tab shown.
    VoteFileOutcome TohyoFileBtnClick();
    // An item of 投票ファイル: the vote file of the type's table.
    VoteFileOutcome VoteFileMenuClick(BetType type);
    // Where the vote file of the selected race goes; empty when no race with a date is shown.
    std::string VoteFilePath() const;
    void KaimeFolderClick();     // 買い目ﾌｫﾙﾀﾞ指定
    void N12Click();             // 時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定
    void CopyIndexTableClick();  // ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ

    // The win odds of the race on screen over its day's announcements (empty when none is).
    OddsMovement SelectedOddsMovement() const;
    // The chances of the race on screen under the model (empty when no race is on screen or it
    // has no win odds).
    OrderChances SelectedChances() const;
    RacePatternForm& RaceMoyoForm() { return raceMoyo_; }
    void RaceMoyoSaveClick();  // 保存 of the race pattern dialog

  private:
    // After a user's change of the race on screen: its edits are kept for its next showing.
    void KeepEdits();
    // Whether the net shown for the race on screen hit, noted for the race list.
    void NoteShownHit();
    bool RaceHit(int slot);
    void FavouriteBoxChange(FavouriteBoxKind box, int value);
    // The day and race the ticket tables are for, as the vote commands hand them over.
    TicketSource CurrentTicketSource() const;
    // Adds what the type's table sent to the vote record.
    void RecordVote(BetType type, VoteRoute route);

    MainFormContext& c_;
    RacePatternForm raceMoyo_;
    std::array<std::optional<RaceEdits>, kSlotCount> kept_;
    std::array<std::optional<bool>, kSlotCount> hits_;
};

}  // namespace kagiroi
