#include "demo/DemoRecordWriter.h"

#include "demo/DemoCalendar.h"
#include "demo/DemoRaceCard.h"

#include <algorithm>

namespace kagiroi {

DemoRecordWriter::DemoRecordWriter(std::string_view kind, int length)
    : record_(static_cast<size_t>(length), ' ') {
    record_[static_cast<size_t>(length) - 2] = '\r';
    record_[static_cast<size_t>(length) - 1] = '\n';
    Text(RaceHead::Kind, kind);
}

void DemoRecordWriter::Digits(int pos, int len, int64_t value) {
    char* p = record_.data() + pos - 1 + len;
    for (int i = 0; i < len; ++i) {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

void DemoRecordWriter::Fill(int pos, int len, char c) {
    record_.replace(static_cast<size_t>(pos - 1), static_cast<size_t>(len),
                    static_cast<size_t>(len), c);
}

void DemoRecordWriter::Text(int pos, int len, std::string_view text) {
    size_t n = std::min(text.size(), static_cast<size_t>(len));
    record_.replace(static_cast<size_t>(pos - 1), n, text.substr(0, n));
}

void DemoRecordWriter::Wide(int pos, int len, std::string_view sjisText) {
    std::string padded(sjisText.substr(0, static_cast<size_t>(len)));
    while (padded.size() + 2 <= static_cast<size_t>(len))
        padded += "　";
    padded.resize(static_cast<size_t>(len), ' ');
    record_.replace(static_cast<size_t>(pos - 1), static_cast<size_t>(len), padded);
}

void DemoRecordWriter::Head(char dataKind, const DateTime& created) {
    Char(RaceHead::DataKind.pos, dataKind);
    Digits(RaceHead::Created, DateNumber(created));
}

void DemoRecordWriter::RaceKey(const DemoRaceCard& card) {
    Digits(RaceHead::Date, DateNumber(card.date));
    Digits(RaceHead::Course, card.meeting.course);
    Digits(RaceHead::Meeting, card.meeting.meeting);
    Digits(RaceHead::DayNumber, card.meeting.dayNumber);
    Digits(RaceHead::RaceNumber, card.race);
}

void DemoRecordWriter::MonthDayTime(int pos, int64_t minute) {
    DateTime t = DateTimeOfMinute(minute);
    Digits(pos, 2, t.month);
    Digits(pos + 2, 2, t.day);
    Digits(pos + 4, 2, t.hour);
    Digits(pos + 6, 2, t.minute);
}

}  // namespace kagiroi
