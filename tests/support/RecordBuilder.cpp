#include "support/RecordBuilder.h"

#include <cstdio>
#include <stdexcept>

namespace kagiroi::test {

RecordBuilder::RecordBuilder(const std::string& kind, int length)
    : record_(static_cast<size_t>(length), ' ') {
    if (length < 4) throw std::invalid_argument("record too short");
    record_[static_cast<size_t>(length) - 2] = '\r';
    record_[static_cast<size_t>(length) - 1] = '\n';
    Put(1, kind, 2);
}

RecordBuilder& RecordBuilder::Put(int pos, const std::string& value, int len) {
    if (len == 0) len = static_cast<int>(value.size());
    if (pos < 1 || static_cast<size_t>(pos - 1 + len) > record_.size() - 2)
        throw std::out_of_range("field outside the record");
    std::string field = value.substr(0, static_cast<size_t>(len));
    field.resize(static_cast<size_t>(len), ' ');
    record_.replace(static_cast<size_t>(pos - 1), static_cast<size_t>(len), field);
    return *this;
}

RecordBuilder& RecordBuilder::PutNumber(int pos, long long value, int len) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", len, value);
    return Put(pos, buffer, len);
}

RecordBuilder& RecordBuilder::Key(const std::string& yyyymmdd, const std::string& course,
                                  int meeting, int day, int race) {
    Put(12, yyyymmdd, 8);
    Put(20, course, 2);
    PutNumber(22, meeting, 2);
    PutNumber(24, day, 2);
    PutNumber(26, race, 2);
    return *this;
}

}  // namespace kagiroi::test
