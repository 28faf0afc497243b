#pragma once

#include "records/Backtest.h"
#include "records/DayReplay.h"

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// A setting a sweep can vary, named as in the settings file (Section/Key).
struct SweepParameter;

// One --set of a sweep: a setting and the values to try, in the order given.
struct SweepAxis {
    const SweepParameter* parameter = nullptr;
    std::string name;                 // Section/Key
    std::vector<std::string> values;  // as typed
};

// Reads "Section/Key=V1,V2,..."; nothing (with the reason in `error`) for a key that is not a
// setting a sweep can vary or a value outside the setting's range.
std::optional<SweepAxis> ParseSweepAxis(const std::string& text, std::string* error);

// The names of the settings a sweep can vary, for the help and the refusal; and one by one,
// in the same order, for a list to choose from.
std::string SweepParameterNames();
std::vector<std::string> SweepParameterKeys();

inline constexpr int kMaxSweepCombinations = 1000;

// The axes of "Section/Key=V1,V2,..." texts, in order; nothing (with the reason in `error`)
// for a wrong one, for none at all, or for more than kMaxSweepCombinations combinations.
std::optional<std::vector<SweepAxis>> ParseSweepAxes(const std::vector<std::string>& texts,
                                                     std::string* error);

// Which net a sweep counts: the trio, the trifecta, or both bet together.
enum class SweepNets { Trio, Trifecta, Both };

// What one combination of values did before the split day (in-sample) and from it on.
struct SweepRow {
    std::vector<std::string> values;  // one per axis, as typed
    BetRecord inSample, outOfSample;
};

struct SweepResult {
    std::vector<std::string> names;  // the axes' Section/Key
    std::string split;               // yyyymmdd: the first out-of-sample day
    std::vector<SweepRow> rows;      // sorted by the in-sample return rate, best first
    // Replayed at the odds of the moment of betting: the races that had an announcement for
    // it, and those left with their stored odds (each race once, whatever the combinations).
    bool bettime = false;
    int racesAtBettime = 0, racesAtStoredOdds = 0;
};

// The backtest of every combination of the axes' values over the stored days, each day read
// once and replayed for every combination; days run side by side on `jobs` threads. Nothing
// is stored and no setting is written. `split` is a day text of the range (the middle day
// when empty). The combinations must number at most kMaxSweepCombinations. False from
// `progress` stops the run between two combinations of the days under way; the result is
// then incomplete.
SweepResult RunSweep(const std::vector<ReplayDay>& days, const ReplaySource& source,
                     const std::vector<SweepAxis>& axes, const std::string& split, SweepNets nets,
                     int jobs, const std::function<bool(int daysDone)>& progress);

// How many combinations the axes make (capped just above the limit).
long long SweepCombinationCount(const std::vector<SweepAxis>& axes);

// The sweep as a table (header row first) and as CSV (Shift_JIS, CR LF).
std::vector<std::vector<std::string>> SweepTable(const SweepResult& result);
std::string SweepCsv(const SweepResult& result);
// Which odds the sweep replayed, as the line under its table.
std::string SweepOddsText(const SweepResult& result);

}  // namespace kagiroi
