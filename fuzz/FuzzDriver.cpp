#include "FuzzDriver.h"

#include <cstdio>
#include <cstdlib>

namespace kagiroi::fuzz {

namespace {

const std::string* gCurrentInput = nullptr;
const char* gCurrentTarget = "";

// Bytes that matter to the readers: line ends, blanks, digits, Shift_JIS lead bytes, brackets.
constexpr char kInteresting[] = {'\r', '\n',   ' ',    '0',    '9',    '=',    '[',    ']', ';',
                                 '"',  '\x81', '\x82', '\xA2', '\xA3', '\x00', '\xFF', '/', '.'};

}  // namespace

void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz %s: %s\n", gCurrentTarget, what.c_str());
    if (gCurrentInput != nullptr) {
        std::string name = std::string("fuzz-failure-") + gCurrentTarget + ".bin";
        if (FILE* out = std::fopen(name.c_str(), "wb")) {
            std::fwrite(gCurrentInput->data(), 1, gCurrentInput->size(), out);
            std::fclose(out);
            std::fprintf(stderr, "input saved as %s\n", name.c_str());
        }
    }
    std::abort();
}

Mutator::Mutator(uint64_t seed, std::vector<std::string> seeds)
    : random_(seed), seeds_(std::move(seeds)) {
    if (seeds_.empty()) seeds_.emplace_back();
}

std::string Mutator::Next() {
    std::string data = seeds_[Below(seeds_.size())];
    int mutations = 1 + static_cast<int>(Below(8));
    for (int i = 0; i < mutations; ++i)
        MutateOnce(data);
    return data;
}

void Mutator::MutateOnce(std::string& data) {
    size_t at = Below(data.size() + 1);
    switch (Below(8)) {
        case 0:  // flip a bit
            if (!data.empty()) data[Below(data.size())] ^= static_cast<char>(1u << Below(8));
            break;
        case 1:  // an interesting byte
            if (!data.empty()) data[Below(data.size())] = kInteresting[Below(sizeof kInteresting)];
            break;
        case 2:  // insert a few bytes
            data.insert(at, 1 + Below(4), kInteresting[Below(sizeof kInteresting)]);
            break;
        case 3:  // cut a piece out
            data.erase(at, 1 + Below(data.size() / 4 + 1));
            break;
        case 4:  // truncate
            data.resize(Below(data.size() + 1));
            break;
        case 5: {  // repeat a piece
            size_t from = Below(data.size() + 1);
            data.insert(at, data.substr(from, Below(64)));
            break;
        }
        case 6: {  // splice in a piece of another seed
            const std::string& other = seeds_[Below(seeds_.size())];
            size_t from = Below(other.size() + 1);
            data.insert(at, other.substr(from, Below(other.size() - from + 1)));
            break;
        }
        default:  // a random byte
            if (!data.empty()) data[Below(data.size())] = static_cast<char>(random_());
            break;
    }
}

size_t RunTarget(const FuzzTarget& target, uint64_t runs, uint64_t seed) {
    gCurrentTarget = target.name;
    std::vector<std::string> seeds = target.seeds();
    // Every seed as it is first: the readers must take good data without complaint.
    for (const std::string& s : seeds) {
        gCurrentInput = &s;
        target.check(s);
    }
    size_t count = seeds.size();
    Mutator mutator(seed, std::move(seeds));
    for (uint64_t done = 0; done < runs; ++done) {
        std::string input = mutator.Next();
        gCurrentInput = &input;
        target.check(input);
    }
    gCurrentInput = nullptr;
    return count;
}

void ReplayInput(const FuzzTarget& target, const std::string& input) {
    gCurrentTarget = target.name;
    gCurrentInput = &input;
    target.check(input);
    gCurrentInput = nullptr;
}

}  // namespace kagiroi::fuzz
