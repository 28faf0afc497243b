#include "platform/TextField.h"

#include <charconv>
#include <cstdlib>
#include <limits>

namespace kagiroi {

std::string Field(std::string_view record, int pos, int len) {
    if (len <= 0) return {};
    std::string out(static_cast<size_t>(len), ' ');
    if (pos < 1) return out;
    size_t start = static_cast<size_t>(pos - 1);
    if (start >= record.size()) return out;
    size_t available = std::min(record.size() - start, static_cast<size_t>(len));
    out.replace(0, available, record.substr(start, available));
    return out;
}

void PutField(std::string& record, int pos, int len, std::string_view value) {
    if (pos < 1 || len <= 0) return;
    size_t end = static_cast<size_t>(pos - 1 + len);
    if (record.size() < end) record.resize(end, ' ');
    std::string padded(value.substr(0, static_cast<size_t>(len)));
    padded.resize(static_cast<size_t>(len), ' ');
    record.replace(static_cast<size_t>(pos - 1), static_cast<size_t>(len), padded);
}

namespace {

bool IsBlankByte(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view TrimView(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlankByte(text[b]))
        ++b;
    while (e > b && IsBlankByte(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

}  // namespace

bool TryToInt64(std::string_view text, int64_t& value) {
    std::string_view t = TrimView(text);
    if (t.empty()) return false;
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || !IsDigits(t)) return false;
    uint64_t magnitude = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), magnitude);
    if (ec != std::errc() || ptr != t.data() + t.size()) return false;
    if (magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return false;
    value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

int64_t ToInt64(std::string_view text) {
    int64_t v = 0;
    return TryToInt64(text, v) ? v : 0;
}

int ToIntDef(std::string_view text, int fallback) {
    int64_t v = 0;
    if (!TryToInt64(text, v)) return fallback;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return fallback;
    return static_cast<int>(v);
}

int ToInt(std::string_view text) {
    return ToIntDef(text, 0);
}

bool TryToDouble(std::string_view text, double& value) {
    std::string t(TrimView(text));
    if (t.empty()) return false;
    // Only plain decimal notation: digits with at most one point and an optional sign.
    size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    bool digit = false, point = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit) return false;
    // from_chars reads the point whatever the user's locale says the decimal mark is.
    const char* begin = t.data() + (t[0] == '+' ? 1 : 0);
    return std::from_chars(begin, t.data() + t.size(), value).ec == std::errc{};
}

double ToDouble(std::string_view text) {
    double v = 0.0;
    return TryToDouble(text, v) ? v : 0.0;
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string TrimLeft(std::string_view text) {
    size_t b = 0;
    while (b < text.size() && IsBlankByte(text[b]))
        ++b;
    return std::string(text.substr(b));
}

bool IsBlank(std::string_view text) {
    return TrimView(text).empty();
}

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string Spaces(size_t count) {
    return std::string(count, ' ');
}

}  // namespace kagiroi
