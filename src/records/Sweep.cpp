#include "records/Sweep.h"

#include "daystore/DayFiles.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "records/WorkerPool.h"
#include "session/DayLoading.h"
#include "session/RaceSession.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>

namespace kagiroi {

// What a combination changes: the replay's settings and every race's amount.
struct SweepSettings {
    RaceSettings settings;
    int amount = 0;
};

struct SweepParameter {
    const char* section;
    const char* key;
    double minimum, maximum;
    bool whole;  // an integer key; otherwise a decimal (the race-pattern bounds)
    void (*apply)(SweepSettings&, double);
};

namespace {

double& Threshold(StrengthThresholds& t, int k) {
    double* bounds[] = {&t.favouriteAtMost1, &t.secondAtLeast1, &t.secondAtMost2,
                        &t.thirdAtLeast2,    &t.thirdAtMost3,   &t.fourthAtLeast3};
    return *bounds[k];
}

template <int K>
void ApplyThreshold(SweepSettings& s, double v) {
    Threshold(s.settings.thresholds, K) = v;
}

constexpr SweepParameter IntParameter(const IntSetting& s, void (*apply)(SweepSettings&, double)) {
    return {s.section, s.key, static_cast<double>(s.minimum), static_cast<double>(s.maximum),
            true,      apply};
}

// Race-pattern bounds are win odds: 1.0 up to the largest odds a record holds.
constexpr double kMaxOdds = 9999.9;

constexpr SweepParameter BoundParameter(const TextSetting& s,
                                        void (*apply)(SweepSettings&, double)) {
    return {s.section, s.key, 1.0, kMaxOdds, false, apply};
}

const SweepParameter kParameters[] = {
    IntParameter(setting::kDefaultAmount,
                 [](SweepSettings& s, double v) { s.amount = static_cast<int>(v); }),
    IntParameter(
        setting::kAllocationMode,
        [](SweepSettings& s, double v) { s.settings.allocationMode = static_cast<int>(v); }),
    IntParameter(setting::kKellyPercent,
                 [](SweepSettings& s, double v) { s.settings.kellyFraction = v / 100.0; }),
    IntParameter(
        setting::kTrioFavourite,
        [](SweepSettings& s, double v) { s.settings.trioFavourite = static_cast<int>(v); }),
    IntParameter(
        setting::kTrifectaFavourite,
        [](SweepSettings& s, double v) { s.settings.trifectaFavourite = static_cast<int>(v); }),
    BoundParameter(setting::kStrong1First, ApplyThreshold<0>),
    BoundParameter(setting::kStrong1Second, ApplyThreshold<1>),
    BoundParameter(setting::kStrong2Second, ApplyThreshold<2>),
    BoundParameter(setting::kStrong2Third, ApplyThreshold<3>),
    BoundParameter(setting::kStrong3Third, ApplyThreshold<4>),
    BoundParameter(setting::kStrong3Fourth, ApplyThreshold<5>),
};

std::string NameOf(const SweepParameter& p) {
    return std::string(p.section) + "/" + p.key;
}

std::vector<std::string> SplitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A value as the parameter takes it: digits for an integer key, a decimal otherwise.
std::optional<double> ValueOf(const SweepParameter& p, const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (p.whole) {
        if (!IsDigits(text) || text.size() > 9) return std::nullopt;
        return static_cast<double>(ToInt64(text));
    }
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// Every combination of the axes' values, the last axis changing fastest.
std::vector<std::vector<size_t>> Combinations(const std::vector<SweepAxis>& axes) {
    std::vector<std::vector<size_t>> all{{}};
    for (const SweepAxis& axis : axes) {
        std::vector<std::vector<size_t>> next;
        for (const auto& partial : all)
            for (size_t v = 0; v < axis.values.size(); ++v) {
                next.push_back(partial);
                next.back().push_back(v);
            }
        all = std::move(next);
    }
    return all;
}

ReplaySource SourceFor(const ReplaySource& base, const std::vector<SweepAxis>& axes,
                       const std::vector<size_t>& choice) {
    SweepSettings s{base.settings, base.settings.defaultAmount};
    for (size_t a = 0; a < axes.size(); ++a)
        axes[a].parameter->apply(s, *ValueOf(*axes[a].parameter, axes[a].values[choice[a]]));
    ReplaySource source = base;
    source.settings = s.settings;
    source.amount = s.amount;
    return source;
}

// A race that has not run yet is not bet.
NetFigures Counted(const RaceFigures& race, SweepNets nets) {
    const auto& [trio, trifecta] = race.nets;
    if (!race.hasResult) return {};
    if (nets == SweepNets::Trio) return trio;
    if (nets == SweepNets::Trifecta) return trifecta;
    return {trio.tickets + trifecta.tickets, trio.stake + trifecta.stake,
            trio.payback + trifecta.payback};
}

// What stakes a combination's races. The net a race's marks extract depends on no setting a
// sweep varies, and the card-only settings (race-pattern bounds, favourite boxes) move no
// figure, so combinations that stake alike share one staking of each race.
struct StakeChoice {
    int allocationMode;
    double kellyFraction;
    int amount;
    bool operator==(const StakeChoice&) const = default;
};

StakeChoice StakeChoiceOf(const ReplaySource& source) {
    return {source.settings.allocationMode, source.settings.kellyFraction,
            source.amount.value_or(source.settings.defaultAmount)};
}

// The distinct stake choices of the combinations, and which one each combination takes.
struct SweepPlan {
    std::vector<StakeChoice> choices;
    std::vector<size_t> choiceOf;  // per combination
};

SweepPlan PlanOf(const std::vector<ReplaySource>& sources) {
    SweepPlan plan;
    for (const ReplaySource& source : sources) {
        StakeChoice choice = StakeChoiceOf(source);
        auto found = std::find(plan.choices.begin(), plan.choices.end(), choice);
        plan.choiceOf.push_back(static_cast<size_t>(found - plan.choices.begin()));
        if (found == plan.choices.end()) plan.choices.push_back(choice);
    }
    return plan;
}

// One day's races for every combination ([combination][race]), and which odds they took.
struct DaySweep {
    std::vector<std::vector<NetFigures>> figures;
    int racesAtBettime = 0, racesAtStoredOdds = 0;
};

// Every race is opened once and staked again for each stake choice. A stop asked for meanwhile
// ends the day between two races: a day of many combinations is too long to finish first.
DaySweep SweepDay(const ReplayDay& day, const std::vector<ReplaySource>& sources,
                  const SweepPlan& plan, SweepNets nets, const std::atomic<bool>& stopped) {
    DaySweep swept;
    swept.figures.resize(sources.size());
    DayLoadProblems problems;
    const ReplaySource& first = sources.front();
    DayLoadSettings load{first.oddsMinutesBefore, first.settings.defaultAmount};
    auto book = LoadStoredDay(first.programFolder, day.day, load, problems);
    if (!book) return swept;
    ReplaySummary odds;
    TakeReplayOdds(*book, first, odds);
    swept.racesAtBettime = odds.racesAtBettime;
    swept.racesAtStoredOdds = odds.racesAtStoredOdds;
    std::vector<NetFigures> staked(plan.choices.size());
    auto visit = [&](const ReplayedRace& race) {
        bool hasResult = RaceHasResult(race.slot);
        for (size_t k = 0; k < plan.choices.size(); ++k) {
            if (race.session != nullptr) {
                const StakeChoice& choice = plan.choices[k];
                race.session->Restake(choice.allocationMode, choice.kellyFraction, choice.amount);
            }
            staked[k] = Counted(FiguresOfRace(race.bets, hasResult), nets);
        }
        for (size_t c = 0; c < sources.size(); ++c)
            swept.figures[c].push_back(staked[plan.choiceOf[c]]);
    };
    ReplayBook(*book, day.dateIndex, first, visit, [&](const ReplayProgress&) { return !stopped; });
    return swept;
}

}  // namespace

std::string SweepParameterNames() {
    std::string names;
    for (const std::string& key : SweepParameterKeys())
        names += (names.empty() ? "" : ", ") + key;
    return names;
}

std::vector<std::string> SweepParameterKeys() {
    std::vector<std::string> keys;
    for (const SweepParameter& p : kParameters)
        keys.push_back(NameOf(p));
    return keys;
}

std::optional<SweepAxis> ParseSweepAxis(const std::string& text, std::string* error) {
    size_t equals = text.find('=');
    std::string name = text.substr(0, equals);
    auto found = std::find_if(std::begin(kParameters), std::end(kParameters),
                              [&](const SweepParameter& p) { return NameOf(p) == name; });
    if (found == std::end(kParameters)) {
        *error = name + " は比較できる設定ではありません（" + SweepParameterNames() + "）";
        return std::nullopt;
    }
    SweepAxis axis{&*found, name, {}};
    if (equals == std::string::npos) {
        *error = name + " に比べる値がありません：" + name + "=V1,V2,... の形で指定してください";
        return std::nullopt;
    }
    for (const std::string& value : SplitOn(text.substr(equals + 1), ',')) {
        auto number = ValueOf(*found, value);
        if (!number || *number < found->minimum || *number > found->maximum) {
            *error =
                name + "=" + value + " は " + name + " の範囲（" +
                Format(found->whole ? "%.0f..%.0f" : "%.1f..%.1f", found->minimum, found->maximum) +
                "）にありません";
            return std::nullopt;
        }
        axis.values.push_back(value);
    }
    return axis;
}

std::optional<std::vector<SweepAxis>> ParseSweepAxes(const std::vector<std::string>& texts,
                                                     std::string* error) {
    std::vector<SweepAxis> axes;
    for (const std::string& text : texts) {
        auto axis = ParseSweepAxis(text, error);
        if (!axis) return std::nullopt;
        axes.push_back(std::move(*axis));
    }
    if (axes.empty()) {
        *error = "比べる設定と値を一つ以上、KEY=V1,V2,... の形で指定してください（" +
                 SweepParameterNames() + "）";
        return std::nullopt;
    }
    if (SweepCombinationCount(axes) > kMaxSweepCombinations) {
        *error = Format("値の組み合わせは%d通りまでです", kMaxSweepCombinations);
        return std::nullopt;
    }
    return axes;
}

long long SweepCombinationCount(const std::vector<SweepAxis>& axes) {
    long long count = 1;
    for (const SweepAxis& axis : axes)
        count = std::min<long long>(count * static_cast<long long>(axis.values.size()),
                                    kMaxSweepCombinations + 1LL);
    return count;
}

SweepResult RunSweep(const std::vector<ReplayDay>& days, const ReplaySource& source,
                     const std::vector<SweepAxis>& axes, const std::string& split, SweepNets nets,
                     int jobs, const std::function<bool(int daysDone)>& progress) {
    SweepResult result;
    for (const SweepAxis& axis : axes)
        result.names.push_back(axis.name);
    if (days.empty()) return result;
    std::string splitDate = split;
    if (splitDate.empty()) splitDate = DateOfDayText(days[days.size() / 2].day).value_or("");
    result.split = splitDate;
    result.bettime = source.bettime;

    std::vector<std::vector<size_t>> combinations = Combinations(axes);
    std::vector<ReplaySource> sources;
    for (const auto& choice : combinations)
        sources.push_back(SourceFor(source, axes, choice));
    SweepPlan plan = PlanOf(sources);
    std::vector<DaySweep> perDay(days.size());
    std::atomic<bool> stopped{false};
    RunOnWorkers(
        static_cast<int>(days.size()), jobs,
        [&](int k) {
            auto item = static_cast<size_t>(k);
            perDay[item] = SweepDay(days[item], sources, plan, nets, stopped);
        },
        [&](int done) {
            stopped = progress && !progress(done);
            return !stopped;
        });

    for (size_t c = 0; c < combinations.size(); ++c) {
        SweepRow row;
        for (size_t a = 0; a < axes.size(); ++a)
            row.values.push_back(axes[a].values[combinations[c][a]]);
        for (size_t d = 0; d < days.size(); ++d) {
            bool inSample = DateOfDayText(days[d].day).value_or("") < splitDate;
            BetRecord& record = inSample ? row.inSample : row.outOfSample;
            if (perDay[d].figures.empty()) continue;  // a day a stop left unread
            for (const NetFigures& race : perDay[d].figures[c])
                record.AddRace(race.tickets, race.stake, race.payback);
        }
        result.rows.push_back(std::move(row));
    }
    for (const DaySweep& day : perDay) {
        result.racesAtBettime += day.racesAtBettime;
        result.racesAtStoredOdds += day.racesAtStoredOdds;
    }
    std::stable_sort(result.rows.begin(), result.rows.end(),
                     [](const SweepRow& a, const SweepRow& b) {
                         return a.inSample.ReturnRate() > b.inSample.ReturnRate();
                     });
    return result;
}

std::vector<std::vector<std::string>> SweepTable(const SweepResult& result) {
    std::vector<std::string> header = result.names;
    for (const char* part : {"前半", "後半"})
        for (const char* column : {"レース", "投資額", "回収額", "回収率", "最大ドローダウン"})
            header.push_back(std::string(part) + column);
    std::vector<std::vector<std::string>> rows = {header};
    for (const SweepRow& row : result.rows) {
        std::vector<std::string> cells = row.values;
        for (const BetRecord* r : {&row.inSample, &row.outOfSample}) {
            cells.push_back(Format("%d", r->racesBet));
            cells.push_back(Format("%lld", static_cast<long long>(r->stake)));
            cells.push_back(Format("%lld", static_cast<long long>(r->payback)));
            cells.push_back(Format("%.1f", r->ReturnRate()));
            cells.push_back(Format("%lld", static_cast<long long>(r->running.drawdown)));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::string SweepOddsText(const SweepResult& result) {
    if (!result.bettime) return "確定オッズで比較しました。";
    return Format("投票時点のオッズのレース %d、保存されたオッズのレース %d", result.racesAtBettime,
                  result.racesAtStoredOdds);
}

std::string SweepCsv(const SweepResult& result) {
    return RowsAsCsv(SweepTable(result));
}

}  // namespace kagiroi
