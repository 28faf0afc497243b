#include "stakes/FundAllocation.h"

#include "daystore/PayoutRecord.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"
#include "selection/BetTables.h"
#include "selection/UnderStake.h"
#include "stakes/TicketChances.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kagiroi {

namespace {

struct TicketRow {
    int row;
    double odds;
};

// Rows that take part in the allocation: numbered, not struck out, with an odds text.
std::vector<TicketRow> TicketRows(const TextGrid& table, const BetColumns& c) {
    std::vector<TicketRow> rows;
    for (int r = 1; r < table.RowCount(); ++r) {
        if (IsBlank(table.Cell(c.number, r)) || Trim(table.Cell(c.strike, r)) == kStrikeMark ||
            IsBlank(table.Cell(c.odds, r)))
            continue;
        rows.push_back({r, ToDouble(table.Cell(c.odds, r))});
    }
    return rows;
}

int64_t Units(double value) {
    return static_cast<int64_t>(std::trunc(value));
}

std::string StakeText(int64_t stake) {
    return Format("%6lld", static_cast<long long>(stake));
}

// Writes a row's payout if it hits and that payout's share of the total; returns the payout
// in whole yen for the expected rate.
int64_t WritePayout(TextGrid& table, const BetColumns& c, const TicketRow& ticket, int64_t stake,
                    int64_t total) {
    double payout = static_cast<double>(stake) * ticket.odds;
    table.SetCell(c.expectedPayout, ticket.row, Format("%7.0f", payout));
    table.SetCell(c.share, ticket.row, Format("%7.1f", payout / static_cast<double>(total) * 100));
    return Units(payout);
}

void ShowCountAndTotal(BetTotals& totals, int count, int64_t total) {
    totals.count.text = Format("%3d", count);
    totals.stake.text = StakeText(total);
}

void ShowRate(BetTotals& totals, double rate) {
    totals.rate.text = Format("%7.1f", rate);
    if (rate > 100)
        totals.rate.color = colors::kBlack;
    else if (rate > 0)
        totals.rate.color = colors::kRed;
}

void AllocateEqually(int amount, TextGrid& table, const BetColumns& c,
                     const std::vector<TicketRow>& tickets, BetTotals& totals) {
    int count = static_cast<int>(std::count_if(tickets.begin(), tickets.end(),
                                               [](const TicketRow& t) { return t.odds > 0; }));
    if (count == 0) return;
    // Any remainder of 10 yen or more per ticket goes to the next 100 yen.
    int64_t stake = Units(static_cast<double>(amount) / count / 100 + 0.9) * 100;
    stake = std::max<int64_t>(stake, kMinimumStake);
    int64_t total = count * stake;
    ShowCountAndTotal(totals, count, total);
    int64_t payoutSum = 0;
    for (const TicketRow& ticket : tickets) {
        table.SetCell(c.stake, ticket.row, StakeText(stake));
        payoutSum += WritePayout(table, c, ticket, stake, total);
    }
    ShowRate(totals, static_cast<double>(payoutSum) / count / static_cast<double>(total) * 100);
}

// Stakes in inverse proportion to the odds, so that every ticket pays back about the same.
void AllocateProportionally(int amount, TextGrid& table, const BetColumns& c,
                            const std::vector<TicketRow>& tickets, BetTotals& totals) {
    double base = ToDouble(table.Cell(c.odds, 1)) * 100;
    std::vector<double> weights(tickets.size(), 0.0);
    double weightSum = 0;
    int count = 0;
    for (size_t k = 0; k < tickets.size(); ++k) {
        if (tickets[k].odds <= 0) continue;
        weights[k] = base / tickets[k].odds;
        weightSum += weights[k];
        ++count;
    }
    std::vector<int64_t> stakes(tickets.size(), 0);
    int64_t total = 0;
    if (weightSum > 0) {
        for (size_t k = 0; k < tickets.size(); ++k) {
            double share = weights[k] / weightSum * 100;
            stakes[k] =
                std::max<int64_t>(Units(amount * share / 10000 + 0.95) * 100, kMinimumStake);
            table.SetCell(c.stake, tickets[k].row, StakeText(stakes[k]));
            total += stakes[k];
        }
    }
    ShowCountAndTotal(totals, count, total);
    if (total < 1) return;
    int64_t payoutSum = 0;
    for (size_t k = 0; k < tickets.size(); ++k)
        payoutSum += WritePayout(table, c, tickets[k], stakes[k], total);
    ShowRate(totals, static_cast<double>(payoutSum) / count / static_cast<double>(total) * 100);
}

const char* kNoEdgeNote = "期待値が1を超える買い目がないため、ケリーの購入額はありません";
const char* kEdgeBelowUnitNote = "ケリーの購入額が100円に届く買い目がありません";
const char* kNoPoolNote =
    "票数の総計がないため、購入によるオッズの下落を見込まずにケリーの購入額を計算しました";

// The best chance × odds of the tickets: how close a net without an edge came.
double BestExpectedValue(const std::vector<KellyTicket>& tickets) {
    double best = 0;
    for (const KellyTicket& t : tickets)
        if (t.chance > 0 && t.odds > 0) best = std::max(best, t.chance * t.odds);
    return best;
}

// Stakes of the Kelly rule from the bankroll; tickets without an edge stay blank.
void AllocateByKelly(BetType type, const StakeInputs& inputs, TextGrid& table, const BetColumns& c,
                     const std::vector<TicketRow>& tickets, BetTotals& totals) {
    std::vector<KellyTicket> kelly;
    for (const TicketRow& ticket : tickets)
        kelly.push_back({TicketChance(type, table.Cell(c.combination, ticket.row), inputs.chances),
                         ticket.odds});
    const Pool& pool = inputs.PoolFor(type);
    if (!pool.Known()) totals.poolNote = kNoPoolNote;
    PooledKellyStakes kellyStakes =
        KellyStakesInPool(kelly, pool, inputs.kellyFraction, inputs.bankroll);
    const std::vector<int64_t>& stakes = kellyStakes.stakes;
    int count = 0;
    int64_t total = 0;
    for (size_t k = 0; k < tickets.size(); ++k) {
        if (stakes[k] <= 0) continue;
        table.SetCell(c.stake, tickets[k].row, StakeText(stakes[k]));
        ++count;
        total += stakes[k];
    }
    ShowCountAndTotal(totals, count, total);
    if (count == 0) {
        totals.rate.text.clear();  // a rate of no stakes would be an earlier mode's
        totals.note = BetTypeName(type) + "：" +
                      (kellyStakes.edge ? std::string(kEdgeBelowUnitNote)
                                        : Format("%s（最も高い期待値 %.2f）", kNoEdgeNote,
                                                 BestExpectedValue(kelly)));
        return;
    }
    // What a hit pays is what the pool pays once the stake is in it: ﾄﾘｶﾞﾐ reads it from here.
    int64_t payoutSum = 0;
    for (size_t k = 0; k < tickets.size(); ++k)
        if (stakes[k] > 0)
            payoutSum +=
                WritePayout(table, c, {tickets[k].row, kellyStakes.odds[k]}, stakes[k], total);
    ShowRate(totals, static_cast<double>(payoutSum) / count / static_cast<double>(total) * 100);
}

// 合成ｵｯｽﾞ over the staked tickets with a price, the count of トリガミ among them and, with
// chances, their chance to hit together (a table's tickets exclude each other), what they return
// on average (期待回収率) and the overlays among the table's tickets.
void ShowNetFigures(BetType type, const TextGrid& table, const BetColumns& c,
                    const std::vector<TicketRow>& tickets, const OrderChances& chances,
                    BetTotals& totals) {
    double inverseSum = 0, chance = 0, expectedPayout = 0;
    int overlays = 0;
    for (const TicketRow& ticket : tickets) {
        double p = TicketChance(type, table.Cell(c.combination, ticket.row), chances);
        if (ticket.odds > 0 && p * ticket.odds >= 1.0) ++overlays;
        if (ticket.odds <= 0 || IsBlank(table.Cell(c.stake, ticket.row))) continue;
        inverseSum += 1 / ticket.odds;
        chance += p;
        expectedPayout += p * ToDouble(table.Cell(c.stake, ticket.row)) * ticket.odds;
    }
    totals.synthetic.text.clear();
    totals.underStake.text.clear();
    totals.hitChance.text.clear();
    totals.expectedReturn.text.clear();
    totals.overlays.text = chances.Empty() ? "" : Format("%3d点", overlays);
    if (inverseSum <= 0) return;
    int64_t stake = ToInt64(totals.stake.text);
    totals.synthetic.text = Format("%7.1f", 1 / inverseSum);
    totals.underStake.text = Format("%3d点", CountUnderStake(table, type, stake));
    if (chance <= 0) return;
    totals.hitChance.text = Format("%5.1f%%", chance * 100);
    if (stake > 0)
        totals.expectedReturn.text =
            Format("%7.1f", expectedPayout / static_cast<double>(stake) * 100);
}

bool Matches(BetType type, const std::string& cell, const PayoutEntry& entry) {
    if (HorsesPerTicket(type) == 1) return entry.horse > 0 && ToInt(cell) == entry.horse;
    return !IsBlank(cell) && cell == entry.combination;
}

}  // namespace

