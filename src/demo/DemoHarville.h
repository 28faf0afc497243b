#pragma once

#include "demo/DemoRaceModel.h"

#include <vector>

namespace kagiroi {

// Order probabilities of the Harville model: a horse wins with its win share p, and each later
// place goes to a remaining horse in proportion to its share among those left.
class DemoHarville {
  public:
    DemoHarville(const ByHorse<double>& winShares, int registered);

    int Registered() const { return n_; }
    double Win(int a) const { return p_[static_cast<size_t>(a)]; }
    double FirstTwo(int a, int b) const;           // a first, b second
    double FirstThree(int a, int b, int c) const;  // a, b, c in this order
    double Quinella(int a, int b) const;           // a and b first and second, either order
    double Trio(int a, int b, int c) const;        // a, b, c the first three, any order
    double Wide(int a, int b) const;               // a and b both among the first three
    double InTop(int a, int places) const;         // a among the first `places` (2 or 3)

  private:
    int n_;
    ByHorse<double> p_;
    std::vector<double> third_;  // FirstThree by (a, b, c)
};

}  // namespace kagiroi
