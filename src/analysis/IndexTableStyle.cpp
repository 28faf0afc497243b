#include "analysis/IndexTableStyle.h"

#include "analysis/IndexTable.h"
#include "analysis/MarkGridColumns.h"
#include "platform/TextField.h"
#include "racing/FrameColours.h"

namespace kagiroi {

namespace {

constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kPink{255, 181, 255};
constexpr Rgb kLightCyan{162, 255, 255};

Rgb HorseColour(const TextGrid& axisGrid, int horse) {
    if (horse < 1) return colors::kInfoBackground;
    if (HasMark(axisGrid, markcol::kAxis, horse)) return colors::kRed;
    if (HasMark(axisGrid, markcol::kPartner, horse)) return kPartnerHorseColour;
    return colors::kInfoBackground;
}

// Win odds below the standard odds of their rank light the odds; above, the standard odds.
Rgb OddsColour(const TextGrid& table, int column, int row) {
    double win = ToDouble(table.Cell(indexcol::kWinOdds, row));
    double standard = ToDouble(table.Cell(indexcol::kStandardOdds, row));
    if (win <= 0 || standard <= 0) return colors::kWhite;
    if (column == indexcol::kWinOdds && win < standard) return colors::kAqua;
    if (column == indexcol::kStandardOdds && win > standard) return colors::kAqua;
    return colors::kWhite;
}

bool IsRankColumn(int column) {
    switch (column) {
        case indexcol::kWinRank:
        case indexcol::kStandardRank:
        case indexcol::kPlaceRank:
        case indexcol::kPlaceRateRank:
        case indexcol::kMiningRank:
        case indexcol::kPlacing:
        case indexcol::kFinalPopularity:
            return true;
        default:
            return false;
    }
}

Rgb RankTextColour(int rank) {
    if (rank == 1) return colors::kRed;
    if (rank == 2 || rank == 3) return colors::kBlue;
    return colors::kBlack;
}

Rgb GroupBackground(int column, Rgb background) {
    if (column >= indexcol::kPlaceOdds && column <= indexcol::kPlaceRateRank) return kLightYellow;
    if (column >= indexcol::kMining && column <= indexcol::kMiningRank) return kPink;
    if (column >= indexcol::kPlacing && column <= indexcol::kFinalOdds) return kLightCyan;
    return background;
}

}  // namespace

CellStyle IndexTableCellStyle(const TextGrid& table, const TextGrid& axisGrid, int column,
                              int row) {
    CellStyle style;
    if (row == 0) {
        style.background = colors::kSilver;
        return style;
    }
    const std::string& text = table.Cell(column, row);
    if (column == indexcol::kFrame || column == indexcol::kHorse) {
        style.background = column == indexcol::kFrame ? FrameColour(ToInt(text))
                                                      : HorseColour(axisGrid, ToInt(text));
        style.text = DigitColourOn(style.background);
    } else if (column == indexcol::kWinOdds || column == indexcol::kStandardOdds)
        style.background = OddsColour(table, column, row);
    if (IsRankColumn(column)) {
        style.bold = true;
        style.text = RankTextColour(ToInt(text));
    }
    style.background = GroupBackground(column, style.background);
    if (column == indexcol::kName) style.align = CellAlign::Left;
    return style;
}

}  // namespace kagiroi
