#pragma once

#include "daystore/RaceSlot.h"
#include "model/OrderChances.h"
#include "selection/BetTables.h"
#include "session/RaceCardView.h"
#include "session/RaceEdits.h"
#include "session/RaceSettings.h"
#include "stakes/FundAllocation.h"
#include "stakes/PopularityRates.h"

#include <vector>

namespace kagiroi {

// Which N-th favourite box a change is for.
enum class FavouriteBoxKind { Trio, Trifecta };

// One race of a loaded day analysed as the main window shows it: the race card (index table,
// marks, header, favourites, results page) and every bet table with its stakes, totals and
// hits. It reads no file and holds no window state; the window, the command line, the reports
// and the backtest build it alike. The race's records must outlive the session's use of them.
class RaceSession {
  public:
    explicit RaceSession(const PopularityRateTables& rates);

    // Analyses `race` as a click on it does: the card filled, the automatic marks (or the
    // user's kept `edits`), the net extracted and staked with `amount` yen.
    void Open(const RaceSlot& race, const RaceSettings& settings, int amount,
              const RaceEdits* edits = nullptr);
    // The user's marks, strikes and ticket sorts as they stand, for the next Open.
    RaceEdits Edits() const;
    // No race is analysed any more: the card keeps what it showed, the bet tables are emptied.
    void Close();
    // The race's records are gone (another day is loading): the card and tables stay as they
    // were until the next Open, and a change of the stakes works without the race.
    void Forget() { race_ = nullptr; }
    bool IsOpen() const { return race_ != nullptr; }
    const RaceSlot* Race() const { return race_; }

    const RaceCardView& Card() const { return card_; }
    const BetBoard& Bets() const { return bets_; }

    // The automatic marks (軸/相手) again, and the extraction of the net with its stakes.
    void AutoMark();
    void Extract();
    // A click on the mark grid; true when a mark changed (the net is then extracted again).
    bool ToggleMark(int col, int row);
    // A click on a ticket row: its strike mark flips (column 0) and the table is staked again.
    void Strike(BetType type, int col, int row);
    void PressTicketHeader(BetType type, int col, int row, TicketTab activeTab);
    // A press on the index table's header, and the index table sorted by the tickets' column.
    void SortIndexTable(int col);
    void SortIndexTableByTickets();
    void SetAmount(int amount);
    void SetMode(int allocationMode);
    // The extracted net staked afresh with another mode, Kelly fraction and amount, as an Open
    // with them would stake it (the net itself depends on none of them).
    void Restake(int allocationMode, double kellyFraction, int amount);
    // The N of an N-th favourite box, kept within its range; the rank it took.
    int SetFavouriteBox(FavouriteBoxKind box, int rank);
    // The analysis settings, shown in the N-th favourite boxes at once; the race on screen
    // keeps its figures until the next Open.
    void UseSettings(const RaceSettings& settings);

    // The race's chances from its odds under the settings' model; empty when no race is open.
    OrderChances Chances() const;
    StakeInputs Inputs() const;
    CellStyle TicketStyle(BetType type, int col, int row) const;
    std::string TicketTip(BetType type, int row) const;
    CellStyle IndexStyle(int col, int row) const;

  private:
    const std::string& PayoutRecord() const;
    void ApplyEdits(const RaceEdits& edits);

    const PopularityRateTables& rates_;
    const RaceSlot* race_ = nullptr;
    RaceSettings settings_;
    int amount_ = 0;
    RaceCardView card_;
    BetBoard bets_;
    SortDirections indexDirections_{kIndexTableSortFlags};
    std::array<TicketSort, 2> ticketSorts_;  // the trio table's, the trifecta table's
};

}  // namespace kagiroi
