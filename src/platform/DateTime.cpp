#include "platform/DateTime.h"

#include "platform/Format.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <vector>

namespace kagiroi {

int64_t DaysFromCivil(int year, int month, int day) {
    int64_t y = year - (month <= 2 ? 1 : 0);
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t mp = (month + 9) % 12;
    int64_t doy = (153 * mp + 2) / 5 + day - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateTime CivilFromDays(int64_t days) {
    days += 719468;
    int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    int64_t doe = days - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = yoe + era * 400;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t d = doy - (153 * mp + 2) / 5 + 1;
    int64_t m = mp < 10 ? mp + 3 : mp - 9;
    DateTime t;
    t.year = static_cast<int>(y + (m <= 2 ? 1 : 0));
    t.month = static_cast<int>(m);
    t.day = static_cast<int>(d);
    return t;
}

int64_t ToSerialSeconds(const DateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

DateTime FromSerialSeconds(int64_t seconds) {
    int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    int64_t rest = seconds - days * 86400;
    DateTime t = CivilFromDays(days);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

DateTime AddDays(const DateTime& t, int days) {
    return AddSeconds(t, int64_t{days} * 86400);
}

DateTime AddSeconds(const DateTime& t, int64_t seconds) {
    return FromSerialSeconds(ToSerialSeconds(t) + seconds);
}

int DayOfWeek(const DateTime& t) {
    int64_t d = DaysFromCivil(t.year, t.month, t.day);  // 1970-01-01 was a Thursday
    return static_cast<int>(((d % 7) + 7 + 4) % 7);
}

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

int Compare(const DateTime& a, const DateTime& b) {
    int64_t x = ToSerialSeconds(a), y = ToSerialSeconds(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

std::string FormatDateTime(const DateTime& t, std::string_view pattern) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        auto c = static_cast<unsigned char>(pattern[i]);
        if (IsSjisLeadByte(c) && i + 1 < pattern.size()) {
            out.append(pattern.substr(i, 2));
            i += 2;
            continue;
        }
        std::string_view rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            out += Format("%04d", t.year);
            i += 4;
        } else if (rest.starts_with("yy")) {
            out += Format("%02d", t.year % 100);
            i += 2;
        } else if (rest.starts_with("mm")) {
            out += Format("%02d", t.month);
            i += 2;
        } else if (rest.starts_with("dd")) {
            out += Format("%02d", t.day);
            i += 2;
        } else if (rest.starts_with("hh")) {
            out += Format("%02d", t.hour);
            i += 2;
        } else if (rest.starts_with("nn")) {
            out += Format("%02d", t.minute);
            i += 2;
        } else if (rest.starts_with("ss")) {
            out += Format("%02d", t.second);
            i += 2;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

namespace {

// Splits on any of the separators; empty pieces are kept so "1//2" fails.
std::vector<std::string> SplitOn(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

bool ReadNumber(const std::string& piece, size_t maxDigits, int& value) {
    if (piece.empty() || piece.size() > maxDigits || !IsDigits(piece)) return false;
    value = ToInt(piece);
    return true;
}

bool IsValidTime(const DateTime& t) {
    return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
           t.second < 60;
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text) {
    std::string trimmed = Trim(text);
    size_t space = trimmed.find(' ');
    std::string datePart = trimmed.substr(0, space);
    std::string timePart = space == std::string::npos ? std::string() : Trim(trimmed.substr(space));
    std::vector<std::string> d = SplitOn(datePart, '/');
    if (d.size() != 3) return std::nullopt;
    DateTime t;
    if (!ReadNumber(d[0], 4, t.year) || !ReadNumber(d[1], 2, t.month) ||
        !ReadNumber(d[2], 2, t.day))
        return std::nullopt;
    if (!IsValidDate(t.year, t.month, t.day)) return std::nullopt;
    if (!timePart.empty()) {
        std::vector<std::string> h = SplitOn(timePart, ':');
        if (h.size() < 2 || h.size() > 3) return std::nullopt;
        if (!ReadNumber(h[0], 2, t.hour) || !ReadNumber(h[1], 2, t.minute)) return std::nullopt;
        if (h.size() == 3 && !ReadNumber(h[2], 2, t.second)) return std::nullopt;
        if (!IsValidTime(t)) return std::nullopt;
    }
    return t;
}

std::optional<DateTime> ParseCompactDateTime(std::string_view text) {
    if ((text.size() != 14 && text.size() != 8) || !IsDigits(text)) return std::nullopt;
    DateTime t;
    t.year = ToInt(text.substr(0, 4));
    t.month = ToInt(text.substr(4, 2));
    t.day = ToInt(text.substr(6, 2));
    if (text.size() == 14) {
        t.hour = ToInt(text.substr(8, 2));
        t.minute = ToInt(text.substr(10, 2));
        t.second = ToInt(text.substr(12, 2));
    }
    if (!IsValidDate(t.year, t.month, t.day) || !IsValidTime(t)) return std::nullopt;
    return t;
}

std::optional<DateTime> ParseIsoDateTime(std::string_view text) {
    std::string s = Trim(text);
    if (s.size() != 19 || s[4] != '-' || s[7] != '-' || (s[10] != 'T' && s[10] != ' ') ||
        s[13] != ':' || s[16] != ':')
        return std::nullopt;
    std::string compact = s.substr(0, 4) + s.substr(5, 2) + s.substr(8, 2) + s.substr(11, 2) +
                          s.substr(14, 2) + s.substr(17, 2);
    return ParseCompactDateTime(compact);
}

int MinutesOfDay(std::string_view hhmm) {
    return ToInt(Field(hhmm, 1, 2)) * 60 + ToInt(Field(hhmm, 3, 2));
}

}  // namespace kagiroi
