#include "racing/Harville.h"

#include <cstddef>

namespace kagiroi {

namespace {

bool Named(std::span<const double> win, int horse) {
    return horse >= 1 && static_cast<size_t>(horse) < win.size();
}

double At(std::span<const double> win, int horse) {
    return win[static_cast<size_t>(horse)];
}

}  // namespace

double HarvilleFirstTwo(std::span<const double> win, int a, int b) {
    if (a == b || !Named(win, a) || !Named(win, b)) return 0.0;
    double rest = 1.0 - At(win, a);
    return rest <= 0.0 ? 0.0 : At(win, a) * At(win, b) / rest;
}

double HarvilleFirstThree(std::span<const double> win, int a, int b, int c) {
    if (c == a || c == b || !Named(win, c)) return 0.0;
    if (!Named(win, a) || !Named(win, b) || At(win, a) <= 0.0 || At(win, b) <= 0.0) return 0.0;
    double rest = 1.0 - At(win, a) - At(win, b);
    return rest <= 0.0 ? 0.0 : HarvilleFirstTwo(win, a, b) * At(win, c) / rest;
}

double HarvilleTrio(std::span<const double> win, int a, int b, int c) {
    return HarvilleFirstThree(win, a, b, c) + HarvilleFirstThree(win, a, c, b) +
           HarvilleFirstThree(win, b, a, c) + HarvilleFirstThree(win, b, c, a) +
           HarvilleFirstThree(win, c, a, b) + HarvilleFirstThree(win, c, b, a);
}

}  // namespace kagiroi
