#include "platform/Format.h"

#include <cstdarg>
#include <cstdio>

namespace kagiroi {

std::string Format(const char* pattern, ...) {
    char small[128];
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, pattern, args);
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
        std::vsnprintf(out.data(), out.size(), pattern, copy);
        out.resize(static_cast<size_t>(n));
    }
    va_end(copy);
    return out;
}

}  // namespace kagiroi
