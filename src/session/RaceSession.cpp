#include "session/RaceSession.h"

#include "analysis/Favourites.h"
#include "analysis/IndexTable.h"
#include "analysis/IndexTableSort.h"
#include "analysis/IndexTableStyle.h"
#include "analysis/RunnerIndices.h"
#include "analysis/StandardOddsTable.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "selection/AutoMarking.h"
#include "selection/MarkGrid.h"
#include "selection/NetExtraction.h"
#include "stakes/PoolDilution.h"
#include "stakes/StakeEvents.h"
#include "stakes/TicketChances.h"

#include <algorithm>

namespace kagiroi {

namespace {

const std::string kNoPayouts;

}  // namespace

RaceSession::RaceSession(const PopularityRateTables& rates) : rates_(rates) {
    SetUpIndexTable(card_.StringGrid26);
    SetUpMarkGrid(card_.StringGrid7);
}

void RaceSession::Open(const RaceSlot& race, const RaceSettings& settings, int amount,
                       const RaceEdits* edits) {
    race_ = &race;
    settings_ = settings;
    amount_ = amount;
    PrepareRaceGrids(card_.StringGrid26, card_.StringGrid7, RegisteredRunners(race));
    card_.Marks = ComputeRaceMarks(race, settings.thresholds);
    card_.Header = BuildRaceHeader(race.RaceInfo);
    card_.SpinEdit1 = settings.trioFavourite;
    card_.SpinEdit2 = settings.trifectaFavourite;
    card_.Favourites = ShowFavourites(race, card_.SpinEdit1, card_.SpinEdit2);
    card_.ResultsPage = ResultsPageTexts(race.Paid);
    FillIndexTable(card_.StringGrid26, card_.StringGrid7, race);
    SortIndexTableInitially(card_.StringGrid26);
    if (edits != nullptr) {
        ApplyEdits(*edits);
        return;
    }
    AutoMark();
    Extract();
}

namespace {
size_t SortIndex(BetType type) {
    return type == BetType::Trio ? 0 : 1;
}
}  // namespace

RaceEdits RaceSession::Edits() const {
    RaceEdits edits;
    int n = race_ != nullptr ? RegisteredRunners(*race_) : 0;
    edits.axis = MarkedHorses(card_.StringGrid7, markcol::kAxis, n);
    edits.partners = MarkedHorses(card_.StringGrid7, markcol::kPartner, n);
    for (BetType type : {BetType::Trio, BetType::Trifecta})
        edits.Struck(type) = StruckCombinations(bets_.Table(type));
    edits.sortColumn = bets_.sortColumn;
    edits.trioDirections = bets_.trioDirections;
    edits.trifectaDirections = bets_.trifectaDirections;
    edits.sorted = ticketSorts_;
    return edits;
}

// The user's marks, then the net from them as an extraction makes it, the strikes as clicks
// make them, and the sorts last: the stakes do not depend on the order of the rows.
void RaceSession::ApplyEdits(const RaceEdits& edits) {
    for (int horse : edits.axis)
        card_.StringGrid7.SetCell(markcol::kAxis, horse, kMark);
    for (int horse : edits.partners)
        card_.StringGrid7.SetCell(markcol::kPartner, horse, kMark);
    Extract();
    for (BetType type : {BetType::Trio, BetType::Trifecta})
        if (StrikeCombinations(bets_.Table(type), edits.Struck(type)))
            RecomputeTicketTable(bets_, type, Inputs(), PayoutRecord(), RegisteredRunners(*race_),
                                 rates_);
    bets_.sortColumn = edits.sortColumn;
    bets_.trioDirections = edits.trioDirections;
    bets_.trifectaDirections = edits.trifectaDirections;
    ticketSorts_ = edits.sorted;
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const TicketSort& sort = ticketSorts_[SortIndex(type)];
        if (sort.column > 0) SortTicketRows(bets_.Table(type), sort.column, sort.descending);
    }
}

void RaceSession::UseSettings(const RaceSettings& settings) {
    settings_ = settings;
    card_.SpinEdit1 = settings.trioFavourite;
    card_.SpinEdit2 = settings.trifectaFavourite;
}

void RaceSession::Close() {
    race_ = nullptr;
    bets_.Clear();
}

const std::string& RaceSession::PayoutRecord() const {
    return race_ != nullptr ? race_->HrCopy : kNoPayouts;
}

