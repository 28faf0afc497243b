// Cost of one text-to-index lookup, for valid texts (cycling over every combination, so the
// lookup cannot settle on one cached entry) and for texts that are not combinations.

#include "racing/KeibaFunc.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace kagiroi {
namespace {

std::vector<std::string> AllTexts(int count, std::string (*byIndex)(int)) {
    std::vector<std::string> texts;
    for (int index = 1; index <= count; ++index)
        texts.push_back(byIndex(index));
    return texts;
}

// Wrong length, missing blanks, other separators, repeated or out-of-range horses, and (for
// the trio) numbers out of order.
const std::vector<std::string>& InvalidTexts() {
    static const std::vector<std::string> texts = {
        "",         "19",       " 0",       "1- 2- 3",  " 1- 2- 3 ", "01-02-03", " 1/ 2/ 3",
        " 1- 2-19", " 0- 1- 2", " 1- 1- 2", " 5- 5- 5", "19-18-17",  " 3- 2- 1", "18-17-16",
    };
    return texts;
}

void Cycle(benchmark::State& state, const std::vector<std::string>& texts,
           int (*lookUp)(std::string_view)) {
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookUp(texts[next]));
        if (++next == texts.size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TrioIndexValid(benchmark::State& state) {
    static const std::vector<std::string> texts = AllTexts(kTrioCount, TrioByIndex);
    Cycle(state, texts, TrioIndex);
}

void BM_TrioIndexInvalid(benchmark::State& state) {
    Cycle(state, InvalidTexts(), TrioIndex);
}

void BM_TrifectaIndexValid(benchmark::State& state) {
    static const std::vector<std::string> texts = AllTexts(kTrifectaCount, TrifectaByIndex);
    Cycle(state, texts, TrifectaIndex);
}

void BM_TrifectaIndexInvalid(benchmark::State& state) {
    // " 3- 2- 1" and "18-17-16" are trifectas: leave them out here.
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> invalid;
        for (const std::string& text : InvalidTexts())
            if (TrifectaIndex(text) == 0) invalid.push_back(text);
        return invalid;
    }();
    Cycle(state, texts, TrifectaIndex);
}

BENCHMARK(BM_TrioIndexValid);
BENCHMARK(BM_TrioIndexInvalid);
BENCHMARK(BM_TrifectaIndexValid);
BENCHMARK(BM_TrifectaIndexInvalid);

}  // namespace
}  // namespace kagiroi
