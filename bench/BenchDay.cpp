#include "BenchDay.h"

#include "daystore/DayFiles.h"
#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "demo/DemoHarville.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"
#include "support/DayBuilder.h"
#include "support/RecordBuilder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace kagiroi::bench {

namespace {

using test::RecordBuilder;

constexpr int kRunners = 18;
constexpr double kWinPayback = 0.8;
constexpr double kBracketPayback = 0.775;
constexpr double kTrioPayback = 0.725;

class Draw {
  public:
    explicit Draw(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}
    double Uniform() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }
    int Between(int low, int high) { return low + static_cast<int>(Uniform() * (high - low + 1)); }

  private:
    uint64_t state_;
};

// Odds in tenths from a chance, within what a field of `digits` digits holds.
long long OddsTenths(double payback, double chance, int digits) {
    long long most = static_cast<long long>(std::pow(10, digits)) - 1;
    if (chance <= 0) return most;
    return std::clamp(static_cast<long long>(payback / chance * 10), 10LL, most);
}

// The popularity of `value` among `all` chances: 1 + how many are more likely.
int PopularityOf(const std::vector<double>& all, double value) {
    return 1 + static_cast<int>(
                   std::count_if(all.begin(), all.end(), [&](double c) { return c > value; }));
}

struct BenchRace {
    test::RaceSpec raceSpec;
    ByHorse<double> shares{};
    std::array<int, 3> firstThree{};  // horse numbers in finishing order
};

BenchRace MakeRace(const test::RaceSpec& raceSpec, Draw& draw) {
    BenchRace race;
    race.raceSpec = raceSpec;
    double sum = 0;
    for (int h = 1; h <= kRunners; ++h) {
        double gauss = draw.Uniform() + draw.Uniform() + draw.Uniform() + draw.Uniform() - 2.0;
        race.shares[static_cast<size_t>(h)] = std::exp(1.6 * gauss);
        sum += race.shares[static_cast<size_t>(h)];
    }
    for (double& share : race.shares)
        share /= sum;
    // The finish: each place to one of the horses left, in proportion to its share.
    std::array<bool, kRunners + 1> placed{};
    for (int& horse : race.firstThree) {
        double left = 0;
        for (int h = 1; h <= kRunners; ++h)
            if (!placed[static_cast<size_t>(h)]) left += race.shares[static_cast<size_t>(h)];
        double point = draw.Uniform() * left;
        horse = 0;
        for (int h = 1; h <= kRunners && horse == 0; ++h) {
            if (placed[static_cast<size_t>(h)]) continue;
            point -= race.shares[static_cast<size_t>(h)];
            if (point <= 0) horse = h;
        }
        if (horse == 0)
            for (int h = kRunners; h >= 1 && horse == 0; --h)
                if (!placed[static_cast<size_t>(h)]) horse = h;
        placed[static_cast<size_t>(horse)] = true;
    }
    return race;
}

RecordBuilder KeyedRecord(const char* kind, int length, const BenchRace& race) {
    RecordBuilder record(kind, length);
    record.Put(3, kind[0] == 'O' ? "4" : "2").Put(4, race.raceSpec.date);
    record.Key(race.raceSpec.date, race.raceSpec.course, race.raceSpec.meeting, race.raceSpec.day,
               race.raceSpec.race);
    return record;
}

int PlacingOf(const BenchRace& race, int horse) {
    for (size_t k = 0; k < race.firstThree.size(); ++k)
        if (race.firstThree[k] == horse) return static_cast<int>(k) + 1;
    return 0;
}

std::string RunnerRecord(const BenchRace& race, const DemoHarville& market, int h) {
    RecordBuilder record("SE", kSeLength);
    record.Put(1, test::RunnerRecord(race.raceSpec, h).substr(0, kSeLength - 2));
    int placing = PlacingOf(race, h);
    record.PutNumber(28, BracketOf(kRunners, h), 1)
        .Put(41, Format("カギロイ%02d%02d", race.raceSpec.race, h), 36)
        .PutNumber(335, placing == 0 ? 3 + h : placing, 2)
        .PutNumber(360, OddsTenths(kWinPayback, market.Win(h), 4), 4);
    return record;
}

