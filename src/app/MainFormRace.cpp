#include "analysis/IndexTable.h"
#include "analysis/IndexTableSort.h"
#include "analysis/IndexTableStyle.h"
#include "analysis/PayoutImport.h"
#include "analysis/RunnerIndices.h"
#include "analysis/StandardOddsTable.h"
#include "app/TMainForm.h"
#include "odds/MiningImport.h"
#include "odds/OddsImport.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "selection/AutoMarking.h"
#include "selection/MarkGrid.h"
#include "selection/NetExtraction.h"
#include "stakes/RaceAmounts.h"

#include <algorithm>

namespace kagiroi {

void TMainForm::LogAll(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        errorLog_.Append(line);
}

std::vector<std::string> TMainForm::ImportTargetOdds(int target) {
    DayLoadProblems problems;
    ReadRaceOdds((*book_)[target], oddsFiles_, problems);
    LogAll(problems.logLines);
    return NotToldYet(problems.unreadableOddsFiles);
}

std::vector<std::string> TMainForm::NotToldYet(const std::vector<std::string>& unreadable) {
    std::vector<std::string> fresh;
    for (const auto& path : unreadable) {
        auto& told = unreadableOddsFiles_;
        if (std::find(told.begin(), told.end(), path) != told.end()) continue;
        told.push_back(path);
        fresh.push_back(path);
    }
    return fresh;
}

void TMainForm::TellUnreadableOdds(const std::vector<std::string>& files) {
    if (files.empty()) return;
    ports_.ui.Beep();
    ports_.ui.ShowMessage(UnreadableOddsMessage(files));
}

void TMainForm::OzReadBtnClick(int slot) {
    if (slot < 0 || slot >= kSlotCount) return;
    FlushStore();
    TellUnreadableOdds(ImportTargetOdds(slot));
}

void TMainForm::HrReadBtnClick() {
    FlushStore();
    PayoutImportResult result = ImportPayouts(*book_, HasSelectedRace() ? SelectedRace() : -1);
    LogAll(result.problems);
    if (result.refreshSelectedRace && HasSelectedRace()) DatListClick(SelectedRace());
}

void TMainForm::DMReadBtnClick() {
    FlushStore();
    LogAll(ImportMining(*book_));
}

void TMainForm::CalcBtnClick() {
    ParseAllPayouts(*book_);
}

void TMainForm::DatListClick(int item) {
    if (item < 0 || item >= kSlotCount) return;
    dayList_.SelectedRace = item;
    RaceSlot& slot = Selected();
    if (auto message = InsufficientDataMessage(slot)) {
        // The screen keeps the earlier race but the selection names this one: empty tables
        // leave nothing to vote, strike or restake until a race with data is chosen.
        shownRace_ = -1;
        session_.Close();
        ports_.ui.ShowMessage(*message);
        NotifyChanged();
        return;
    }
    shownRace_ = item;
    betting_.SaNumEditExC1 = Format("%d", AmountOfRace(slot));
    progression_->RaceSelected(lossReg_->CumulativeLoss());
    session_.Open(slot, FreshRaceSettings(), AmountOfRace(slot));
    status_.RacePagesVisible = true;
    NotifyChanged();
}

const RaceSettings& TMainForm::FreshRaceSettings() {
    // One look at the file's stamp instead of a read of every key: a click reads no file
    // unless another program or a dialog changed the settings.
    std::optional<FileStamp> stamp = StampOf(settings_.Path());
    if (!raceSettingsStamp_ || *raceSettingsStamp_ != stamp) {
        raceSettings_ = ReadRaceSettings(settings_);
        raceSettingsStamp_ = stamp;
    }
    // The window's own choice of mode is what the radio group shows.
    raceSettings_.allocationMode = betting_.RadioGroup1;
    return raceSettings_;
}

void TMainForm::UTSFBtnClick() {
    if (RaceOnScreen()) session_.AutoMark();
}

std::vector<double> TMainForm::SelectedWinChances() const {
    return RaceOnScreen() ? session_.WinChances() : std::vector<double>{};
}

void TMainForm::KaimeMakeBtnClick() {
    if (RaceOnScreen()) session_.Extract();
}

void TMainForm::FavouriteBoxChange(FavouriteBoxKind box, int value) {
    const IntSetting& setting =
        box == FavouriteBoxKind::Trio ? setting::kTrioFavourite : setting::kTrifectaFavourite;
    int& kept = box == FavouriteBoxKind::Trio ? raceSettings_.trioFavourite
                                              : raceSettings_.trifectaFavourite;
    kept = session_.SetFavouriteBox(box, value);
    WriteIntSetting(settings_, setting, kept);
}

void TMainForm::SpinEdit1Change(int value) {
    FavouriteBoxChange(FavouriteBoxKind::Trio, value);
}

void TMainForm::SpinEdit2Change(int value) {
    FavouriteBoxChange(FavouriteBoxKind::Trifecta, value);
}

void TMainForm::StringGrid26MouseDown(int col, int) {
    session_.SortIndexTable(col);
}

CursorShape TMainForm::StringGrid26Cursor(int col, int) const {
    return IndexTableCursor(col);
}

CellStyle TMainForm::StringGrid26Style(int col, int row) const {
    return session_.IndexStyle(col, row);
}

void TMainForm::StringGrid7MouseDown(int col, int row) {
    if (RaceOnScreen()) session_.ToggleMark(col, row);
}

CursorShape TMainForm::StringGrid7Cursor(int col, int row) const {
    return MarkGridCursor(RaceCard().StringGrid7, col, row);
}

CellStyle TMainForm::StringGrid7Style(int col, int row) const {
    return MarkGridCellStyle(RaceCard().StringGrid7, col, row);
}

}  // namespace kagiroi
