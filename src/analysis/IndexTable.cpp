#include "analysis/IndexTable.h"

#include "analysis/MarkGridColumns.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

// Runner record fields of the table.
// Axis and partner grid columns reset by the fill.

const char* const kFullWidthBlank = "　";
const std::string kFiveSpaces(5, ' ');

std::string OddsText(double odds) {
    return odds > 0 ? Format("%5.1f", odds) : kFiveSpaces;
}

std::string RankText(int rank, const std::string& none = kFullWidthBlank) {
    return rank >= 1 ? Format("%2d", rank) : none;
}

// 11234 shows as "1.12.34"; no prediction shows nothing.
std::string MiningText(int time) {
    if (time <= 0) return {};
    std::string digits = Format("%05d", time);
    return digits.substr(0, 1) + "." + digits.substr(1, 2) + "." + digits.substr(3, 2);
}

std::string FinalOddsText(const std::string& runner) {
    int tenths = NumberAt(runner, SE::FinalOdds);
    return tenths > 0 ? Format("%5.1f", tenths / 10.0) : kFiveSpaces;
}

std::string NumberText(const std::string& record, FieldPos f) {
    return Format("%2d", NumberAt(record, f));
}

}  // namespace

void SetUpIndexTable(TextGrid& table) {
    table.SetColCount(kIndexTableColumns);
    if (table.RowCount() < 1) table.SetRowCount(1);
    table.SetHeader({"枠", "馬", "馬名", "性齢", "騎手", "斤量", "単オッズ", "順", "平均ｵｯｽﾞ", "順",
                     "複オッズ", "順", "複勝率", "順", "ﾏｲﾆﾝｸﾞ", "順", "着", "人", "確ｵｯｽﾞ"});
    table.SetColWidths(
        {20, 20, 130, 35, 60, 35, 60, 20, 60, -1, 60, 20, 60, 20, 60, 20, 20, 20, 45});
}

void PrepareRaceGrids(TextGrid& indexTable, TextGrid& axisGrid, int runners) {
    for (TextGrid* grid : {&indexTable, &axisGrid}) {
        grid->SetRowCount(runners + 1);
        grid->ClearRows(1);
    }
}

std::vector<std::string> IndexTableRow(const RaceSlot& slot, int horse) {
    size_t k = static_cast<size_t>(horse);
    const std::string& runner = slot.RunnerInfo[k];
    const OddsBook& odds = slot.Odds;
    const RunnerIndices& indices = slot.Indices;
    const MiningEntry& mining = slot.Mining[k];
    std::string weight = FieldAt(runner, SE::Weight);
    return {
        NumberText(runner, SE::Frame),
        NumberText(runner, SE::Horse),
        FieldAt(runner, SE::HorseName),
        SexLabel(FieldAt(runner, SE::Sex)) + FormatIntField(FieldAt(runner, SE::Age)),
        FieldAt(runner, SE::Jockey),
        weight.substr(0, 2) + "." + weight.substr(2, 1),
        OddsText(odds.WinOdds[k]),
        RankText(odds.WinRank[k]),
        OddsText(indices.StandardOdds[k]),
        std::string(),
        OddsText(odds.PlaceOddsMin[k]),
        RankText(odds.PlaceMinRank[k]),
        indices.PlaceRateRank[k] >= 1 ? Format("%5.1f", indices.PlaceRate[k]) : kFiveSpaces,
        RankText(indices.PlaceRateRank[k], kFiveSpaces),
        MiningText(mining.MiningTime),
        RankText(mining.MiningRank),
        RankText(NumberAt(runner, SE::Placing)),
        RankText(NumberAt(runner, SE::FinalPopularity)),
        FinalOddsText(runner),
    };
}

void FillIndexTable(TextGrid& indexTable, TextGrid& axisGrid, const RaceSlot& slot) {
    int rows = std::min(indexTable.RowCount() - 1, kMaxRunners);
    for (int k = 1; k <= rows; ++k) {
        std::vector<std::string> cells = IndexTableRow(slot, k);
        for (int c = 0; c < kIndexTableColumns; ++c)
            indexTable.SetCell(c, k, cells[static_cast<size_t>(c)]);
    }
    int axisRows = std::min(axisGrid.RowCount() - 1, kMaxRunners);
    for (int k = 1; k <= axisRows; ++k) {
        const std::string& runner = slot.RunnerInfo[static_cast<size_t>(k)];
        axisGrid.SetCell(markcol::kFrame, k, NumberText(runner, SE::Frame));
        axisGrid.SetCell(markcol::kHorse, k, NumberText(runner, SE::Horse));
        axisGrid.SetCell(markcol::kName, k, FieldAt(runner, SE::HorseName));
        axisGrid.SetCell(markcol::kAxis, k, "");
        axisGrid.SetCell(markcol::kPartner, k, "");
    }
}

}  // namespace kagiroi