std::string WinPlaceBracketRecord(const BenchRace& race, const DemoHarville& market) {
    RecordBuilder record = KeyedRecord("O1", kO1Length, race);
    record.Put(28, race.raceSpec.date.substr(4, 4) + "1530");
    std::vector<double> wins;
    for (int h = 1; h <= kRunners; ++h)
        wins.push_back(market.Win(h));
    for (int h = 1; h <= kRunners; ++h) {
        long long low = OddsTenths(kWinPayback, market.InTop(h, 3) * 1.25, 4);
        record.PutNumber(44 + 8 * (h - 1), h, 2)
            .PutNumber(46 + 8 * (h - 1), OddsTenths(kWinPayback, market.Win(h), 4), 4)
            .PutNumber(50 + 8 * (h - 1), PopularityOf(wins, market.Win(h)), 2)
            .PutNumber(268 + 12 * (h - 1), h, 2)
            .PutNumber(270 + 12 * (h - 1), low, 4)
            .PutNumber(274 + 12 * (h - 1), std::min(9999LL, low * 8 / 5), 4);
    }
    // Bracket pairs: the chance that the first two come from brackets i and j.
    std::vector<double> pairs;
    for (int i = 1; i <= 8; ++i)
        for (int j = i; j <= 8; ++j) {
            double chance = 0;
            for (int a = 1; a <= kRunners; ++a)
                for (int b = a + 1; b <= kRunners; ++b) {
                    int x = BracketOf(kRunners, a), y = BracketOf(kRunners, b);
                    if ((x == i && y == j) || (x == j && y == i)) chance += market.Quinella(a, b);
                }
            pairs.push_back(chance);
        }
    for (int e = 1; e <= kBracketPairCount; ++e) {
        double chance = pairs[static_cast<size_t>(e - 1)];
        record.PutNumber(604 + 9 * (e - 1), e, 2)
            .PutNumber(606 + 9 * (e - 1), OddsTenths(kBracketPayback, chance, 5), 5)
            .PutNumber(611 + 9 * (e - 1), PopularityOf(pairs, chance), 2);
    }
    return record;
}

std::array<int, 3> HorsesOf(const std::string& combination) {
    return {ToInt(combination.substr(0, 2)), ToInt(combination.substr(3, 2)),
            ToInt(combination.substr(6, 2))};
}

std::string CombinationRecord(const BenchRace& race, const DemoHarville& market, bool ordered) {
    RecordBuilder record =
        KeyedRecord(ordered ? "O6" : "O5", ordered ? kO6Length : kO5Length, race);
    int count = ordered ? kTrifectaCount : kTrioCount;
    int entry = ordered ? 17 : 15, width = ordered ? 7 : 6, popularity = ordered ? 4 : 3;
    std::vector<double> chances;
    for (int l = 1; l <= count; ++l) {
        auto [a, b, c] = HorsesOf(ordered ? TrifectaByIndex(l) : TrioByIndex(l));
        chances.push_back(ordered ? market.FirstThree(a, b, c) : market.Trio(a, b, c));
    }
    std::vector<double> sorted = chances;
    std::sort(sorted.begin(), sorted.end(), std::greater<double>());
    for (int l = 1; l <= count; ++l) {
        auto [a, b, c] = HorsesOf(ordered ? TrifectaByIndex(l) : TrioByIndex(l));
        double chance = chances[static_cast<size_t>(l - 1)];
        int at = 41 + entry * (l - 1);
        int rank = 1 + static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), chance,
                                                         std::greater<double>()) -
                                        sorted.begin());
        record.Put(at, Format("%02d%02d%02d", a, b, c))
            .PutNumber(at + 6, OddsTenths(kTrioPayback, chance, width), width)
            .PutNumber(at + 6 + width, rank, popularity);
    }
    return record;
}

// One paid entry: the numbers, the yen per 100 and the popularity.
void PutPayout(RecordBuilder& record, int at, const std::vector<int>& numbers, int numberWidth,
               long long yen, int popularity, int popularityWidth) {
    for (int number : numbers) {
        record.PutNumber(at, number, numberWidth);
        at += numberWidth;
    }
    record.PutNumber(at, std::max(100LL, yen), 9).PutNumber(at + 9, popularity, popularityWidth);
}