const Pool& StakeInputs::PoolFor(BetType type) const {
    static const Pool kNone;
    if (type == BetType::Trio) return trioPool;
    return type == BetType::Trifecta ? trifectaPool : kNone;
}

AllocationMode AllocationModeFromIndex(int index) {
    if (index == 0) return AllocationMode::Equal;
    return index == 2 ? AllocationMode::Kelly : AllocationMode::Proportional;
}

std::string AllocationModeCaption(AllocationMode mode) {
    switch (mode) {
        case AllocationMode::Equal:
            return "均等";
        case AllocationMode::Kelly:
            return "ケリー";
        default:
            return "比例";
    }
}

std::string ForecastRateTip() {
    return "予想回収率：買い目ごとの回収率（払戻見込み÷投票金額）の単純平均です。"
           "どの買い目も同じ確率で当たるとした値で、実際に見込める回収率ではありません。";
}

std::string ExpectedReturnTip() {
    return "期待回収率：購入する買い目の（的中率×払戻見込み）の合計÷投票金額です。"
           "的中率はオッズから求めた推定で、平均して戻ると見込める割合です。";
}

void AllocateStakes(BetType type, AllocationMode mode, int amount, TextGrid& table,
                    BetTotals& totals) {
    AllocateStakes(type, StakeInputs(mode, amount), table, totals);
}

