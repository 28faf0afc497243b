#include "analysis/Favourites.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

template <size_t N>
std::string FavouriteText(const std::array<double, N>& odds, const std::array<int, N>& ranks,
                          int rank, std::string (*combination)(int)) {
    if (rank < 1) return {};  // rank 0 means unranked, never a favourite
    for (size_t i = 1; i < N; ++i)
        if (ranks[i] == rank)
            return Format("%7.1f", odds[i]) + "/" + combination(static_cast<int>(i));
    return {};
}

}  // namespace

std::string TrioFavouriteText(const OddsBook& odds, int rank) {
    return FavouriteText(odds.TrioOdds, odds.TrioRank, rank, TrioByIndex);
}

std::string TrifectaFavouriteText(const OddsBook& odds, int rank) {
    return FavouriteText(odds.TrifectaOdds, odds.TrifectaRank, rank, TrifectaByIndex);
}

std::string WinSpreadText(double winSpread) {
    return winSpread > 0 ? Format("%5.2f", winSpread) : std::string();
}

std::string OddsTimeText(const std::string& o1Copy) {
    return FieldAt(o1Copy, O1::AnnouncedHour) + ":" + FieldAt(o1Copy, O1::AnnouncedMinute);
}

FavouriteTexts ShowFavourites(const RaceSlot& slot, int trioRank, int trifectaRank) {
    FavouriteTexts texts;
    texts.SRF1NinLabel = TrioFavouriteText(slot.Odds, 1);
    texts.SRT1NinLabel = TrifectaFavouriteText(slot.Odds, 1);
    texts.SRF100NinLabel = TrioFavouriteText(slot.Odds, trioRank);
    texts.SRT100NinLabel = TrifectaFavouriteText(slot.Odds, trifectaRank);
    texts.HensaLabel = WinSpreadText(slot.Indices.WinSpread);
    texts.TFWtimeLabel = OddsTimeText(slot.O1Copy);
    return texts;
}

}  // namespace kagiroi
