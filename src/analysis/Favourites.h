#pragma once

#include "daystore/RaceSlot.h"

#include <string>

namespace kagiroi {

// The trio with popularity `rank` (the first in numbering order): its odds "%7.1f", "/" and its
// combination text; empty when no trio has that rank
// (or the rank is below 1). SRF1NinLabel for rank 1, SRF100NinLabel
// for the spin edit's value (SpinEdit1Change).
std::string TrioFavouriteText(const OddsBook& odds, int rank);
// The same over the trifectas: SRT1NinLabel, SRT100NinLabel (SpinEdit2Change).
std::string TrifectaFavouriteText(const OddsBook& odds, int rank);
// HensaLabel: the win spread "%5.2f" when above 0, else empty.
std::string WinSpreadText(double winSpread);
// TFWtimeLabel: the announcement hour, ":" and minute of the race's O1 record.
std::string OddsTimeText(const std::string& o1Copy);

// Everything ShowFavourites puts on the analysis page for the selected race, with the two spin
// edits' values (the settings Nin100/SRF and Nin100/SRT, which the caller writes back).
struct FavouriteTexts {
    std::string SRF1NinLabel, SRT1NinLabel, SRF100NinLabel, SRT100NinLabel, HensaLabel,
        TFWtimeLabel;
};
FavouriteTexts ShowFavourites(const RaceSlot& slot, int trioRank, int trifectaRank);

}  // namespace kagiroi
