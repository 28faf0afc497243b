#include "stakes/PopularityRateFile.h"

#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/RaceDay.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

namespace kagiroi {

namespace {

constexpr const char* kFileHeading = "Kagiroi popularity rates 1";
const std::array<const char*, 3> kTableNames = {"win", "top2", "top3"};

struct PlacingCounts {
    // [table][field size][rank]: wins, first-two and first-three finishes.
    std::array<std::array<std::array<int, kMaxRateRank + 1>, kMaxRateFieldSize + 1>, 3> finishes{};
    std::array<int, kMaxRateFieldSize + 1> races{};
};

struct Placing {
    int place;
    int popularity;
};

void CountRace(const RaceSlot& race, PlacingCounts& counts) {
    int n = RegisteredRunners(race.RaceInfo);
    if (n < kMinRateFieldSize || n > kMaxRateFieldSize) return;
    std::vector<Placing> placed;
    bool hasWinner = false;
    for (int i = 1; i <= n; ++i) {
        const std::string& runner = race.RunnerInfo[static_cast<size_t>(i)];
        Placing p{NumberAt(runner, SE::Placing), NumberAt(runner, SE::FinalPopularity)};
        if (p.place < 1 || p.popularity < 1 || p.popularity > kMaxRateRank) continue;
        hasWinner = hasWinner || p.place == 1;
        placed.push_back(p);
    }
    // A race without a winner has not been run (or was abandoned): it tells nothing.
    if (!hasWinner) return;
    ++counts.races[static_cast<size_t>(n)];
    for (const Placing& p : placed)
        for (int t = 0; t < 3; ++t)
            if (p.place <= t + 1)
                ++counts.finishes[static_cast<size_t>(t)][static_cast<size_t>(n)]
                                 [static_cast<size_t>(p.popularity)];
}

void BlankRaceRecords(DayBook& book) {
    for (RaceSlot& slot : book.slots) {
        slot.RaceInfo.assign(kRaLength, ' ');
        for (std::string& runner : slot.RunnerInfo)
            runner.assign(kSeLength, ' ');
    }
}

PopularityRateTables RatesFrom(const PlacingCounts& counts) {
    PopularityRateTables tables;
    for (int n = kMinRateFieldSize; n <= kMaxRateFieldSize; ++n) {
        int races = counts.races[static_cast<size_t>(n)];
        tables.races[static_cast<size_t>(n)] = races;
        if (races < kMinRacesForObservedRates) {
            PutModelRates(tables, n);
            continue;
        }
        for (int t = 0; t < 3; ++t)
            for (int r = 1; r <= kMaxRateRank; ++r)
                // Two horses can share a popularity: a rate is still a share, at most 1.
                tables
                    .rates[static_cast<size_t>(t)][static_cast<size_t>(n)][static_cast<size_t>(r)] =
                    std::min(1.0, static_cast<double>(counts.finishes[static_cast<size_t>(
                                      t)][static_cast<size_t>(n)][static_cast<size_t>(r)]) /
                                      races);
    }
    return tables;
}

bool ReadRatesLine(std::istringstream& in, const char* name,
                   std::array<double, kMaxRateRank + 1>& row) {
    std::string word;
    if (!(in >> word) || word != name) return false;
    for (int r = 1; r <= kMaxRateRank; ++r) {
        std::string value;
        if (!(in >> value) || !TryToDouble(value, row[static_cast<size_t>(r)])) return false;
        if (row[static_cast<size_t>(r)] < 0 || row[static_cast<size_t>(r)] > 1) return false;
    }
    return true;
}

}  // namespace

std::string PopularityRatesPath(const std::string& programFolder) {
    return JoinPath(programFolder, kPopularityRatesFileName);
}

PopularityRateTables TallyDayStore(const std::string& programFolder) {
    PlacingCounts counts;
    auto book = std::make_unique<DayBook>();
    for (const std::string& day : BuildDateList(programFolder)) {
        BlankRaceRecords(*book);
        book->paths = PathsForDay(programFolder, day);
        ReadRaceAndRunnerRecords(*book);
        for (const RaceSlot& race : book->slots)
            CountRace(race, counts);
    }
    return RatesFrom(counts);
}

std::string RatesFileText(const PopularityRateTables& tables) {
    std::string text = std::string(kFileHeading) + "\n";
    text +=
        "# Share of the horses of each win popularity rank 1..18 that won (win), finished in\n"
        "# the first two (top2) or in the first three (top3), by field size. A field size\n"
        "# with fewer than 30 races in the day store is marked model: its rates are\n"
        "# estimated. The file is rebuilt from the day store after each download.\n";
    for (int n = kMinRateFieldSize; n <= kMaxRateFieldSize; ++n) {
        int races = tables.races[static_cast<size_t>(n)];
        text += Format("field %d races %d %s\n", n, races,
                       races < kMinRacesForObservedRates ? "model" : "observed");
        for (int t = 0; t < 3; ++t) {
            text += kTableNames[static_cast<size_t>(t)];
            for (int r = 1; r <= kMaxRateRank; ++r)
                text += Format(" %.5f", tables.rates[static_cast<size_t>(t)][static_cast<size_t>(n)]
                                                    [static_cast<size_t>(r)]);
            text += "\n";
        }
    }
    return text;
}

std::optional<PopularityRateTables> ParseRatesFile(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kFileHeading) return std::nullopt;
    std::string body;
    while (std::getline(lines, line))
        if (line.empty() || line[0] != '#') body += line + "\n";
    std::istringstream in(body);
    PopularityRateTables tables;
    for (int n = kMinRateFieldSize; n <= kMaxRateFieldSize; ++n) {
        std::string field, racesWord, source;
        int size = 0, races = 0;
        if (!(in >> field >> size >> racesWord >> races >> source) || field != "field" ||
            size != n || racesWord != "races" || races < 0 ||
            (source != "model" && source != "observed"))
            return std::nullopt;
        tables.races[static_cast<size_t>(n)] = races;
        for (int t = 0; t < 3; ++t)
            if (!ReadRatesLine(in, kTableNames[static_cast<size_t>(t)],
                               tables.rates[static_cast<size_t>(t)][static_cast<size_t>(n)]))
                return std::nullopt;
    }
    std::string rest;
    if (in >> rest) return std::nullopt;
    return tables;
}

