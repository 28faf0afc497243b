#include "odds/RankKeyText.h"

#include "platform/Format.h"

#include <cmath>

namespace kagiroi {

namespace {

constexpr int kMaxWidth = 10;

}  // namespace

std::string RightAlignedNumber(int value, int width) {
    if (value < 0 || width < 1 || width > kMaxWidth) return Format("%*d", width, value);
    std::string text(static_cast<size_t>(width), ' ');
    int at = width - 1;
    int rest = value;
    do {
        if (at < 0) return Format("%*d", width, value);  // wider than the field
        text[static_cast<size_t>(at--)] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    return text;
}

// Odds fields read as tenths, so the value is a whole number of tenths, which "%.1f" shows
// exactly; other values go through Format.
std::string OddsKeyText(double odds) {
    if (std::signbit(odds) || !(odds < 10000.0)) {
        if (odds == -1.0) return "  -1.0";
        if (odds == -2.0) return "  -2.0";
        return Format("%6.1f", odds);
    }
    long long tenths = std::llround(odds * 10);
    if (static_cast<double>(tenths) / 10.0 != odds) return Format("%6.1f", odds);
    return RightAlignedNumber(static_cast<int>(tenths / 10), 4) + "." +
           static_cast<char>('0' + tenths % 10);
}

}  // namespace kagiroi
