#include "selection/NetExtraction.h"
#include "analysis/RunnerIndices.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "selection/MarkGrid.h"
#include "selection/RaceFigures.h"

#include <array>

namespace kagiroi {

namespace {

constexpr int kCombinationWidth = 8;
constexpr int kTrifectaOddsWidth = 8;
constexpr int kTrioOddsWidth = 7;

// Which horses carry a mark, by horse number.
using HorseSet = std::array<bool, kMaxRunners + 1>;

HorseSet SetOf(const std::vector<int>& horses) {
    HorseSet set{};
    for (int horse : horses)
        if (horse >= 1 && horse <= kMaxRunners) set[static_cast<size_t>(horse)] = true;
    return set;
}

bool CanBuild(const std::vector<int>& axis, const std::vector<int>& partners) {
    return !axis.empty() && partners.size() >= 2;
}

std::string Line(const std::string& combination, const char* oddsFormat, double odds, int rank) {
    return combination + Format(oddsFormat, odds) + Format("%3d", rank);
}

int HorseAt(const std::string& combination, int k) {  // k = 0, 1, 2
    return ToInt(combination.substr(static_cast<size_t>(3 * k), 2));
}

std::string WinPopularity(const std::string& combination, const OddsBook& odds) {
    std::array<int, 3> ranks{};
    for (int k = 0; k < 3; ++k) {
        int horse = HorseAt(combination, k);
        if (horse < 1 || horse > kMaxRunners) return "";
        ranks[static_cast<size_t>(k)] = odds.WinRank[static_cast<size_t>(horse)];
        if (ranks[static_cast<size_t>(k)] <= 0) return "";
    }
    return CombinationText(ranks[0], ranks[1], ranks[2]);
}

void ExtractTable(BetBoard& board, BetType type, const std::string& oddsRecord,
                  const OddsBook& odds, const std::vector<int>& axis,
                  const std::vector<int>& partners) {
    TextGrid& table = board.Table(type);
    table.ClearRows(1);
    table.SetRowCount(2);
    board.Totals(type).Clear();
    if (OddsRecordRace(oddsRecord) <= 0) return;
    bool trifecta = type == BetType::Trifecta;
    std::vector<std::string> lines = trifecta ? TrifectaTicketLines(odds, axis, partners)
                                              : TrioTicketLines(odds, axis, partners);
    FillTicketTable(table, lines, trifecta ? kTrifectaOddsWidth : kTrioOddsWidth, odds);
}

}  // namespace

std::vector<int> MarkedHorses(const TextGrid& markGrid, int col, int horses) {
    std::vector<int> marked;
    for (int u = 1; u <= horses; ++u)
        if (HasMark(markGrid, col, u)) marked.push_back(u);
    return marked;
}

// Walking the triples in ascending horse numbers yields the lines in text order, each once:
// the same set and order as building each pass and sorting the list.
std::vector<std::string> TrifectaTicketLines(const OddsBook& odds, const std::vector<int>& axis,
                                             const std::vector<int>& partners) {
    std::vector<std::string> lines;
    if (!CanBuild(axis, partners)) return lines;
    HorseSet a = SetOf(axis), p = SetOf(partners);
    for (int first = 1; first <= kMaxRunners; ++first)
        for (int second = 1; second <= kMaxRunners; ++second)
            for (int third = 1; third <= kMaxRunners; ++third) {
                if (first == second || second == third || first == third) continue;
                bool kept = (a[first] && p[second] && p[third]) ||
                            (p[first] && a[second] && p[third]) ||
                            (p[first] && p[second] && a[third]);
                if (!kept) continue;
                std::string t = CombinationText(first, second, third);
                int idx = TrifectaIndex(t);
                double price = odds.TrifectaOdds[static_cast<size_t>(idx)];
                if (idx > 0 && price > 0)
                    lines.push_back(
                        Line(t, "%8.1f", price, odds.TrifectaRank[static_cast<size_t>(idx)]));
            }
    return lines;
}

std::vector<std::string> TrioTicketLines(const OddsBook& odds, const std::vector<int>& axis,
                                         const std::vector<int>& partners) {
    std::vector<std::string> lines;
    if (!CanBuild(axis, partners)) return lines;
    HorseSet a = SetOf(axis), p = SetOf(partners);
    // A set qualifies when one of its horses is an axis horse and the other two are partners.
    auto qualifies = [&](int j, int k, int l) { return a[j] && p[k] && p[l]; };
    for (int x = 1; x <= kMaxRunners; ++x)
        for (int y = x + 1; y <= kMaxRunners; ++y)
            for (int z = y + 1; z <= kMaxRunners; ++z) {
                if (!qualifies(x, y, z) && !qualifies(y, x, z) && !qualifies(z, x, y)) continue;
                std::string t = CombinationText(x, y, z);  // ascending: the trio text
                int idx = TrioIndex(t);
                double price = odds.TrioOdds[static_cast<size_t>(idx)];
                if (idx > 0 && price > 0)
                    lines.push_back(
                        Line(t, "%7.1f", price, odds.TrioRank[static_cast<size_t>(idx)]));
            }
    return lines;
}

void FillTicketTable(TextGrid& table, const std::vector<std::string>& lines, int oddsWidth,
                     const OddsBook& odds) {
    table.SetRowCount(std::max<int>(static_cast<int>(lines.size()) + 1, 2));
    const auto oddsAt = static_cast<size_t>(kCombinationWidth);
    const auto popularityAt = oddsAt + static_cast<size_t>(oddsWidth);
    int row = 1;
    for (const std::string& line : lines) {
        std::string combination = line.substr(0, oddsAt);
        table.SetCell(1, row, Format("%2d", row));
        table.SetCell(2, row, combination);
        table.SetCell(3, row, line.substr(oddsAt, static_cast<size_t>(oddsWidth)));
        // The rest of the line: a trifecta rank of four digits is kept whole.
        table.SetCell(4, row, line.substr(popularityAt));
        table.SetCell(5, row, WinPopularity(combination, odds));
        ++row;
    }
}

void ExtractNet(const RaceSlot& race, const TextGrid& markGrid, BetBoard& board,
                SortDirections& indexDirections) {
    indexDirections.ResetAll();
    board.trioDirections.ResetAll();
    board.trifectaDirections.ResetAll();
    int n = RegisteredRunners(race);
    std::vector<int> axis = MarkedHorses(markGrid, markcol::kAxis, n);
    std::vector<int> partners = MarkedHorses(markGrid, markcol::kPartner, n);
    ExtractTable(board, BetType::Trifecta, race.O6Copy, race.Odds, axis, partners);
    ExtractTable(board, BetType::Trio, race.O5Copy, race.Odds, axis, partners);
}

}  // namespace kagiroi
