#include "app/RaceDesk.h"

#include "analysis/IndexTableSort.h"
#include "analysis/RaceHeader.h"
#include "app/FetchSchedule.h"
#include "app/OddsPendingText.h"
#include "odds/TimeSeriesOdds.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "selection/MarkGrid.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

void RaceDesk::DatListClick(int item) {
    if (item < 0 || item >= kSlotCount) return;
    c_.dayList.SelectedRace = item;
    RaceSlot& slot = c_.Selected();
    if (auto message = InsufficientDataMessage(slot)) {
        // The screen keeps the earlier race but the selection names this one: empty tables
        // leave nothing to vote, strike or restake until a race with data is chosen.
        c_.shownRace = -1;
        c_.session.Close();
        c_.ports.ui.ShowMessage(*message);
        c_.NotifyChanged();
        return;
    }
    c_.shownRace = item;
    c_.betting.SaNumEditExC1 = Format("%d", AmountOfRace(slot));
    c_.progression->RaceSelected(c_.lossReg->CumulativeLoss());
    const auto& kept = kept_[static_cast<size_t>(item)];
    c_.session.Open(slot, c_.FreshRaceSettings(), AmountOfRace(slot), kept ? &*kept : nullptr);
    NoteShownHit();
    c_.status.RacePagesVisible = true;
    c_.NotifyChanged();
}

void RaceDesk::AutoMarkAgainClick() {
    if (!c_.RaceOnScreen()) return;
    kept_[static_cast<size_t>(c_.SelectedRace())].reset();
    DatListClick(c_.SelectedRace());
}

void RaceDesk::ForgetEdits() {
    kept_ = {};
    hits_ = {};
}

void RaceDesk::KeepEdits() {
    if (!c_.RaceOnScreen()) return;
    kept_[static_cast<size_t>(c_.SelectedRace())] = c_.session.Edits();
    NoteShownHit();
}

void RaceDesk::NoteShownHit() {
    if (c_.RaceOnScreen())
        hits_[static_cast<size_t>(c_.SelectedRace())] = NetHit(c_.session.Bets());
}

void RaceDesk::RaceDataChanged(int slot) {
    if (slot >= 0 && slot < kSlotCount)
        hits_[static_cast<size_t>(slot)].reset();
    else
        hits_ = {};
}

bool RaceDesk::RaceHit(int slot) {
    auto& hit = hits_[static_cast<size_t>(slot)];
    if (hit) return *hit;
    if (c_.RaceOnScreen() && slot == c_.SelectedRace()) return *(hit = NetHit(c_.session.Bets()));
    // Another race's net is made as a click on it would make it, without touching the screen.
    const RaceSlot& race = (*c_.book)[slot];
    if (InsufficientDataMessage(race)) return *(hit = false);
    RaceSession scratch(c_.rates);
    const auto& kept = kept_[static_cast<size_t>(slot)];
    scratch.Open(race, c_.FreshRaceSettings(), AmountOfRace(race), kept ? &*kept : nullptr);
    return *(hit = NetHit(scratch.Bets()));
}

std::vector<RaceListRow> RaceDesk::RaceListRows() {
    std::vector<RaceListRow> rows;
    DateTime now = c_.ports.clock.Now();
    const auto& texts = c_.dayList.RaceList;
    for (size_t i = 0; i < texts.size() && i < kSlotCount; ++i) {
        const RaceSlot& race = (*c_.book)[static_cast<int>(i)];
        bool hit = HasResults(race) && RaceHit(static_cast<int>(i));
        RaceListStatus status = StatusOfRace(race, now, hit);
        rows.push_back({RaceListLine(texts[i], status), RaceListStyle(status)});
    }
    return rows;
}

std::string RaceDesk::OddsPendingText() const {
    if (!c_.RaceOnScreen()) return {};
    bool autoFetchOn = c_.timers.AutoOddsTimer.enabled && c_.IsToday(c_.dayList.DateText);
    return kagiroi::OddsPendingText(c_.Selected(), autoFetchOn,
                                    FormatDateTime(c_.ports.clock.Now(), "hhnn"));
}

void RaceDesk::ShowSelectedRaceAgain() {
    if (c_.HasSelectedRace()) DatListClick(c_.SelectedRace());
}

void RaceDesk::UTSFBtnClick() {
    if (c_.RaceOnScreen()) c_.session.AutoMark();
}

OrderChances RaceDesk::SelectedChances() const {
    return c_.RaceOnScreen() ? c_.session.Chances() : OrderChances{};
}

OddsMovement RaceDesk::SelectedOddsMovement() const {
    if (!c_.RaceOnScreen()) return {};
    return c_.timeSeries->Movement(c_.Selected());
}

void RaceDesk::KaimeMakeBtnClick() {
    if (c_.RaceOnScreen()) c_.session.Extract();
}

void RaceDesk::FavouriteBoxChange(FavouriteBoxKind box, int value) {
    const IntSetting& setting =
        box == FavouriteBoxKind::Trio ? setting::kTrioFavourite : setting::kTrifectaFavourite;
    int& kept = box == FavouriteBoxKind::Trio ? c_.raceSettings.trioFavourite
                                              : c_.raceSettings.trifectaFavourite;
    kept = c_.session.SetFavouriteBox(box, value);
    WriteIntSetting(c_.settings, setting, kept);
}

void RaceDesk::SpinEdit1Change(int value) {
    FavouriteBoxChange(FavouriteBoxKind::Trio, value);
}

void RaceDesk::SpinEdit2Change(int value) {
    FavouriteBoxChange(FavouriteBoxKind::Trifecta, value);
}

void RaceDesk::StringGrid26MouseDown(int col, int) {
    c_.session.SortIndexTable(col);
}

CursorShape RaceDesk::StringGrid26Cursor(int col, int) const {
    return IndexTableCursor(col);
}

CellStyle RaceDesk::StringGrid26Style(int col, int row) const {
    return c_.session.IndexStyle(col, row);
}

void RaceDesk::StringGrid7MouseDown(int col, int row) {
    if (c_.RaceOnScreen() && c_.session.ToggleMark(col, row)) KeepEdits();
}

CursorShape RaceDesk::StringGrid7Cursor(int col, int row) const {
    return MarkGridCursor(c_.session.Card().StringGrid7, col, row);
}

CellStyle RaceDesk::StringGrid7Style(int col, int row) const {
    return MarkGridCellStyle(c_.session.Card().StringGrid7, col, row);
}

void RaceDesk::RaceMoyoSaveClick() {
    raceMoyo_.BitBtn1Click(c_.settings);
}

}  // namespace kagiroi
