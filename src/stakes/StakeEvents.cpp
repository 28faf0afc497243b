#include "stakes/StakeEvents.h"

namespace kagiroi {

namespace {

void Allocate(BetBoard& board, BetType type, const StakeInputs& inputs) {
    AllocateStakes(type, inputs, board.Table(type), board.Totals(type));
}

void Mark(BetBoard& board, BetType type, const std::string& hrRecord) {
    MarkHits(type, hrRecord, board.Table(type), board.Totals(type));
}

}  // namespace

void AllocateExtractedNet(BetBoard& board, const StakeInputs& inputs, const std::string& hrRecord) {
    for (BetType type : {BetType::Trifecta, BetType::Trio}) {
        Allocate(board, type, inputs);
        Mark(board, type, hrRecord);
    }
}

void RecomputeTicketTable(BetBoard& board, BetType type, const StakeInputs& inputs,
                          const std::string& hrRecord, int fieldSize,
                          const PopularityRateTables& rates) {
    board.Totals(type).Clear();
    Allocate(board, type, inputs);
    if (type != BetType::BracketQuinella)
        FillPopularityRates(type, board.Table(type), fieldSize, rates);
    Mark(board, type, hrRecord);
}

void ReallocateAfterStakeChange(BetBoard& board, const StakeInputs& inputs,
                                const std::string& hrRecord) {
    constexpr BetType kTables[] = {BetType::Exacta, BetType::Trio, BetType::Trifecta};
    for (BetType type : kTables)
        Allocate(board, type, inputs);
    for (BetType type : kTables)
        Mark(board, type, hrRecord);
}

std::string StakeStatusText(const BetBoard& board) {
    std::string text, poolNote;
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const BetTotals& totals = board.Totals(type);
        if (poolNote.empty()) poolNote = totals.poolNote;
        if (totals.note.empty()) continue;
        if (!text.empty()) text += "　";
        text += totals.note;
    }
    // Both pools lack their size together: said once.
    if (!poolNote.empty()) text += (text.empty() ? "" : "　") + poolNote;
    return text;
}

}  // namespace kagiroi