std::string PayoutRecord(const BenchRace& race, const DemoHarville& market) {
    RecordBuilder record = KeyedRecord("HR", kHrLength, race);
    auto [first, second, third] = race.firstThree;
    std::array<int, 3> top = race.firstThree;
    std::sort(top.begin(), top.end());
    auto yen = [](double payback, double chance) { return OddsTenths(payback, chance, 8) * 10; };
    std::vector<double> wins, quinellas, wides, exactas;
    for (int a = 1; a <= kRunners; ++a) {
        wins.push_back(market.Win(a));
        for (int b = 1; b <= kRunners; ++b) {
            if (a == b) continue;
            exactas.push_back(market.FirstTwo(a, b));
            if (a < b) quinellas.push_back(market.Quinella(a, b));
            if (a < b) wides.push_back(market.Wide(a, b));
        }
    }
    PutPayout(record, 103, {first}, 2, yen(kWinPayback, market.Win(first)),
              PopularityOf(wins, market.Win(first)), 2);
    for (int k = 0; k < 3; ++k) {
        int horse = race.firstThree[static_cast<size_t>(k)];
        PutPayout(record, 142 + 13 * k, {horse}, 2, yen(kWinPayback, market.InTop(horse, 3)), 0, 2);
    }
    int x = BracketOf(kRunners, first), y = BracketOf(kRunners, second);
    PutPayout(record, 207, {std::min(x, y), std::max(x, y)}, 1, yen(kBracketPayback, 0.05), 0, 2);
    double quinella = market.Quinella(first, second);
    PutPayout(record, 246, {std::min(first, second), std::max(first, second)}, 2,
              yen(kTrioPayback, quinella), PopularityOf(quinellas, quinella), 3);
    int wide = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            double chance = market.Wide(top[static_cast<size_t>(i)], top[static_cast<size_t>(j)]);
            PutPayout(record, 294 + 16 * wide++,
                      {top[static_cast<size_t>(i)], top[static_cast<size_t>(j)]}, 2,
                      yen(kTrioPayback, chance), PopularityOf(wides, chance), 3);
        }
    double exacta = market.FirstTwo(first, second);
    PutPayout(record, 454, {first, second}, 2, yen(kTrioPayback, exacta),
              PopularityOf(exactas, exacta), 3);
    PutPayout(record, 550, {top[0], top[1], top[2]}, 2,
              yen(kTrioPayback, market.Trio(first, second, third)), 0, 3);
    PutPayout(record, 604, {first, second, third}, 2,
              yen(kTrioPayback, market.FirstThree(first, second, third)), 0, 4);
    return record;
}

std::string MiningRecord(const BenchRace& race, Draw& draw) {
    RecordBuilder record = KeyedRecord("DM", kDmLength, race);
    for (int h = 1; h <= kRunners; ++h) {
        int at = 32 + 15 * (h - 1);
        // Stronger horses are predicted faster, with some noise.
        double share = race.shares[static_cast<size_t>(h)];
        int time = 13450 - static_cast<int>(std::log(share * kRunners) * 60) + draw.Between(0, 40);
        record.PutNumber(at, h, 2)
            .PutNumber(at + 2, time, 5)
            .PutNumber(at + 7, draw.Between(10, 90), 4)
            .PutNumber(at + 11, draw.Between(10, 90), 4);
    }
    return record;
}

}  // namespace

std::vector<std::string> BenchDayRecords(const BenchDaySpec& raceSpec) {
    std::vector<test::RaceSpec> specs = test::MakeDay(raceSpec.date, raceSpec.courses, kRunners);
    std::vector<BenchRace> races;
    for (size_t k = 0; k < specs.size(); ++k) {
        Draw draw(k + 1);
        races.push_back(MakeRace(specs[k], draw));
    }
    std::vector<std::string> records, odds;
    for (size_t k = 0; k < races.size(); ++k) {
        const BenchRace& race = races[k];
        DemoHarville market(race.shares, kRunners);
        Draw draw(1000 + k);
        records.push_back(test::RaceRecord(race.raceSpec));
        for (int h = 1; h <= kRunners; ++h)
            records.push_back(RunnerRecord(race, market, h));
        records.push_back(PayoutRecord(race, market));
        odds.push_back(WinPlaceBracketRecord(race, market));
        odds.push_back(CombinationRecord(race, market, false));
        odds.push_back(CombinationRecord(race, market, true));
        odds.push_back(MiningRecord(race, draw));
    }
    records.insert(records.end(), odds.begin(), odds.end());
    return records;
}

std::string BenchDayText(const BenchDaySpec& raceSpec) {
    return raceSpec.date.substr(0, 4) + "年" + raceSpec.date.substr(4, 2) + "月" +
           raceSpec.date.substr(6, 2) + "日";
}

void WriteBenchDay(const std::string& programFolder, const std::vector<std::string>& records) {
    MakeDirectories(DataFolder(programFolder));
    DayStore store(programFolder);
    for (const std::string& record : records)
        if (!store.Store(record, StoreRoute::Download))
            throw std::runtime_error("a bench record was not stored: " + record.substr(0, 27));
    FileFailure failure;
    if (!store.Flush(&failure))
        throw std::runtime_error("cannot write the bench day: " + failure.logged);
}

std::vector<std::string> BenchDayFiles(const std::string& programFolder,
                                       const BenchDaySpec& raceSpec) {
    DayPaths paths = PathsForDay(programFolder, BenchDayText(raceSpec));
    std::vector<std::string> files = {paths.raceFile, paths.payoutFile, paths.o1File,
                                      paths.o5File,   paths.o6File,     paths.miningFile};
    for (const std::string& course : raceSpec.courses)
        if (auto runners = RunnerFilePath(paths.raceFile, course)) files.push_back(*runners);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const std::string& f) { return !FileExists(f); }),
                files.end());
    return files;
}

}  // namespace kagiroi::bench
