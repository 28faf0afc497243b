// The tables a race and a day come to, checked cell by cell against files kept beside the day
// files they come from. Each case folder holds `input`, a program folder with only the day files
// the case needs, and `expected`, one tab-separated UTF-8 file per table. KAGIROI_UPDATE_GOLDEN=1
// writes the expected files from what the code makes now (README.md in this folder).
#include "daystore/RaceDay.h"
#include "daystore/RecordFields.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "records/DayReplay.h"
#include "records/DayReports.h"
#include "session/DayLoading.h"
#include "session/RaceSession.h"
#include "stakes/PopularityRateFile.h"
#include "stakes/RaceAmounts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace kagiroi {
namespace {

using Rows = std::vector<std::vector<std::string>>;  // Shift_JIS cells, row 0 the header

constexpr int kDifferencesShown = 20;

bool Updating() {
    const char* value = std::getenv("KAGIROI_UPDATE_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

std::string TsvText(const Rows& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c)
            text += (c > 0 ? "\t" : "") + row[c];
        text += "\n";
    }
    return SjisToUtf8(text);
}

Rows ParseTsv(const std::string& utf8) {
    Rows rows;
    std::string text = Utf8ToSjis(utf8);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::vector<std::string> cells;
        for (size_t at = start;;) {
            size_t tab = text.find('\t', at);
            if (tab == std::string::npos || tab > end) tab = end;
            cells.push_back(text.substr(at, tab - at));
            if (tab == end) break;
            at = tab + 1;
        }
        rows.push_back(std::move(cells));
        start = end + 1;
    }
    return rows;
}

const std::string* CellOf(const Rows& rows, size_t r, size_t c) {
    return r < rows.size() && c < rows[r].size() ? &rows[r][c] : nullptr;
}

std::string Shown(const std::string* cell) {
    return cell != nullptr ? "\"" + SjisToUtf8(*cell) + "\"" : "(no cell)";
}

// Compares a table with its expected file, naming the row, column and both texts of each cell
// that differs; writes the file instead when updating.
void CheckTable(const std::string& path, const Rows& actual) {
    if (Updating()) {
        for (const auto& row : actual)
            for (const auto& cell : row)
                ASSERT_EQ(std::string::npos, cell.find_first_of("\t\n")) << path;
        ASSERT_TRUE(MakeDirectories(FolderOf(path)) && WriteFileAtomic(path, TsvText(actual)));
        return;
    }
    auto text = ReadWholeFile(path);
    ASSERT_TRUE(text.has_value()) << path << " is missing (KAGIROI_UPDATE_GOLDEN=1 writes it)";
    Rows expected = ParseTsv(*text);
    int differences = 0;
    for (size_t r = 0; r < std::max(expected.size(), actual.size()); ++r) {
        size_t columns = std::max(r < expected.size() ? expected[r].size() : 0,
                                  r < actual.size() ? actual[r].size() : 0);
        for (size_t c = 0; c < columns; ++c) {
            const std::string *want = CellOf(expected, r, c), *got = CellOf(actual, r, c);
            if (want != nullptr && got != nullptr && *want == *got) continue;
            if (++differences <= kDifferencesShown)
                ADD_FAILURE() << FileNameOf(path) << " row " << r << " column " << c
                              << ": expected " << Shown(want) << ", actual " << Shown(got);
        }
    }
    EXPECT_EQ(0, differences) << FileNameOf(path) << ": cells that differ";
}

// Both nets' totals as the window shows them beside their tables.
Rows TotalsRows(const BetBoard& bets) {
    Rows rows{{"", "買い点数", "投票金額", "予想回収率", "期待回収率", "回収金額", "合成ｵｯｽﾞ",
               "ﾄﾘｶﾞﾐ", "的中確率", "期待値1以上"}};
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const BetTotals& t = bets.Totals(type);
        rows.push_back({BetTypeName(type), t.count.text, t.stake.text, t.rate.text,
                        t.expectedReturn.text, t.payback.text, t.synthetic.text, t.underStake.text,
                        t.hitChance.text, t.overlays.text});
    }
    return rows;
}

// "05-11": the racecourse code and race number, for the names of a race's files.
std::string RaceFileStem(const RaceSlot& race) {
    return FieldAt(race.RaceInfo, RaceHead::Course) + "-" +
           FieldAt(race.RaceInfo, RaceHead::RaceNumber);
}

struct LoadedCase {
    std::unique_ptr<DayBook> book;
    RaceSettings settings;
    PopularityRateTables rates;
};

// The case's day read as the window reads a day, with the case's settings and the rates its
// store gives.
LoadedCase Load(const std::string& input) {
    LoadedCase loaded;
    loaded.settings = ReadRaceSettings(SettingsFile(SettingsFilePath(input)));
    loaded.rates = TallyDayStore(input);
    std::vector<std::string> days = BuildDateList(input);
    EXPECT_EQ(1u, days.size()) << input;
    if (days.empty()) return loaded;
    DayLoadProblems problems;
    loaded.book = LoadStoredDay(input, days.front(), {10, loaded.settings.defaultAmount}, problems);
    EXPECT_TRUE(problems.logLines.empty()) << SjisToUtf8(problems.logLines.front());
    return loaded;
}

// Each race as a click on it shows it: the index table, both nets with their stakes and the
// totals.
void CheckRaces(const LoadedCase& loaded, const std::string& expected) {
    int races = 0;
    for (const RaceSlot& race : loaded.book->slots) {
        if (race.IsEmpty()) continue;
        ++races;
        RaceSession session(loaded.rates);
        session.Open(race, loaded.settings, AmountOfRace(race));
        std::string stem = JoinPath(expected, RaceFileStem(race));
        CheckTable(stem + ".index.tsv", session.Card().StringGrid26.AllRows());
        CheckTable(stem + ".trio.tsv", session.Bets().Table(BetType::Trio).AllRows());
        CheckTable(stem + ".trifecta.tsv", session.Bets().Table(BetType::Trifecta).AllRows());
        CheckTable(stem + ".totals.tsv", TotalsRows(session.Bets()));
    }
    EXPECT_GT(races, 0);
}

// 集計 of the day, headed as the window heads it with the first race shown.
void CheckTally(const LoadedCase& loaded, const std::string& input, const std::string& expected) {
    std::optional<TallyReport> report;
    ReplaySource source{input,        loaded.settings, loaded.rates, 10,
                        std::nullopt, std::nullopt,    false};
    ReplayBook(*loaded.book, 0, source, [&](const ReplayedRace& race) {
        if (!report)
            report.emplace(DayHeading(HeadingDate(race.header.Label1), DayVenues(*loaded.book)));
        report->AddRace(race.bets);
    });
    ASSERT_TRUE(report.has_value());
    Rows rows;
    for (const std::string& line : report->Lines())
        rows.push_back({line});
    CheckTable(JoinPath(expected, "tally.tsv"), rows);
}

class GoldenTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenTest, TablesMatchTheExpectedFiles) {
    std::string folder = std::string(KAGIROI_TEST_SOURCES) + "/golden/" + GetParam();
    std::string input = JoinPath(folder, "input"), expected = JoinPath(folder, "expected");
    LoadedCase loaded = Load(input);
    ASSERT_TRUE(loaded.book != nullptr) << input;
    CheckRaces(loaded, expected);
    CheckTally(loaded, input, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, ::testing::Values("demo-day", "eighteen-runners"));

}  // namespace
}  // namespace kagiroi
