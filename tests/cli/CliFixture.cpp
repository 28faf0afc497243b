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

CliRun CliTest::Run(const std::vector<std::string>& args) const {
    return RunKagiroiCli(args, Environment());
}

void CliTest::UseDownloadedDays(const std::string& folder) {
    // File by file: a recursive copy onto a folder that exists fails with MinGW's library.
    const std::filesystem::path from = DownloadedFolder();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(from)) {
        std::filesystem::path to =
            std::filesystem::path(folder) / entry.path().lexically_relative(from);
        if (entry.is_directory())
            std::filesystem::create_directories(to);
        else
            std::filesystem::copy_file(entry.path(), to,
                                       std::filesystem::copy_options::overwrite_existing);
    }
}

void CliRaceMorningTest::SetUp() {
    CliRun download =
        RunKagiroiCli({"download", "--final-odds"}, {home.Path(), "2026-12-12T08:00:00", registry});
    ASSERT_EQ(0, download.status) << download.err;
    CliRun odds = RunAt935({"fetch", "odds", "2026-12-12", "1"});
    ASSERT_EQ(0, odds.status) << odds.err;
}

CliRun CliRaceMorningTest::RunAt935(const std::vector<std::string>& args) const {
    return RunKagiroiCli(args, {home.Path(), "2026-12-12T09:35:00", registry});
}

}  // namespace kagiroi::test
