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

void TMainForm::ImportDayOdds() {
    oddsFiles_.SetDay(book_->paths);
    store_.Flush();
    // One message for the whole day, however many races the bad files hold.
    std::vector<std::string> unreadable;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (auto& path : ImportTargetOdds(slot))
            unreadable.push_back(std::move(path));
    }
    TellUnreadableOdds(unreadable);
}

std::vector<std::string> TMainForm::ImportTargetOdds(int target) {
    RaceSlot& slot = (*book_)[target];
    std::vector<std::string> unreadable;
    LogAll(ImportOdds(slot, oddsFiles_, &unreadable));
    // Cancelled runners take no mining rank: new odds can change who they are.
    ComputeMiningBlock(slot);
    std::vector<std::string> fresh;
    for (auto& path : unreadable) {
        auto& told = unreadableOddsFiles_;
        if (std::find(told.begin(), told.end(), path) != told.end()) continue;
        told.push_back(path);
        fresh.push_back(std::move(path));
    }
    return fresh;
}

void TMainForm::TellUnreadableOdds(const std::vector<std::string>& files) {
    if (files.empty()) return;
    ports_.ui.Beep();
    ports_.ui.ShowMessage(UnreadableOddsMessage(files));
}

void TMainForm::ImportDayMining() {
    DMReadBtnClick();
}
void TMainForm::ParseDayPayouts() {
    CalcBtnClick();
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
        betting_.Bets.Clear();
        if (!replaying_) ports_.ui.ShowMessage(*message);
        NotifyChanged();
        return;
    }
    shownRace_ = item;
    PrepareRaceGrids(raceCard_.StringGrid26, raceCard_.StringGrid7, RegisteredRunners(slot));
    raceCard_.ResultsPage = ResultsPageTexts(Payouts{});

    std::array<std::string, 6> thresholds;
    for (size_t i = 0; i < thresholds.size(); ++i) {
        thresholds[i] = ReadTextSetting(settings_, kStrengthSettings[i]);
    }
    raceCard_.Marks = ComputeRaceMarks(slot, StrengthThresholdsFromTexts(thresholds));
    raceCard_.Header = BuildRaceHeader(slot.RaceInfo);
    raceCard_.Favourites = ShowFavourites(slot, raceCard_.SpinEdit1, raceCard_.SpinEdit2);
    WriteIntSetting(settings_, setting::kTrioFavourite, raceCard_.SpinEdit1);
    WriteIntSetting(settings_, setting::kTrifectaFavourite, raceCard_.SpinEdit2);
    raceCard_.ResultsPage = ResultsPageTexts(slot.Paid);

    FillIndexTable(raceCard_.StringGrid26, raceCard_.StringGrid7, slot);
    SortIndexTableInitially(raceCard_.StringGrid26);

    betting_.SaNumEditExC1 = Format("%d", AmountOfRace(slot));
    progression_->RaceSelected(lossReg_->CumulativeLoss());

    UTSFBtnClick();
    KaimeMakeBtnClick();
    status_.RacePagesVisible = true;
    NotifyChanged();
}

void TMainForm::UTSFBtnClick() {
    if (!RaceOnScreen()) return;
    MarkAxisAndPartners(Selected(), StandardOddsTable, raceCard_.StringGrid7);
}

StakeInputs TMainForm::CurrentStakeInputs() const {
    StakeInputs inputs;
    inputs.mode = AllocationModeFromIndex(betting_.RadioGroup1);
    inputs.amount = AmountFromBox(betting_.SaNumEditExC1);
    inputs.winChances = SelectedWinChances();
    inputs.kellyFraction = ReadIntSetting(settings_, setting::kKellyPercent) / 100.0;
    return inputs;
}

std::vector<double> TMainForm::SelectedWinChances() const {
    return RaceOnScreen() ? WinChances(Selected(), rates_) : std::vector<double>{};
}

void TMainForm::KaimeMakeBtnClick() {
    if (!RaceOnScreen()) return;
    ExtractNet(Selected(), raceCard_.StringGrid7, betting_.Bets, indexDirections_);
    AllocateExtractedNet(betting_.Bets, CurrentStakeInputs(), Selected().HrCopy);
}

// An N-th favourite box: its value in the race card, its label, its range and settings key.
struct TMainForm::FavouriteBox {
    int RaceCardView::*rank;
    std::string FavouriteTexts::*label;
    std::string (*text)(const OddsBook&, int);
    const IntSetting& setting;  // its range is the box's range
};

void TMainForm::FavouriteBoxChange(const FavouriteBox& box, int value) {
    int& rank = raceCard_.*box.rank;
    rank = std::clamp(value, box.setting.minimum, box.setting.maximum);
    raceCard_.Favourites.*box.label = RaceOnScreen() ? box.text(Selected().Odds, rank) : "";
    WriteIntSetting(settings_, box.setting, rank);
}

void TMainForm::SpinEdit1Change(int value) {
    FavouriteBoxChange({&RaceCardView::SpinEdit1, &FavouriteTexts::SRF100NinLabel,
                        TrioFavouriteText, setting::kTrioFavourite},
                       value);
}

void TMainForm::SpinEdit2Change(int value) {
    FavouriteBoxChange({&RaceCardView::SpinEdit2, &FavouriteTexts::SRT100NinLabel,
                        TrifectaFavouriteText, setting::kTrifectaFavourite},
                       value);
}

void TMainForm::StringGrid26MouseDown(int col, int) {
    IndexTableMouseDown(raceCard_.StringGrid26, indexDirections_, col);
}

CursorShape TMainForm::StringGrid26Cursor(int col, int) const {
    return IndexTableCursor(col);
}

CellStyle TMainForm::StringGrid26Style(int col, int row) const {
    return IndexTableCellStyle(raceCard_.StringGrid26, raceCard_.StringGrid7, col, row);
}

void TMainForm::StringGrid7MouseDown(int col, int row) {
    if (RaceOnScreen() && ToggleMark(raceCard_.StringGrid7, col, row)) KaimeMakeBtnClick();
}

CursorShape TMainForm::StringGrid7Cursor(int col, int row) const {
    return MarkGridCursor(raceCard_.StringGrid7, col, row);
}

CellStyle TMainForm::StringGrid7Style(int col, int row) const {
    return MarkGridCellStyle(raceCard_.StringGrid7, col, row);
}

}  // namespace kagiroi
