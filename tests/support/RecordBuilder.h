#pragma once

#include <string>

namespace kagiroi::test {

// Builds a fixed-length record: blanks of the full length (CR LF at its end), with fields put at
// 1-based byte positions. `length` counts the CR LF, as the record lengths of the data do.
class RecordBuilder {
  public:
    RecordBuilder(const std::string& kind, int length);
    // Puts `value` at `pos`, cut or blank-padded to `len` bytes (len 0: the value's own length).
    RecordBuilder& Put(int pos, const std::string& value, int len = 0);
    // Puts a number right-aligned with leading zeros in `len` bytes.
    RecordBuilder& PutNumber(int pos, long long value, int len);
    // The race key fields: year, month-day, course code, meeting, day, race number at 12..27.
    RecordBuilder& Key(const std::string& yyyymmdd, const std::string& course, int meeting = 1,
                       int day = 1, int race = 1);
    const std::string& Text() const { return record_; }
    operator std::string() const { return record_; }

  private:
    std::string record_;
};

}  // namespace kagiroi::test
