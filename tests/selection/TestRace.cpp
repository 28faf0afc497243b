#include "selection/TestRace.h"

#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextGrid.h"
#include "racing/KeibaFunc.h"
#include "support/RecordBuilder.h"

#include <array>
#include <cmath>

namespace kagiroi::test {

TestRace::TestRace(int fieldSize, int raceNumber) : slot_(std::make_unique<RaceSlot>()) {
    slot_->RaceInfo = RecordBuilder("RA", kRaLength)
                          .Key("20090315", "06", 2, 8, raceNumber)
                          .PutNumber(882, fieldSize, 2);
    slot_->O1Copy = RecordBuilder("O1", kO1Length).Key("20090315", "06", 2, 8, raceNumber);
    slot_->O5Copy = RecordBuilder("O5", kO5Length).Key("20090315", "06", 2, 8, raceNumber);
    slot_->O6Copy = RecordBuilder("O6", kO6Length).Key("20090315", "06", 2, 8, raceNumber);
    slot_->HrCopy = RecordBuilder("HR", kHrLength).Key("20090315", "06", 2, 8, raceNumber);
}

TestRace& TestRace::Win(int horse, double odds, int rank) {
    PutField(slot_->O1Copy, 46 + 8 * (horse - 1), 4,
             Format("%04d", static_cast<int>(std::lround(odds * 10))));
    slot_->Odds.WinOdds[static_cast<size_t>(horse)] = odds;
    slot_->Odds.WinRank[static_cast<size_t>(horse)] = rank;
    return *this;
}

TestRace& TestRace::Mining(int horse, int rank) {
    slot_->Mining[static_cast<size_t>(horse)].MiningRank = rank;
    return *this;
}

TestRace& TestRace::FullMarket() {
    int n = ToInt(Field(slot_->RaceInfo, 882, 2));
    int rank = 0;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            for (int c = b + 1; c <= n; ++c)
                Trio(CombinationText(a, b, c), 2.0 * (a + b + c), ++rank);
    rank = 0;
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c)
                if (a != b && b != c && a != c)
                    Trifecta(CombinationText(a, b, c), 10.0 * a + b + 0.1 * c, ++rank);
    return *this;
}

TestRace& TestRace::Trio(const std::string& text, double odds, int rank) {
    int idx = TrioIndex(text);
    slot_->Odds.TrioOdds[static_cast<size_t>(idx)] = odds;
    slot_->Odds.TrioRank[static_cast<size_t>(idx)] = rank;
    return *this;
}

TestRace& TestRace::Trifecta(const std::string& text, double odds, int rank) {
    int idx = TrifectaIndex(text);
    slot_->Odds.TrifectaOdds[static_cast<size_t>(idx)] = odds;
    slot_->Odds.TrifectaRank[static_cast<size_t>(idx)] = rank;
    return *this;
}

TestRace& TestRace::NoTrioRecord() {
    slot_->O5Copy.assign(kO5Length, ' ');
    return *this;
}

TestRace& TestRace::NoTrifectaRecord() {
    slot_->O6Copy.assign(kO6Length, ' ');
    return *this;
}

TestRace& TestRace::PaidTrio(int k, int a, int b, int c, long long payout, int popularity) {
    PutField(slot_->HrCopy, 550 + 18 * k, 18,
             Format("%02d%02d%02d%09lld%03d", a, b, c, payout, popularity));
    return *this;
}

TestRace& TestRace::PaidTrifecta(int k, int a, int b, int c, long long payout, int popularity) {
    PutField(slot_->HrCopy, 604 + 19 * k, 19,
             Format("%02d%02d%02d%09lld%04d", a, b, c, payout, popularity));
    return *this;
}

double StandardOddsForTests(int fieldSize, int rank) {
    // Rows for 10, 16 and 18 runners; the other sizes in between take the nearest row below.
    static const std::array<double, 18> k10 = {2.0,  3.9,  6.1,  8.7,  11.5,
                                               18.4, 26.8, 38.8, 51.5, 103.4};
    static const std::array<double, 18> k16 = {2.4,  4.4,  6.3,  8.8,  11.6, 15.8,  19.7,  26.9,
                                               32.4, 43.8, 54.0, 62.5, 88.4, 112.1, 139.6, 209.6};
    static const std::array<double, 18> k18 = {2.6,  4.4,   6.5,   9.0,   11.5,  15.2,
                                               18.8, 23.9,  29.7,  38.3,  46.9,  68.0,
                                               65.3, 112.1, 124.1, 127.1, 126.3, 97.2};
    if (fieldSize < 10 || fieldSize > 18 || rank < 1 || rank > fieldSize) return 0.0;
    const auto& row = fieldSize >= 18 ? k18 : fieldSize >= 16 ? k16 : k10;
    return row[static_cast<size_t>(rank - 1)];
}

std::vector<std::string> TableRows(const TextGrid& table) {
    std::vector<std::string> rows;
    for (int r = 0; r < table.RowCount(); ++r) {
        std::string line;
        for (int c = 0; c < table.ColCount(); ++c)
            line += table.Cell(c, r) + "|";
        rows.push_back(line);
    }
    return rows;
}

}  // namespace kagiroi::test
