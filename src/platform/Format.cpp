#include "platform/Format.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#ifndef _WIN32
#include <locale.h>
#endif

namespace kagiroi {

namespace {

// The window's toolkit applies the user's locale to the whole process; the program's number
// texts are data (read back from cells and files), so they are always written with a point.
#ifdef _WIN32
// The system's own printf rounds a tie such as 6.25 away from zero, while every other system
// rounds the exact value to even ("6.2"); cell texts must not change with the system. MinGW's
// own printf rounds as the others do, but takes the decimal mark from the C locale.
int FormatInto(char* out, size_t size, const char* pattern, va_list args) {
    const char* mark = std::localeconv()->decimal_point;
    if (mark != nullptr && mark[0] == '.' && mark[1] == '\0')
        return __mingw_vsnprintf(out, size, pattern, args);
    static const _locale_t classic = _create_locale(LC_NUMERIC, "C");
    va_list copy;
    va_copy(copy, args);
    int n = _vscprintf_l(pattern, classic, copy);
    va_end(copy);
    if (n >= 0 && static_cast<size_t>(n) < size) _vsnprintf_l(out, size, pattern, classic, args);
    return n;
}
#else
int FormatInto(char* out, size_t size, const char* pattern, va_list args) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    locale_t previous = uselocale(classic);
    int n = std::vsnprintf(out, size, pattern, args);
    uselocale(previous);
    return n;
}
#endif

}  // namespace

std::string Format(const char* pattern, ...) {
    char small[128];
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    int n = FormatInto(small, sizeof small, pattern, args);
    va_end(args);
    std::string out;
    if (n < 0) {
        va_end(copy);
        return out;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else {
        out.resize(static_cast<size_t>(n) + 1);
        FormatInto(out.data(), out.size(), pattern, copy);
        out.resize(static_cast<size_t>(n));
    }
    va_end(copy);
    return out;
}

std::string GroupedDigits(long long value) {
    std::string digits = Format("%lld", value);
    std::string grouped;
    for (size_t k = 0; k < digits.size(); ++k) {
        bool groupStart = k > 0 && digits[k - 1] != '-' && (digits.size() - k) % 3 == 0;
        if (groupStart) grouped += ',';
        grouped += digits[k];
    }
    return grouped;
}

}  // namespace kagiroi
