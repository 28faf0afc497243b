#pragma once

#include "selection/BetTables.h"
#include "stakes/FundAllocation.h"
#include "stakes/PopularityRates.h"

#include <string>

namespace kagiroi {

// After the extraction of the net: stakes and hits of the trifecta table, then of the trio
// table.
void AllocateExtractedNet(BetBoard& board, const StakeInputs& inputs, const std::string& hrRecord);

// After a click on a ticket row of the table of `type` (ClickTicketRow returned true): the
// table's totals are emptied, then its stakes, popularity rates (none for 枠連) and hits are
// recomputed. `fieldSize` is the race's number of registered horses.
void RecomputeTicketTable(BetBoard& board, BetType type, const StakeInputs& inputs,
                          const std::string& hrRecord, int fieldSize,
                          const PopularityRateTables& rates);

// After a change of the allocation mode or of the amount: the 馬単, ３連複 and ３連単 tables are
// allocated again, then their hits marked. The trifecta table is included so that the stakes it
// shows, and sends to the voting plug-in, always follow the amount box.
void ReallocateAfterStakeChange(BetBoard& board, const StakeInputs& inputs,
                                const std::string& hrRecord);

// The status line of the stakes: the notes of the trio and trifecta tables, then a pool note
// once; empty when there is none.
std::string StakeStatusText(const BetBoard& board);

}  // namespace kagiroi