namespace {

// Every day file with what identifies its version: an atomic rewrite changes its file id.
std::vector<std::pair<std::string, std::optional<FileStamp>>> StoreVersion(
    const std::string& programFolder) {
    std::vector<std::pair<std::string, std::optional<FileStamp>>> version;
    std::string folder = DataFolder(programFolder);
    for (const std::string& name : ListFiles(folder))
        version.emplace_back(name, StampOf(JoinPath(folder, name)));
    return version;
}

}  // namespace

PopularityRateTables Rebuild(const std::string& programFolder, FileFailure* failure) {
    std::string path = PopularityRatesPath(programFolder);
    // The tally reads the whole store, too long to keep the other program waiting; it is
    // taken again under the lock when a day file changed meanwhile, so that the file written
    // never misses results another program stored before it.
    auto version = StoreVersion(programFolder);
    PopularityRateTables tables = TallyDayStore(programFolder);
    FolderLock lock;
    if (lock.Held() && StoreVersion(programFolder) != version)
        tables = TallyDayStore(programFolder);
    FileError error;
    if (!lock.Held()) {
        if (failure != nullptr)
            *failure = DescribeFailure(path + " に書き込めませんでした", lock.Error());
    } else if (!WriteFileAtomic(path, RatesFileText(tables), &error) && failure != nullptr)
        *failure = DescribeFailure(path + " に書き込めませんでした", error);
    return tables;
}

PopularityRateTables LoadOrBuild(const std::string& programFolder) {
    if (auto text = ReadWholeFile(PopularityRatesPath(programFolder)))
        if (auto tables = ParseRatesFile(*text)) return *tables;
    return Rebuild(programFolder);
}

}  // namespace kagiroi
