// The work of one race selection on the betting side (automatic marks, both extractions, stakes
// and hits) on a full 18-runner race with seven partners, and one strike-out click on the
// resulting 126-ticket trifecta table (stakes, popularity rates and hits of that table).

#include "daystore/RaceSlot.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "selection/AutoMarking.h"
#include "selection/BetTables.h"
#include "selection/MarkGrid.h"
#include "selection/NetExtraction.h"
#include "stakes/StakeEvents.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numeric>
#include <vector>

namespace kagiroi {
namespace {

constexpr int kRunners = 18;

// Average win odds by rank in a field of 18.
double StandardOdds18(int fieldSize, int rank) {
    static const std::array<double, kRunners> kRow = {2.6,  4.4,   6.5,   9.0,   11.5,  15.2,
                                                      18.8, 23.9,  29.7,  38.3,  46.9,  68.0,
                                                      65.3, 112.1, 124.1, 127.1, 126.3, 97.2};
    return fieldSize == kRunners && rank >= 1 && rank <= kRunners ? kRow[rank - 1] : 0.0;
}

template <size_t N>
void RankByOdds(const std::array<double, N>& odds, std::array<int, N>& ranks, int count) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return odds[a] < odds[b]; });
    for (size_t k = 0; k < order.size(); ++k)
        ranks[static_cast<size_t>(order[k])] = static_cast<int>(k) + 1;
}

// An 18-runner race priced as a market would: win odds with a 20 % take, trios and trifectas
// priced from the win chances by filling the places in turn, mining ranks on three horses.
std::unique_ptr<RaceSlot> FullRace() {
    auto race = std::make_unique<RaceSlot>();
    PutField(race->RaceInfo, 12, 16, "2009031506020811");
    PutField(race->RaceInfo, 882, 2, "18");
    for (std::string* copy : {&race->O1Copy, &race->O5Copy, &race->O6Copy})
        PutField(*copy, 26, 2, "11");
    const std::array<double, kRunners + 1> win = {0,     5.1,  12.8, 33.5,  2.3,  48.0,  9.7,
                                                  101.4, 17.2, 7.4,  66.9,  21.0, 150.2, 40.3,
                                                  88.8,  4.6,  27.5, 129.0, 230.5};
    std::array<double, kRunners + 1> p{};
    double sum = 0;
    for (int h = 1; h <= kRunners; ++h) {
        race->Odds.WinOdds[h] = win[h];
        PutField(race->O1Copy, 46 + 8 * (h - 1), 4, Format("%04d", static_cast<int>(win[h] * 10)));
        p[h] = 1 / win[h];
        sum += p[h];
    }
    for (double& x : p)
        x /= sum;
    RankByOdds(race->Odds.WinOdds, race->Odds.WinRank, kRunners);
    auto ordered = [&](int a, int b, int c) {
        return p[a] * p[b] / (1 - p[a]) * p[c] / (1 - p[a] - p[b]);
    };
    for (int a = 1; a <= kRunners; ++a)
        for (int b = 1; b <= kRunners; ++b)
            for (int c = 1; c <= kRunners; ++c) {
                if (a == b || b == c || a == c) continue;
                double chance = ordered(a, b, c);
                int t = TrifectaIndex(CombinationText(a, b, c));
                race->Odds.TrifectaOdds[t] = std::round(0.725 / chance * 10) / 10;
                if (a < b && b < c) {
                    double any = ordered(a, b, c) + ordered(a, c, b) + ordered(b, a, c) +
                                 ordered(b, c, a) + ordered(c, a, b) + ordered(c, b, a);
                    race->Odds.TrioOdds[TrioIndex(CombinationText(a, b, c))] =
                        std::round(0.725 / any * 10) / 10;
                }
            }
    RankByOdds(race->Odds.TrioOdds, race->Odds.TrioRank, kTrioCount);
    RankByOdds(race->Odds.TrifectaOdds, race->Odds.TrifectaRank, kTrifectaCount);
    race->Mining[11].MiningRank = 1;
    race->Mining[1].MiningRank = 2;
    race->Mining[8].MiningRank = 3;
    // Results: 4-16-1 first to third.
    PutField(race->HrCopy, 550, 18, "010416000002340008");
    PutField(race->HrCopy, 604, 19, "0416010000112300035");
    return race;
}

struct Selection {
    std::unique_ptr<RaceSlot> race = FullRace();
    TextGrid marks{5, kRunners + 1};
    BetBoard board;
    SortDirections indexDirections{kIndexTableSortFlags};
    StakeInputs inputs{AllocationMode::Proportional, 3000};
    PopularityRateTables rates = ModelRates();

    void Select() {
        SetUpMarkGrid(marks);
        marks.ClearRows(1);
        MarkAxisAndPartners(*race, StandardOdds18, marks);
        ExtractNet(*race, marks, board, indexDirections);
        AllocateExtractedNet(board, inputs, race->HrCopy);
    }
};

void BM_SelectRaceNet(benchmark::State& state) {
    Selection s;
    for (auto _ : state) {
        s.Select();
        benchmark::DoNotOptimize(s.board.Totals(BetType::Trifecta).rate.text.data());
    }
    state.counters["trifectas"] = s.board.Table(BetType::Trifecta).RowCount() - 1;
    state.counters["trios"] = s.board.Table(BetType::Trio).RowCount() - 1;
}

void BM_StrikeTrifectaTicket(benchmark::State& state) {
    Selection s;
    s.Select();
    TextGrid& table = s.board.Table(BetType::Trifecta);
    int row = 1;
    for (auto _ : state) {
        ClickTicketRow(table, 0, row);
        RecomputeTicketTable(s.board, BetType::Trifecta, s.inputs, s.race->HrCopy, kRunners,
                             s.rates);
        row = row % (table.RowCount() - 1) + 1;
    }
    state.counters["tickets"] = table.RowCount() - 1;
}

BENCHMARK(BM_SelectRaceNet)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StrikeTrifectaTicket)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kagiroi
