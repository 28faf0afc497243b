#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace kagiroi::fuzz {

// One fuzz target: its seeds and the check it makes of one input. The check calls Fail when an
// invariant does not hold; a crash or a sanitizer report is a failure as well.
struct FuzzTarget {
    const char* name;
    std::function<std::vector<std::string>()> seeds;
    std::function<void(const std::string& input)> check;
};

// Stops the run: writes the input beside the current folder for replay and aborts.
[[noreturn]] void Fail(const std::string& what);

// Mutates inputs deterministically: the same seed gives the same sequence of inputs.
class Mutator {
  public:
    Mutator(uint64_t seed, std::vector<std::string> seeds);
    std::string Next();

  private:
    void MutateOnce(std::string& data);
    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(random_() % n); }

    std::mt19937_64 random_;
    std::vector<std::string> seeds_;
};

// Runs every seed, then `runs` mutated inputs through the target; returns the number of seeds.
size_t RunTarget(const FuzzTarget& target, uint64_t runs, uint64_t seed);
// Replays one saved input.
void ReplayInput(const FuzzTarget& target, const std::string& input);

}  // namespace kagiroi::fuzz
