#include "demo/DemoOddsRecords.h"

#include "daystore/RecordLayout.h"
#include "demo/DemoCalendar.h"
#include "demo/DemoRecordWriter.h"

namespace kagiroi {

namespace {

char CancelMark(DemoOddsState state) {
    return state == DemoOddsState::CancelledBeforeSale ? '-' : '*';
}

bool IsCancelled(DemoOddsState state) {
    return state == DemoOddsState::CancelledBeforeSale ||
           state == DemoOddsState::CancelledAfterSale;
}

// An odds field and its popularity field, as the odds' state writes them.
void WriteOdds(DemoRecordWriter& w, FieldPos at, FieldPos popularity, const DemoOdds& odds) {
    if (odds.state == DemoOddsState::Price) {
        w.Digits(at, odds.tenths);
        w.Digits(popularity, odds.popularity);
    } else if (odds.state == DemoOddsState::NoVotes) {
        w.Zeros(at.pos, at.len);
        w.Zeros(popularity.pos, popularity.len);
    } else if (IsCancelled(odds.state)) {
        w.Fill(at.pos, at.len, CancelMark(odds.state));
        w.Fill(popularity.pos, popularity.len, CancelMark(odds.state));
    }
}

void WriteOddsHead(DemoRecordWriter& w, const DemoRace& race, const DemoOddsBook& book) {
    w.Head(book.final ? '4' : '1', DateTimeOfMinute(book.announcement));
    w.RaceKey(race.card);
    w.MonthDayTime(28, book.announcement);
    w.Digits(36, 2, book.registered);
    w.Digits(38, 2, book.starters);
}

void WriteWinAndPlace(DemoRecordWriter& w, const DemoOddsBook& book) {
    for (int h = 1; h <= book.registered && h <= O1::kWinEntries; ++h) {
        w.Digits(O1::WinHorse.At(h), h);
        WriteOdds(w, O1::WinOdds.At(h), O1::WinPopularity.At(h), book.win[static_cast<size_t>(h)]);
        const DemoPlaceOdds& p = book.place[static_cast<size_t>(h)];
        w.Digits(O1::PlaceHorse.At(h), h);
        if (p.state == DemoOddsState::Price) {
            w.Digits(O1::PlaceLow.At(h), p.low);
            w.Digits(O1::PlaceHigh.At(h), p.high);
            w.Digits(O1::PlacePopularity.At(h), p.popularity);
        } else if (IsCancelled(p.state)) {
            w.Fill(O1::PlaceLow.At(h).pos, 10, CancelMark(p.state));
        }
    }
}

void WriteBrackets(DemoRecordWriter& w, const DemoOddsBook& book) {
    if (!book.bracketSold) return;
    int e = 0;
    for (int i = 1; i <= 8; ++i)
        for (int j = i; j <= 8; ++j) {
            int at = O1::BracketPair.At(++e).pos;
            w.Digits(at, 1, i);
            w.Digits(at + 1, 1, j);
            WriteOdds(w, O1::BracketOdds.At(e), O1::BracketPopularity.At(e),
                      book.bracket[static_cast<size_t>(e)]);
        }
}

}  // namespace

std::string DemoO1Record(const DemoRace& race, const DemoOddsBook& book) {
    DemoRecordWriter w("O1", kO1Length);
    WriteOddsHead(w, race, book);
    w.Char(40, '7');  // win, place and bracket sold
    w.Char(41, '7');
    w.Char(42, book.bracketSold ? '7' : '0');
    w.Digits(43, 1, book.placesPaid);
    WriteWinAndPlace(w, book);
    WriteBrackets(w, book);
    w.Digits(928, 11, book.winVotes);
    w.Digits(939, 11, book.placeVotes);
    w.Digits(950, 11, book.bracketVotes);
    return w.Take();
}

std::string DemoO5Record(const DemoRace& race, const DemoOddsBook& book) {
    DemoRecordWriter w("O5", kO5Length);
    WriteOddsHead(w, race, book);
    w.Char(40, '7');
    int index = 0;
    for (int i = 1; i <= kMaxRunners; ++i)
        for (int j = i + 1; j <= kMaxRunners; ++j)
            for (int k = j + 1; k <= kMaxRunners; ++k) {
                const DemoOdds& odds = book.trio[static_cast<size_t>(++index)];
                if (odds.state == DemoOddsState::Absent) continue;
                int at = O5::Combination.At(index).pos;
                w.Digits(at, 2, i);
                w.Digits(at + 2, 2, j);
                w.Digits(at + 4, 2, k);
                WriteOdds(w, O5::TrioOdds.At(index), O5::Popularity.At(index), odds);
            }
    w.Digits(O5::TotalVotes, book.trioVotes);
    return w.Take();
}

std::string DemoO6Record(const DemoRace& race, const DemoOddsBook& book) {
    DemoRecordWriter w("O6", kO6Length);
    WriteOddsHead(w, race, book);
    w.Char(40, '7');
    int index = 0;
    for (int a = 1; a <= kMaxRunners; ++a)
        for (int b = 1; b <= kMaxRunners; ++b)
            for (int c = 1; c <= kMaxRunners; ++c) {
                if (a == b || b == c || a == c) continue;
                const DemoOdds& odds = book.trifecta[static_cast<size_t>(++index)];
                if (odds.state == DemoOddsState::Absent) continue;
                int at = O6::Combination.At(index).pos;
                w.Digits(at, 2, a);
                w.Digits(at + 2, 2, b);
                w.Digits(at + 4, 2, c);
                WriteOdds(w, O6::TrifectaOdds.At(index), O6::Popularity.At(index), odds);
            }
    w.Digits(O6::TotalVotes, book.trifectaVotes);
    return w.Take();
}

}  // namespace kagiroi
