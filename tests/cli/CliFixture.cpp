#include "cli/CliFixture.h"

#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <filesystem>

namespace kagiroi::test {

namespace {

MainFormPorts PortsOf(InProcessForm& f) {
    return {f.ui, f.clock, f.clipboard, f.shell, f.registry};
}

// The folder of the one shared download; it goes when the test program ends.
const std::string& DownloadedFolder() {
    static TempFolder folder;
    static bool downloaded = [] {
        CliRun run = RunKagiroiCli({"download", "--final-odds"},
                                   {folder.Path(), kCliNow, folder / "installer-records.ini"});
        EXPECT_EQ(0, run.status) << run.err;
        return true;
    }();
    (void)downloaded;
    return folder.Path();
}

}  // namespace

InProcessForm::InProcessForm(const std::string& folder) : form(folder, PortsOf(*this), jvLink) {
    std::string error;
    EXPECT_TRUE(form.FormCreate(&error)) << error;
}

std::string IsoDay(const std::string& dayText) {
    std::string date = DateOfDayText(dayText).value_or("????????");
    return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
}

void InProcessForm::LoadDay(const std::string& day) {
    for (size_t i = 0; i < form.DayList().DateList.size(); ++i) {
        if (IsoDay(form.DayList().DateList[i]) != day) continue;
        form.DateListChange(static_cast<int>(i));
        return;
    }
    ADD_FAILURE() << "the date list has no " << day;
}

void InProcessForm::SelectRace(const std::string& day, int item) {
    LoadDay(day);
    ASSERT_LT(item, static_cast<int>(form.DayList().RaceList.size()));
    form.DatListClick(item);
}

std::string InProcessForm::CourseRace(int item) const {
    const std::string& info = form.Book()[item].RaceInfo;
    return Field(info, pos::kCourse, 2) + "-" + Field(info, pos::kRaceNumber, 2);
}

Rows InProcessForm::HeaderRows() const {
    const RaceHeaderTexts& h = form.RaceCard().Header;
    return Utf8Rows(Rows{{h.BashoLabel + h.RaceLabel + "R"},
                         {h.Label1},
                         {h.Label2},
                         {h.Label3},
                         {h.Label4},
                         {h.Label6},
                         {h.Label7}});
}

Rows InProcessForm::TotalsRows() const {
    Rows rows{{"券種", "買い点数", "投票金額", "予想回収率", "回収金額"}};
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const BetTotals& t = form.Betting().Bets.Totals(type);
        rows.push_back(
            {BetTypeName(type), t.count.text, t.stake.text, t.rate.text, t.payback.text});
    }
    return Utf8Rows(rows);
}

Rows InProcessForm::ResultsRows() const {
    Rows rows{{"券種", "結果", "人気", "配当"}};
    for (const auto& group : form.RaceCard().ResultsPage)
        for (const auto& row : group.rows)
            rows.push_back({group.caption, row.result, row.popularity, row.payout});
    return Utf8Rows(rows);
}

Rows InProcessForm::RacePrint() const {
    std::vector<Rows> parts = {HeaderRows(), Utf8Rows(form.RaceCard().StringGrid7),
                               Utf8Rows(form.Betting().Bets.Table(BetType::Trio)),
                               Utf8Rows(form.Betting().Bets.Table(BetType::Trifecta)),
                               TotalsRows()};
    Rows all;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) all.push_back({""});
        all.insert(all.end(), parts[i].begin(), parts[i].end());
    }
    return all;
}

int InProcessForm::TicketRow(BetType type, int number) const {
    const TextGrid& table = form.Betting().Bets.Table(type);
    for (int r = 1; r < table.RowCount(); ++r)
        if (!IsBlank(table.Cell(1, r)) && ToInt(table.Cell(1, r)) == number) return r;
    return -1;
}

CliRun CliTest::Run(const std::vector<std::string>& args) const {
    return RunKagiroiCli(args, Environment());
}

void CliTest::UseDownloadedDays(const std::string& folder) {
    std::filesystem::copy(DownloadedFolder(), folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace kagiroi::test
