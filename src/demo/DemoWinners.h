#pragma once

#include "demo/DemoRaceModel.h"

#include <array>
#include <vector>

namespace kagiroi {

using DemoPair = std::array<int, 2>;
using DemoTriple = std::array<int, 3>;

// The combinations a result pays, per bet type. A dead heat pays every order the tied horses
// could be put in: two winners, two exactas, two trios and so on. Unordered combinations hold
// their numbers ascending; every list is sorted but the places, which keep the finishing order
// as the service lists them.
struct DemoWinners {
    std::vector<int> win;
    std::vector<int> place;
    std::vector<DemoPair> brackets;
    std::vector<DemoPair> quinellas;
    std::vector<DemoPair> wides;
    std::vector<DemoPair> exactas;
    std::vector<DemoTriple> trios;
    std::vector<DemoTriple> trifectas;
};

// Places paid for 複勝: three with eight or more starters, else two.
int DemoPlacesPaid(int starters);

DemoWinners WinnersOf(const DemoRace& race);

}  // namespace kagiroi
