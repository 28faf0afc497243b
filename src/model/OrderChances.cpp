#include "model/OrderChances.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

OrderChances::OrderChances(const std::vector<double>& win, const ModelParameters& parameters) {
    for (size_t h = 1; h < win.size() && h < kSlots; ++h) {
        if (!(win[h] > 0)) continue;
        win_[h] = win[h];
        second_[h] = std::pow(win[h], parameters.lambda);
        third_[h] = std::pow(win[h], parameters.tau);
        secondSum_ += second_[h];
        thirdSum_ += third_[h];
    }
}

double OrderChances::FirstThree(int a, int b, int c) const {
    if (a == b || a == c || b == c || !Valid(a) || !Valid(b) || !Valid(c)) return 0.0;
    double secondRest = secondSum_ - second_[a];
    double thirdRest = thirdSum_ - third_[a] - third_[b];
    if (secondRest <= 0 || thirdRest <= 0) return 0.0;
    // The sums less a part can miss the last runner's own share by a rounding: a place never
    // takes more than all of what is left.
    return win_[a] * std::min(1.0, second_[b] / secondRest) * std::min(1.0, third_[c] / thirdRest);
}

double OrderChances::Trio(int a, int b, int c) const {
    return FirstThree(a, b, c) + FirstThree(a, c, b) + FirstThree(b, a, c) + FirstThree(b, c, a) +
           FirstThree(c, a, b) + FirstThree(c, b, a);
}

}  // namespace kagiroi
