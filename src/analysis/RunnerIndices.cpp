#include "analysis/RunnerIndices.h"

#include "analysis/PlaceRateTable.h"
#include "analysis/StandardOddsTable.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/RankList.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kagiroi {

namespace {

double SampleDeviation(const std::vector<double>& values) {
    if (values.size() < 2) return 0.0;
    double mean = 0.0;
    for (double v : values)
        mean += v;
    mean /= static_cast<double>(values.size());
    double squares = 0.0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

// Highest rate first; equal rates (at two decimals) put the higher horse number first.
void RankPlaceRates(RunnerIndices& indices, int runners) {
    RankList list;
    for (int k = 1; k <= runners; ++k) {
        double rate = indices.PlaceRate[static_cast<size_t>(k)];
        if (rate > 0) list.Add(Format("%6.2f", rate) + Format("%2d", k));
    }
    size_t count = list.Count();
    for (size_t t = 0; t < count; ++t) {
        int horse = ToInt(list.At(t).substr(6, 2));
        indices.PlaceRateRank[static_cast<size_t>(horse)] = static_cast<int>(count - t);
    }
}

}  // namespace

int RegisteredRunners(const RaceSlot& slot) {
    return RegisteredRunners(slot.RaceInfo);
}

void ComputeRunnerIndices(RaceSlot& slot) {
    RunnerIndices& indices = slot.Indices;
    indices.StandardOdds = {};
    indices.PlaceRate = {};
    indices.PlaceRateRank = {};
    indices.WinSpread = 0.0;

    int runners = RegisteredRunners(slot);
    std::vector<double> support;
    for (int k = 1; k <= runners; ++k) {
        size_t i = static_cast<size_t>(k);
        int rank = slot.Odds.WinRank[i];
        if (rank < 1) continue;
        indices.StandardOdds[i] = StandardOddsTable(runners, rank);
        support.push_back(indices.WinSupport[i]);
        int oddsTenths = NumberAt(slot.O1Copy, O1::WinOdds.At(k));
        indices.PlaceRate[i] = PlaceRateTable(rank, oddsTenths);
    }
    indices.WinSpread = SampleDeviation(support);
    RankPlaceRates(indices, runners);
}

}  // namespace kagiroi
