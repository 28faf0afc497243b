#pragma once

#include "daystore/RaceSlot.h"
#include "selection/AutoMarking.h"

#include <memory>
#include <string>
#include <vector>

namespace kagiroi::test {

// A race slot built in memory for the net tests: its RA record with the field size, O1 win-odds
// fields, win ranks, trio and trifecta odds with ranks, and the O5/O6 race numbers that say the
// race has those odds.
class TestRace {
  public:
    explicit TestRace(int fieldSize, int raceNumber = 11);

    // Win odds in the O1 record and the win rank of the horse.
    TestRace& Win(int horse, double odds, int rank);
    TestRace& Mining(int horse, int rank);
    // Every trio and trifecta of horses 1..field size gets odds and a rank (as a full market
    // would), the odds growing with the horse numbers.
    TestRace& FullMarket();
    TestRace& Trio(const std::string& text, double odds, int rank);
    TestRace& Trifecta(const std::string& text, double odds, int rank);
    TestRace& NoTrioRecord();
    TestRace& NoTrifectaRecord();
    // Payout record entries, k from 0.
    TestRace& PaidTrio(int k, int a, int b, int c, long long payout, int popularity);
    TestRace& PaidTrifecta(int k, int a, int b, int c, long long payout, int popularity);

    RaceSlot& Slot() { return *slot_; }

  private:
    std::unique_ptr<RaceSlot> slot_;
};

// The average win odds by field size and rank for fields of 10 to 18, 0 elsewhere.
double StandardOddsForTests(int fieldSize, int rank);

// The whole table's text, row by row, cells joined by '|': for comparing two tables at once.
std::vector<std::string> TableRows(const class kagiroi::TextGrid& table);

}  // namespace kagiroi::test
