#include "demo/DemoRandom.h"

#include <cmath>

namespace kagiroi {

namespace {

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr double kLn2Hi = 6.93147180369123816490e-01;
constexpr double kLn2Lo = 1.90821492927058770002e-10;

}  // namespace

uint64_t DemoRandom::Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return Mix(state_);
}

double DemoRandom::Uniform() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

int DemoRandom::Between(int low, int high) {
    if (high <= low) return low;
    uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return low + static_cast<int>(Next() % span);
}

bool DemoRandom::Chance(double probability) {
    return Uniform() < probability;
}

double DemoRandom::Normal() {
    for (;;) {
        double u = 2.0 * Uniform() - 1.0;
        double v = 2.0 * Uniform() - 1.0;
        double s = u * u + v * v;
        if (s > 0.0 && s < 1.0) return u * std::sqrt(-2.0 * DemoLog(s) / s);
    }
}

double DemoRandom::Gumbel() {
    double u = Uniform();
    if (u <= 0.0) u = 1e-300;
    return -DemoLog(-DemoLog(u));
}

uint64_t DemoSeed(std::initializer_list<uint64_t> keys) {
    uint64_t seed = 0x4B616769726F6921ULL;
    for (uint64_t key : keys)
        seed = Mix(seed ^ Mix(key + 0x9E3779B97F4A7C15ULL));
    return seed;
}

double DemoExp(double x) {
    if (x > 700.0) return HUGE_VAL;
    if (x < -700.0) return 0.0;
    // x = k ln2 + r with |r| <= ln2/2; exp(r) by its Taylor series.
    double k = std::floor(x / (kLn2Hi + kLn2Lo) + 0.5);
    double r = (x - k * kLn2Hi) - k * kLn2Lo;
    double term = 1.0, sum = 1.0;
    for (int i = 1; i <= 17; ++i) {
        term *= r / i;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

double DemoLog(double x) {
    if (x <= 0.0) return -HUGE_VAL;
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // m in [0.5, 1)
    if (m < 0.70710678118654752) {
        m *= 2.0;
        --exponent;
    }
    // log m = 2 atanh(t), t = (m - 1) / (m + 1), |t| < 0.172.
    double t = (m - 1.0) / (m + 1.0);
    double t2 = t * t, power = t, sum = 0.0;
    for (int i = 1; i <= 39; i += 2) {
        sum += power / i;
        power *= t2;
    }
    return 2.0 * sum + exponent * kLn2Lo + exponent * kLn2Hi;
}

}  // namespace kagiroi
