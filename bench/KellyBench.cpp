// Kelly stakes with dilution for a 126-ticket trifecta net: the axis first, seven partners
// second and third (7 × 6 × 3 orders), in a pool of 120 million yen, with some tickets priced
// above their chance so that several rounds of dilution run.

#include "platform/Format.h"
#include "selection/BetTables.h"
#include "stakes/FundAllocation.h"
#include "stakes/KellyStakes.h"
#include "stakes/TicketChances.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace kagiroi {
namespace {

constexpr int kRunners = 18;
const Pool kPool{1.2e8, 0.275};

std::vector<double> WinChances() {
    std::vector<double> win(kRunners + 1, 0.0);
    double sum = 0;
    for (int h = 1; h <= kRunners; ++h)
        sum += win[static_cast<size_t>(h)] = 1.0 / (h + 1.5);
    for (double& p : win)
        p /= sum;
    return win;
}

// The net's combinations: axis 1 first, second or third; partners 2..8 in the other places.
std::vector<std::string> Combinations() {
    std::vector<std::string> texts;
    for (int place = 0; place < 3; ++place)
        for (int a = 2; a <= 8; ++a)
            for (int b = 2; b <= 8; ++b) {
                if (a == b) continue;
                int h[3];
                h[place] = 1;
                h[place == 0 ? 1 : 0] = a;
                h[place == 2 ? 1 : 2] = b;
                texts.push_back(Format("%2d-%2d-%2d", h[0], h[1], h[2]));
            }
    return texts;
}

// Odds a little above or below fair by the ticket's number, so that about a third have an edge.
double OddsOf(double chance, size_t k) {
    return 0.725 / chance * (k % 3 == 0 ? 1.6 : 0.9);
}

void BM_KellyStakesInPool(benchmark::State& state) {
    const OrderChances chances(WinChances(), {});
    std::vector<KellyTicket> tickets;
    std::vector<std::string> texts = Combinations();
    for (size_t k = 0; k < texts.size(); ++k) {
        double chance = TicketChance(BetType::Trifecta, texts[k], chances);
        tickets.push_back({chance, OddsOf(chance, k)});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(KellyStakesInPool(tickets, kPool, 0.25, 10000000));
    state.counters["tickets"] = static_cast<double>(tickets.size());
}
BENCHMARK(BM_KellyStakesInPool)->Unit(benchmark::kMicrosecond);

void BM_KellyAllocationOfATable(benchmark::State& state) {
    const OrderChances chances(WinChances(), {});
    std::vector<std::string> texts = Combinations();
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(static_cast<int>(texts.size()) + 1);
    for (size_t k = 0; k < texts.size(); ++k) {
        int r = static_cast<int>(k) + 1;
        double chance = TicketChance(BetType::Trifecta, texts[k], chances);
        table.SetCell(1, r, Format("%3d", r));
        table.SetCell(2, r, texts[k]);
        table.SetCell(3, r, Format("%8.1f", OddsOf(chance, k)));
    }
    StakeInputs inputs(AllocationMode::Kelly, 3000);
    inputs.chances = chances;
    inputs.bankroll = 10000000;
    inputs.trifectaPool = kPool;
    BetTotals totals;
    for (auto _ : state) {
        AllocateStakes(BetType::Trifecta, inputs, table, totals);
        benchmark::DoNotOptimize(totals.stake.text);
    }
}
BENCHMARK(BM_KellyAllocationOfATable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kagiroi
