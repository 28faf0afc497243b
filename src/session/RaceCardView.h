#pragma once

#include "analysis/Favourites.h"
#include "analysis/RaceHeader.h"
#include "analysis/RaceMarks.h"
#include "analysis/ResultsPage.h"
#include "platform/TextGrid.h"

#include <array>

namespace kagiroi {

// The race card, the analysis page and the result page of the selected race.
struct RaceCardView {
    TextGrid StringGrid26;  // the index table
    TextGrid StringGrid7;   // axis and partner marks
    RaceHeaderTexts Header;
    RaceMarks Marks;
    FavouriteTexts Favourites;
    int SpinEdit1 = 100;  // the N of the N-th favourite trio
    int SpinEdit2 = 100;  // ... and trifecta
    std::array<PayoutGroupTexts, 8> ResultsPage;
};

}  // namespace kagiroi
