#pragma once

#include <cstdint>
#include <initializer_list>

namespace kagiroi {

// A small seeded generator (splitmix64) with its own uniform and normal draws, so that the demo
// service gives the same races on every machine and with every library version.
class DemoRandom {
  public:
    explicit DemoRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next();
    double Uniform();                 // [0, 1)
    int Between(int low, int high);   // low..high inclusive
    bool Chance(double probability);  // true with that probability
    double Normal();                  // mean 0, deviation 1 (polar method)
    double Gumbel();                  // standard Gumbel, for drawing finishing orders

  private:
    uint64_t state_;
};

// One seed from several keys (date, course, race, purpose...).
uint64_t DemoSeed(std::initializer_list<uint64_t> keys);

// exp and log from plain arithmetic: the library's versions may differ in their last bit.
double DemoExp(double x);
double DemoLog(double x);

}  // namespace kagiroi
