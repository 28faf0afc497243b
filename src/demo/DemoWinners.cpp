#include "demo/DemoWinners.h"

#include "racing/KeibaFunc.h"

#include <algorithm>

namespace kagiroi {

namespace {

template <typename T>
void AddOnce(std::vector<T>& list, T value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

DemoPair Unordered(int a, int b) {
    return a < b ? DemoPair{a, b} : DemoPair{b, a};
}

DemoTriple Unordered(int a, int b, int c) {
    DemoTriple t{a, b, c};
    std::sort(t.begin(), t.end());
    return t;
}

// The crossing order and, with a dead heat, the same order with the tied pair swapped.
std::vector<std::vector<int>> FinishingSequences(const DemoResult& result) {
    std::vector<std::vector<int>> sequences = {result.order};
    if (result.deadHeatPlace > 0) {
        std::vector<int> swapped = result.order;
        size_t k = static_cast<size_t>(result.deadHeatPlace);
        std::swap(swapped[k - 1], swapped[k]);
        sequences.push_back(swapped);
    }
    return sequences;
}

template <typename T>
void SortAll(std::vector<T>& list) {
    std::sort(list.begin(), list.end());
}

}  // namespace

int DemoPlacesPaid(int starters) {
    return starters >= 8 ? 3 : 2;
}

DemoWinners WinnersOf(const DemoRace& race) {
    DemoWinners w;
    int n = race.card.Registered();
    int places = DemoPlacesPaid(race.Starters());
    for (const std::vector<int>& s : FinishingSequences(race.result)) {
        AddOnce(w.win, s[0]);
        for (int i = 0; i < places; ++i)
            AddOnce(w.place, s[static_cast<size_t>(i)]);
        AddOnce(w.brackets, Unordered(BracketOf(n, s[0]), BracketOf(n, s[1])));
        AddOnce(w.quinellas, Unordered(s[0], s[1]));
        AddOnce(w.wides, Unordered(s[0], s[1]));
        AddOnce(w.wides, Unordered(s[0], s[2]));
        AddOnce(w.wides, Unordered(s[1], s[2]));
        AddOnce(w.exactas, DemoPair{s[0], s[1]});
        AddOnce(w.trios, Unordered(s[0], s[1], s[2]));
        AddOnce(w.trifectas, DemoTriple{s[0], s[1], s[2]});
    }
    SortAll(w.win);
    SortAll(w.brackets);
    SortAll(w.quinellas);
    SortAll(w.wides);
    SortAll(w.exactas);
    SortAll(w.trios);
    SortAll(w.trifectas);
    return w;
}

}  // namespace kagiroi