void AllocateStakes(BetType type, const StakeInputs& given, TextGrid& table, BetTotals& totals) {
    StakeInputs inputs = given;
    inputs.amount = std::min(inputs.amount, kMaxAmount);
    const int amount = inputs.amount;
    if (table.RowCount() > kMaxAllocatedRows) return;
    const BetColumns& c = ColumnsOf(type);
    if (table.RowCount() < 2 || IsBlank(table.Cell(c.odds, 1))) return;
    for (int r = 1; r < table.RowCount(); ++r)
        for (int col : {c.stake, c.expectedPayout, c.share})
            table.SetCell(col, r, "");
    // No stake is kept that the amount box (for ケリー, the bankroll) does not allow.
    const bool kelly = inputs.mode == AllocationMode::Kelly;
    const int64_t limit = kelly ? inputs.bankroll : amount;
    if (limit < kMinimumStake) {
        totals.Clear();
        return;
    }
    totals.note.clear();
    totals.poolNote.clear();
    std::vector<TicketRow> tickets = TicketRows(table, c);
    if (inputs.mode == AllocationMode::Equal)
        AllocateEqually(amount, table, c, tickets, totals);
    else if (kelly)
        AllocateByKelly(type, inputs, table, c, tickets, totals);
    else
        AllocateProportionally(amount, table, c, tickets, totals);
    // Every ticket keeps at least 100 yen, so a wide net can stake more than was typed: the
    // total says so in red before anything is sent.
    totals.stake.color = ToInt64(totals.stake.text) > limit ? colors::kRed : colors::kBlack;
    ShowNetFigures(type, table, c, tickets, inputs.chances, totals);
}

void MarkHits(BetType type, std::string_view hrRecord, TextGrid& table, BetTotals& totals) {
    if (table.RowCount() < 2) return;
    const BetColumns& c = ColumnsOf(type);
    std::vector<PayoutEntry> paid = PaidEntries(type, hrRecord);
    int64_t total = 0;
    for (int r = 1; r < table.RowCount(); ++r) {
        // Cleared first, so a row keeps no hit from an earlier payout record.
        for (int col : {c.hitPayout, c.hitReturn, c.hitPopularity})
            table.SetCell(col, r, "");
        const std::string& combination = table.Cell(c.combination, r);
        for (const PayoutEntry& entry : paid) {
            if (!Matches(type, combination, entry)) continue;
            int64_t stake = ToInt64(table.Cell(c.stake, r));
            int64_t ret = entry.payout * stake / 100;
            table.SetCell(c.hitPayout, r, Format("%7lld", static_cast<long long>(entry.payout)));
            table.SetCell(c.hitReturn, r, Format("%7lld", static_cast<long long>(ret)));
            table.SetCell(c.hitPopularity, r, Format("%3d", entry.popularity));
            total += ret;
        }
    }
    if (total < 1) {
        totals.payback.text.clear();
        return;
    }
    totals.payback.text = Format("%8lld", static_cast<long long>(total));
    totals.payback.color = total < ToInt64(totals.stake.text) ? colors::kRed : colors::kBlack;
}

}  // namespace kagiroi
