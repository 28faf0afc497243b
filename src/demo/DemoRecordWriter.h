#pragma once

#include "daystore/RecordFields.h"
#include "platform/DateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kagiroi {

struct DemoRaceCard;

// Builds one fixed-length record: blanks of the full length ending in CR LF, fields written at
// 1-based byte positions. Digit fields are zero-padded, full-width texts padded with full-width
// spaces, other texts with blanks.
class DemoRecordWriter {
  public:
    DemoRecordWriter(std::string_view kind, int length);

    void Digits(int pos, int len, int64_t value);  // the last `len` digits of a value >= 0
    void Zeros(int pos, int len) { Fill(pos, len, '0'); }
    void Fill(int pos, int len, char c);
    void Text(int pos, int len, std::string_view text);
    void Wide(int pos, int len, std::string_view sjisText);
    void Char(int pos, char c) { record_[static_cast<size_t>(pos - 1)] = c; }
    // The same at a field the program reads.
    void Digits(FieldPos f, int64_t value) { Digits(f.pos, f.len, value); }
    void Text(FieldPos f, std::string_view text) { Text(f.pos, f.len, text); }
    void Wide(FieldPos f, std::string_view sjisText) { Wide(f.pos, f.len, sjisText); }

    // Data kind (3) and creation date yyyymmdd (4).
    void Head(char dataKind, const DateTime& created);
    // Year, month-day, course, meeting, day and race number at 12..27.
    void RaceKey(const DemoRaceCard& card);
    // Month, day, hour and minute "mmddhhmm" of a minute since 1970.
    void MonthDayTime(int pos, int64_t minute);

    const std::string& Text() const { return record_; }
    std::string Take() { return std::move(record_); }

  private:
    std::string record_;
};

}  // namespace kagiroi