void RaceSession::AutoMark() {
    if (race_ != nullptr) MarkAxisAndPartners(*race_, StandardOddsTable, card_.StringGrid7);
}

void RaceSession::Extract() {
    if (race_ == nullptr) return;
    ExtractNet(*race_, card_.StringGrid7, bets_, indexDirections_);
    ticketSorts_ = {};
    AllocateExtractedNet(bets_, Inputs(), PayoutRecord());
}

bool RaceSession::ToggleMark(int col, int row) {
    if (race_ == nullptr || !kagiroi::ToggleMark(card_.StringGrid7, col, row)) return false;
    Extract();
    return true;
}

void RaceSession::Strike(BetType type, int col, int row) {
    if (race_ == nullptr || !ClickTicketRow(bets_.Table(type), col, row)) return;
    RecomputeTicketTable(bets_, type, Inputs(), PayoutRecord(), RegisteredRunners(*race_), rates_);
}

void RaceSession::PressTicketHeader(BetType type, int col, int row, TicketTab activeTab) {
    if (!kagiroi::PressTicketHeader(bets_, type, col, row, activeTab)) return;
    BetType shown = BetTypeOfTab(activeTab);
    ticketSorts_[SortIndex(shown)] = {col, bets_.Directions(shown).IsDescending(col)};
}

void RaceSession::SortIndexTable(int col) {
    IndexTableMouseDown(card_.StringGrid26, indexDirections_, col);
}

void RaceSession::SortIndexTableByTickets() {
    SortIndexTableByShared(card_.StringGrid26, indexDirections_, bets_.sortColumn);
}

void RaceSession::SetAmount(int amount) {
    amount_ = amount;
    ReallocateAfterStakeChange(bets_, Inputs(), PayoutRecord());
}

void RaceSession::SetMode(int allocationMode) {
    settings_.allocationMode = allocationMode;
    ReallocateAfterStakeChange(bets_, Inputs(), PayoutRecord());
}

void RaceSession::Restake(int allocationMode, double kellyFraction, int amount) {
    settings_.allocationMode = allocationMode;
    settings_.kellyFraction = kellyFraction;
    amount_ = amount;
    if (race_ != nullptr) AllocateExtractedNet(bets_, Inputs(), PayoutRecord());
}

int RaceSession::SetFavouriteBox(FavouriteBoxKind box, int rank) {
    bool trio = box == FavouriteBoxKind::Trio;
    const IntSetting& range = trio ? setting::kTrioFavourite : setting::kTrifectaFavourite;
    int& shown = trio ? card_.SpinEdit1 : card_.SpinEdit2;
    int& kept = trio ? settings_.trioFavourite : settings_.trifectaFavourite;
    shown = kept = std::clamp(rank, range.minimum, range.maximum);
    std::string& label = trio ? card_.Favourites.SRF100NinLabel : card_.Favourites.SRT100NinLabel;
    auto text = trio ? TrioFavouriteText : TrifectaFavouriteText;
    label = race_ != nullptr ? text(race_->Odds, shown) : "";
    return shown;
}

OrderChances RaceSession::Chances() const {
    return race_ != nullptr ? RaceChances(*race_, settings_.model) : OrderChances{};
}

StakeInputs RaceSession::Inputs() const {
    StakeInputs inputs;
    inputs.mode = AllocationModeFromIndex(settings_.allocationMode);
    inputs.amount = amount_;
    inputs.chances = Chances();
    inputs.kellyFraction = settings_.kellyFraction;
    inputs.bankroll = settings_.bankroll;
    if (race_ != nullptr) {
        inputs.trioPool = PoolOf(BetType::Trio, *race_);
        inputs.trifectaPool = PoolOf(BetType::Trifecta, *race_);
    }
    return inputs;
}

CellStyle RaceSession::TicketStyle(BetType type, int col, int row) const {
    const TextGrid& table = bets_.Table(type);
    CellStyle style = TicketCellStyle(table, col, row, WinningCombinations(type, PayoutRecord()),
                                      ToInt64(bets_.Totals(type).stake.text));
    return WithOverlayColour(style, type, table, col, row, Chances());
}

std::string RaceSession::TicketTip(BetType type, int row) const {
    return TicketValueTip(type, bets_.Table(type), row, Chances());
}

CellStyle RaceSession::IndexStyle(int col, int row) const {
    return IndexTableCellStyle(card_.StringGrid26, card_.StringGrid7, col, row);
}

}  // namespace kagiroi
