#include "demo/DemoOddsRecords.h"

#include "daystore/RecordLayout.h"
#include "demo/DemoCalendar.h"
#include "demo/DemoRecordWriter.h"

namespace kagiroi {

namespace {

constexpr int kO1WinEntries = 28;
constexpr int kO5Entries = 41;
constexpr int kO6Entries = 41;

char CancelMark(DemoOddsState state) {
    return state == DemoOddsState::CancelledBeforeSale ? '-' : '*';
}

bool IsCancelled(DemoOddsState state) {
    return state == DemoOddsState::CancelledBeforeSale ||
           state == DemoOddsState::CancelledAfterSale;
}

// An odds field and its popularity field, as the odds' state writes them.
void WriteOdds(DemoRecordWriter& w, int pos, int len, int popPos, int popLen,
               const DemoOdds& odds) {
    if (odds.state == DemoOddsState::Price) {
        w.Digits(pos, len, odds.tenths);
        w.Digits(popPos, popLen, odds.popularity);
    } else if (odds.state == DemoOddsState::NoVotes) {
        w.Zeros(pos, len);
        w.Zeros(popPos, popLen);
    } else if (IsCancelled(odds.state)) {
        w.Fill(pos, len, CancelMark(odds.state));
        w.Fill(popPos, popLen, CancelMark(odds.state));
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
    for (int h = 1; h <= book.registered && h <= kO1WinEntries; ++h) {
        int win = 44 + 8 * (h - 1);
        w.Digits(win, 2, h);
        WriteOdds(w, win + 2, 4, win + 6, 2, book.win[static_cast<size_t>(h)]);
        int place = 268 + 12 * (h - 1);
        const DemoPlaceOdds& p = book.place[static_cast<size_t>(h)];
        w.Digits(place, 2, h);
        if (p.state == DemoOddsState::Price) {
            w.Digits(place + 2, 4, p.low);
            w.Digits(place + 6, 4, p.high);
            w.Digits(place + 10, 2, p.popularity);
        } else if (IsCancelled(p.state)) {
            w.Fill(place + 2, 10, CancelMark(p.state));
        }
    }
}

void WriteBrackets(DemoRecordWriter& w, const DemoOddsBook& book) {
    if (!book.bracketSold) return;
    int e = 0;
    for (int i = 1; i <= 8; ++i)
        for (int j = i; j <= 8; ++j) {
            int at = 604 + 9 * e++;
            w.Digits(at, 1, i);
            w.Digits(at + 1, 1, j);
            WriteOdds(w, at + 2, 5, at + 7, 2, book.bracket[static_cast<size_t>(e)]);
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
                int at = kO5Entries + 15 * (index - 1);
                w.Digits(at, 2, i);
                w.Digits(at + 2, 2, j);
                w.Digits(at + 4, 2, k);
                WriteOdds(w, at + 6, 6, at + 12, 3, odds);
            }
    w.Digits(12281, 11, book.trioVotes);
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
                int at = kO6Entries + 17 * (index - 1);
                w.Digits(at, 2, a);
                w.Digits(at + 2, 2, b);
                w.Digits(at + 4, 2, c);
                WriteOdds(w, at + 6, 7, at + 13, 4, odds);
            }
    w.Digits(83273, 11, book.trifectaVotes);
    return w.Take();
}

}  // namespace kagiroi
