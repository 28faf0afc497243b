#include "demo/DemoHarville.h"

#include "racing/Harville.h"

namespace kagiroi {

namespace {

size_t Cell(int a, int b, int c) {
    return (static_cast<size_t>(a) * kDemoHorseSlots + static_cast<size_t>(b)) * kDemoHorseSlots +
           static_cast<size_t>(c);
}

}  // namespace

DemoHarville::DemoHarville(const ByHorse<double>& winShares, int registered)
    : n_(registered),
      p_(winShares),
      third_(static_cast<size_t>(kDemoHorseSlots) * kDemoHorseSlots * kDemoHorseSlots, 0.0) {
    for (int a = 1; a <= n_; ++a)
        for (int b = 1; b <= n_; ++b)
            for (int c = 1; c <= n_; ++c)
                third_[Cell(a, b, c)] = HarvilleFirstThree(p_, a, b, c);
}

double DemoHarville::FirstTwo(int a, int b) const {
    return HarvilleFirstTwo(p_, a, b);
}

double DemoHarville::FirstThree(int a, int b, int c) const {
    return third_[Cell(a, b, c)];
}

double DemoHarville::Quinella(int a, int b) const {
    return FirstTwo(a, b) + FirstTwo(b, a);
}

double DemoHarville::Trio(int a, int b, int c) const {
    return FirstThree(a, b, c) + FirstThree(a, c, b) + FirstThree(b, a, c) + FirstThree(b, c, a) +
           FirstThree(c, a, b) + FirstThree(c, b, a);
}

double DemoHarville::Wide(int a, int b) const {
    double sum = 0.0;
    for (int c = 1; c <= n_; ++c)
        if (c != a && c != b) sum += Trio(a, b, c);
    return sum;
}

double DemoHarville::InTop(int a, int places) const {
    double sum = Win(a);
    for (int x = 1; x <= n_; ++x) {
        if (x == a) continue;
        sum += FirstTwo(x, a);
        if (places < 3) continue;
        for (int y = 1; y <= n_; ++y)
            if (y != a && y != x) sum += FirstThree(x, y, a);
    }
    return sum;
}

}  // namespace kagiroi
