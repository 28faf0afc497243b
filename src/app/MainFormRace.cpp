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
        OddsTargetRace = slot;
        for (auto& path : ImportTargetOdds())
            unreadable.push_back(std::move(path));
    }
    TellUnreadableOdds(unreadable);
}

std::vector<std::string> TMainForm::ImportTargetOdds() {
    RaceSlot& slot = Book()[OddsTargetRace];
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

void TMainForm::OzReadBtnClick() {
    if (OddsTargetRace < 0 || OddsTargetRace >= kSlotCount) return;
    FlushStore();
    TellUnreadableOdds(ImportTargetOdds());
}

void TMainForm::HrReadBtnClick() {
    FlushStore();
    PayoutImportResult result = ImportPayouts(*book_, RaceListIndex >= 0 ? SelectedRace : -1);
    LogAll(result.problems);
    if (result.refreshSelectedRace && RaceListIndex >= 0) DatListClick(SelectedRace);
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
    RaceListIndex = item;
    SelectedRace = item;
    RaceSlot& slot = Selected();
    if (auto message = InsufficientDataMessage(slot)) {
        // The screen keeps the earlier race but SelectedRace names this one: empty tables
        // leave nothing to vote, strike or restake until a race with data is chosen.
        shownRace_ = -1;
        Bets.Clear();
        ports_.ui.ShowMessage(*message);
        NotifyChanged();
        return;
    }
    shownRace_ = item;
    PrepareRaceGrids(StringGrid26, StringGrid7, RegisteredRunners(slot));
    ResultsPage = ResultsPageTexts(Payouts{});

    std::array<std::string, 6> thresholds;
    for (size_t i = 0; i < thresholds.size(); ++i) {
        thresholds[i] = ReadTextSetting(settings_, kStrengthSettings[i]);
    }
    Marks = ComputeRaceMarks(slot, StrengthThresholdsFromTexts(thresholds));
    Header = BuildRaceHeader(slot.RaceInfo);
    Favourites = ShowFavourites(slot, SpinEdit1, SpinEdit2);
    WriteIntSetting(settings_, setting::kTrioFavourite, SpinEdit1);
    WriteIntSetting(settings_, setting::kTrifectaFavourite, SpinEdit2);
    ResultsPage = ResultsPageTexts(slot.Paid);

    FillIndexTable(StringGrid26, StringGrid7, slot);
    SortIndexTableInitially(StringGrid26);

    SaNumEditExC1 = Format("%d", AmountOfRace(slot));
    SaNumEditExC2 = Format("%d", ReadIntSetting(settings_, setting::kTargetProfit));
    SaNumEditExC3 = Format("%lld", static_cast<long long>(ToInt64(ledger_.CumulativeLossText())));

    UTSFBtnClick();
    KaimeMakeBtnClick();
    RacePagesVisible = true;
    NotifyChanged();
}

void TMainForm::UTSFBtnClick() {
    if (!RaceOnScreen()) return;
    MarkAxisAndPartners(Selected(), StandardOddsTable, StringGrid7);
}

StakeInputs TMainForm::CurrentStakeInputs() const {
    return {AllocationModeFromIndex(RadioGroup1), AmountFromBox(SaNumEditExC1)};
}

void TMainForm::KaimeMakeBtnClick() {
    if (!RaceOnScreen()) return;
    ExtractNet(Selected(), StringGrid7, Bets, IndexDirections);
    AllocateExtractedNet(Bets, CurrentStakeInputs(), Selected().HrCopy);
}

void TMainForm::SpinEdit1Change(int value) {
    SpinEdit1 = std::clamp(value, 1, kTrioCount);
    Favourites.SRF100NinLabel.clear();
    if (RaceOnScreen()) Favourites.SRF100NinLabel = TrioFavouriteText(Selected().Odds, SpinEdit1);
    WriteIntSetting(settings_, setting::kTrioFavourite, SpinEdit1);
}

void TMainForm::SpinEdit2Change(int value) {
    SpinEdit2 = std::clamp(value, 1, kTrifectaCount);
    Favourites.SRT100NinLabel.clear();
    if (RaceOnScreen())
        Favourites.SRT100NinLabel = TrifectaFavouriteText(Selected().Odds, SpinEdit2);
    WriteIntSetting(settings_, setting::kTrifectaFavourite, SpinEdit2);
}

void TMainForm::StringGrid26MouseDown(int col, int) {
    IndexTableMouseDown(StringGrid26, IndexDirections, col);
}

CursorShape TMainForm::StringGrid26Cursor(int col, int) const {
    return IndexTableCursor(col);
}

CellStyle TMainForm::StringGrid26Style(int col, int row) const {
    return IndexTableCellStyle(StringGrid26, StringGrid7, col, row);
}

void TMainForm::StringGrid7MouseDown(int col, int row) {
    if (RaceOnScreen() && ToggleMark(StringGrid7, col, row)) KaimeMakeBtnClick();
}

CursorShape TMainForm::StringGrid7Cursor(int col, int row) const {
    return MarkGridCursor(StringGrid7, col, row);
}

CellStyle TMainForm::StringGrid7Style(int col, int row) const {
    return MarkGridCellStyle(StringGrid7, col, row);
}

}  // namespace kagiroi
